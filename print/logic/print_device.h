#pragma once
// A printed page as every document sees it, whatever the printer behind it.
//
// All lengths are in 0.01 mm. The origin is the top-left corner of the
// printable area and y grows downwards; the physical offsets say how far that
// corner lies from the paper's edge. Texts are Windows-1252, as the shop's
// files keep them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace ovix {

// One inch in 0.01 mm.
inline constexpr int kHundredthsOfMillimetrePerInch = 2540;

// value * numerator / denominator computed in 64 bits and rounded half away
// from zero; -1 when the denominator is 0 or the result does not fit an int
// (a picture's size from a damaged file cannot overflow a layout).
int mulDiv(int value, int numerator, int denominator);

enum class TextAlign {
    Left, // x is the left edge of the text
    Centre, // x is the centre of the text
    Right, // x is the right edge of the text
};

struct PrintFont {
    enum class Kind {
        PrinterDefault, // the printer's own font
        Arial10, // "Arial" at 10 points
        ArialHeight, // "Arial" with a character height of `height`
        Face, // the font named `face` with a character height of `height`
    };
    PrintFont() = default;
    PrintFont(Kind kindOf, int heightOf = 0, bool boldOf = false, std::string faceOf = {})
        : kind(kindOf), height(heightOf), bold(boldOf), face(std::move(faceOf))
    {
    }

    Kind kind = Kind::PrinterDefault;
    int height = 0; // 0.01 mm, for ArialHeight and Face
    bool bold = false;
    std::string face; // Windows-1252, for Face

    bool operator==(const PrintFont &) const = default;
};

struct PrintImageSize {
    int width = 0; // pixels
    int height = 0; // pixels
};

class PrintDevice {
public:
    virtual ~PrintDevice() = default;

    // The whole paper.
    virtual int pageWidth() const = 0;
    virtual int pageHeight() const = 0;
    // The part the printer can mark; drawing is relative to its top-left.
    virtual int printableWidth() const = 0;
    virtual int printableHeight() const = 0;
    // Distance of the printable area from the paper's left and top edges.
    virtual int offsetLeft() const = 0;
    virtual int offsetTop() const = 0;
    // Printer dots per inch; 0 when the printer does not say.
    virtual int dotsPerInch() const = 0;

    // Selects the font of the following texts and metrics; false when it
    // cannot be had, and the previous font stays.
    virtual bool selectFont(const PrintFont &font) = 0;
    // Text height plus the font's leading: the distance between text lines.
    virtual int lineHeight() const = 0;
    virtual int averageCharWidth() const = 0;
    virtual int textWidth(std::string_view text) const = 0;

    // One line of text whose top is at y.
    virtual void drawText(int x, int y, std::string_view text, TextAlign align) = 0;
    // Text wrapped at word boundaries to `width`, each line centred in the box
    // from `left`, starting at `top`, clipped to `height`. Returns the height
    // the whole wrapped text needs (which may exceed the box).
    virtual int drawWrappedText(int left, int top, int width, int height, std::string_view text)
        = 0;
    // A black filled rectangle without an outline.
    virtual void fillRect(int x, int y, int width, int height) = 0;
    // A rectangle filled with grey `level` (0 black to 255 white), without an
    // outline: the shaded bars and boxes of full-page documents.
    virtual void fillShade(int x, int y, int width, int height, int level) = 0;
    // White text (for headings on a filled bar) or, by default, black.
    virtual void setWhiteText(bool white) = 0;
    // Size of an image file's picture (BMP, PNG); nothing when it cannot be
    // decoded.
    virtual std::optional<PrintImageSize> imageSize(std::string_view fileBytes) const = 0;
    // The picture stretched into the rectangle; false when it cannot be
    // decoded, and nothing is drawn.
    virtual bool drawImage(std::string_view fileBytes, int x, int y, int width, int height) = 0;
    // Ends the page and starts another; false when the printer refuses.
    virtual bool newPage() = 0;
};

} // namespace ovix
