#pragma once
// Code 39 barcodes of numbers, drawn as black rectangles.
//
// Each character is nine elements (bar, space, bar, ... bar), three of them
// wide: a narrow element is one module, a wide one two, so a character is 12
// modules, followed by a one-module gap. A symbol is the start character '*',
// the digits, and the stop character '*'; character k starts 13 * k modules
// from the left edge.

#include <cstdint>
#include <string>
#include <string_view>

namespace ovix {

class Messages;
class PrintDevice;

// The transaction barcode's module (0.40 mm) and bar height (10 mm).
inline constexpr int kCode39Module = 40;
inline constexpr int kCode39BarHeight = 1000;

// The nine element widths in modules (1 or 2), bar first, of a digit or '*';
// "" for any other character.
std::string code39Pattern(char character);
// The number in decimal, left-padded with zeros to at least 4 digits ("0007"
// for 7). A negative number gives "" (it has no barcode).
std::string code39Digits(int64_t number);
// Width of the whole symbol for `digitCount` digits, from the left edge of the
// start character to the right edge of the stop character.
int code39Width(size_t digitCount, int module);
// Draws the symbol for `digits` with its top-left at (x, top), bars `height`
// tall. False, and nothing drawn, when `digits` is empty, holds anything but
// 0-9, or the module is not positive.
bool drawCode39(PrintDevice &device, int x, int top, std::string_view digits, int module,
    int height = kCode39BarHeight);
// The barcode of a transaction (or customer) number centred on the printable
// width with its top at `top`, 0.40 mm modules, 10 mm bars. When the printer
// reports no resolution it says "Unable to get printer" and draws nothing.
bool drawNumberBarcode(PrintDevice &device, int top, int64_t number, Messages &messages);

} // namespace ovix
