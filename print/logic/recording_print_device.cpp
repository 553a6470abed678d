#include "print/logic/recording_print_device.h"

#include "platform/c_format.h"
#include "platform/cp1252.h"

#include <algorithm>
#include <cstdint>

namespace ovix {

namespace {

int32_t readInt32(std::string_view bytes, size_t offset)
{
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
    return static_cast<int32_t>(value);
}

const char *alignName(TextAlign align)
{
    switch (align) {
    case TextAlign::Left:
        return "left";
    case TextAlign::Centre:
        return "centre";
    case TextAlign::Right:
        return "right";
    }
    return "?";
}

std::string fontName(const PrintFont &font)
{
    std::string name;
    switch (font.kind) {
    case PrintFont::Kind::PrinterDefault:
        name = "printer";
        break;
    case PrintFont::Kind::Arial10:
        name = "Arial 10pt";
        break;
    case PrintFont::Kind::ArialHeight:
        name = cformat("Arial h%d", font.height);
        break;
    case PrintFont::Kind::Face:
        name = cformat("%s h%d", font.face.c_str(), font.height);
        break;
    }
    return font.bold ? name + " bold" : name;
}

// A Windows-1252 text in UTF-8 between quotes; quotes, backslashes and
// control bytes escaped.
std::string quoted(std::string_view cp1252)
{
    std::string text = "\"";
    for (char byte : cp1252) {
        const auto code = static_cast<unsigned char>(byte);
        if (byte == '"' || byte == '\\')
            text += '\\';
        if (code < 0x20 || code == 0x7F)
            text += cformat("\\x%02X", code);
        else
            text += toUtf8(std::string_view(&byte, 1));
    }
    return text + '"';
}

// "line 7", or "line 0+125" for a y between two lines.
std::string lineOf(int y, int lineHeight)
{
    if (lineHeight <= 0)
        return "line ?";
    const int line = y / lineHeight;
    const int rest = y % lineHeight;
    return rest == 0 ? cformat("line %d", line) : cformat("line %d%+d", line, rest);
}

} // namespace

RecordingPrintDevice::RecordingPrintDevice(const RecordingPageSetup &setup)
    : setup_(setup)
{
}

bool RecordingPrintDevice::selectFont(const PrintFont &font)
{
    if (std::find(refused_.begin(), refused_.end(), font) != refused_.end())
        return false;
    font_ = font;
    PrintOperation operation;
    operation.kind = PrintOperation::Kind::Font;
    operation.font = font;
    operations_.push_back(operation);
    return true;
}

int RecordingPrintDevice::textWidth(std::string_view text) const
{
    return static_cast<int>(text.size()) * setup_.averageCharWidth;
}

void RecordingPrintDevice::drawText(int x, int y, std::string_view text, TextAlign align)
{
    PrintOperation operation;
    operation.kind = PrintOperation::Kind::Text;
    operation.x = x;
    operation.y = y;
    operation.text = std::string(text);
    operation.align = align;
    operation.font = font_;
    operations_.push_back(operation);
}

std::vector<std::string> RecordingPrintDevice::wrapLines(std::string_view text, int width) const
{
    size_t perLine = 1;
    if (setup_.averageCharWidth > 0 && width > setup_.averageCharWidth)
        perLine = static_cast<size_t>(width / setup_.averageCharWidth);
    std::vector<std::string> lines;
    std::string line;
    size_t position = 0;
    while (position < text.size()) {
        size_t end = text.find(' ', position);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view word = text.substr(position, end - position);
        position = end + 1;
        if (word.empty())
            continue;
        while (word.size() > perLine) {
            if (!line.empty())
                lines.push_back(std::move(line));
            line.clear();
            lines.emplace_back(word.substr(0, perLine));
            word.remove_prefix(perLine);
        }
        if (word.empty())
            continue;
        if (!line.empty() && line.size() + 1 + word.size() > perLine) {
            lines.push_back(std::move(line));
            line.clear();
        }
        if (!line.empty())
            line += ' ';
        line += word;
    }
    if (!line.empty() || lines.empty())
        lines.push_back(line);
    return lines;
}

int RecordingPrintDevice::drawWrappedText(
    int left, int top, int width, int height, std::string_view text)
{
    PrintOperation operation;
    operation.kind = PrintOperation::Kind::WrappedText;
    operation.x = left;
    operation.y = top;
    operation.width = width;
    operation.height = height;
    operation.text = std::string(text);
    operation.align = TextAlign::Centre;
    operation.font = font_;
    operations_.push_back(operation);
    return static_cast<int>(wrapLines(text, width).size()) * setup_.lineHeight;
}

void RecordingPrintDevice::fillRect(int x, int y, int width, int height)
{
    PrintOperation operation;
    operation.kind = PrintOperation::Kind::Rect;
    operation.x = x;
    operation.y = y;
    operation.width = width;
    operation.height = height;
    operations_.push_back(operation);
}

void RecordingPrintDevice::fillShade(int x, int y, int width, int height, int level)
{
    PrintOperation operation;
    operation.kind = PrintOperation::Kind::Shade;
    operation.x = x;
    operation.y = y;
    operation.width = width;
    operation.height = height;
    operation.level = level;
    operations_.push_back(operation);
}

void RecordingPrintDevice::setWhiteText(bool white)
{
    PrintOperation operation;
    operation.kind = PrintOperation::Kind::TextColour;
    operation.level = white ? 255 : 0;
    operations_.push_back(operation);
}

std::optional<PrintImageSize> RecordingPrintDevice::imageSize(std::string_view fileBytes) const
{
    // BITMAPFILEHEADER (14 bytes), then the info header's size, width and height.
    if (fileBytes.size() < 26 || fileBytes.substr(0, 2) != "BM")
        return std::nullopt;
    int32_t width = readInt32(fileBytes, 18);
    int32_t height = readInt32(fileBytes, 22);
    if (width <= 0 || height == 0 || height == INT32_MIN)
        return std::nullopt;
    return PrintImageSize { width, height < 0 ? -height : height };
}

bool RecordingPrintDevice::drawImage(
    std::string_view fileBytes, int x, int y, int width, int height)
{
    if (!imageSize(fileBytes))
        return false;
    PrintOperation operation;
    operation.kind = PrintOperation::Kind::Image;
    operation.x = x;
    operation.y = y;
    operation.width = width;
    operation.height = height;
    operations_.push_back(operation);
    return true;
}

bool RecordingPrintDevice::newPage()
{
    PrintOperation operation;
    operation.kind = PrintOperation::Kind::NewPage;
    operations_.push_back(operation);
    return true;
}

std::vector<PrintOperation> RecordingPrintDevice::operationsOf(PrintOperation::Kind kind) const
{
    std::vector<PrintOperation> found;
    for (const PrintOperation &operation : operations_) {
        if (operation.kind == kind)
            found.push_back(operation);
    }
    return found;
}

std::string RecordingPrintDevice::transcript() const
{
    std::string text = cformat("page %dx%d, printable %dx%d at %d,%d, %d dpi, "
                               "lines %d apart, characters %d wide\n",
        setup_.pageWidth, setup_.pageHeight, setup_.printableWidth, setup_.printableHeight,
        setup_.offsetLeft, setup_.offsetTop, setup_.dotsPerInch, setup_.lineHeight,
        setup_.averageCharWidth);
    for (const PrintOperation &operation : operations_) {
        const std::string place = cformat("%-12s y %-6d  x %-6d",
            lineOf(operation.y, setup_.lineHeight).c_str(), operation.y, operation.x);
        const std::string size = cformat("%dx%d", operation.width, operation.height);
        switch (operation.kind) {
        case PrintOperation::Kind::Font:
            text += "font     " + fontName(operation.font);
            break;
        case PrintOperation::Kind::Text:
            text += cformat("text     %s  %-6s  %-10s  ", place.c_str(), alignName(operation.align),
                fontName(operation.font).c_str());
            text += quoted(operation.text);
            break;
        case PrintOperation::Kind::WrappedText:
            text += cformat("wrapped  %s  %-9s  %-10s  ", place.c_str(), size.c_str(),
                fontName(operation.font).c_str());
            text += quoted(operation.text);
            break;
        case PrintOperation::Kind::Rect:
            text += cformat("rect     %s  %s", place.c_str(), size.c_str());
            break;
        case PrintOperation::Kind::Image:
            text += cformat("image    %s  %s", place.c_str(), size.c_str());
            break;
        case PrintOperation::Kind::Shade:
            text += cformat("shade    %s  %-9s  grey %d", place.c_str(), size.c_str(),
                operation.level);
            break;
        case PrintOperation::Kind::TextColour:
            text += operation.level != 0 ? "colour   white" : "colour   black";
            break;
        case PrintOperation::Kind::NewPage:
            text += "new page";
            break;
        }
        text += '\n';
    }
    return text;
}

std::vector<std::string> RecordingPrintDevice::texts() const
{
    std::vector<std::string> found;
    for (const PrintOperation &operation : operations_) {
        if (operation.kind == PrintOperation::Kind::Text
            || operation.kind == PrintOperation::Kind::WrappedText)
            found.push_back(operation.text);
    }
    return found;
}

} // namespace ovix
