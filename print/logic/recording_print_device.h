#pragma once
// A PrintDevice that keeps every drawing call instead of printing, for
// checking documents line by line or whole, as a transcript.

#include "print/logic/print_device.h"

#include <vector>

namespace ovix {

// One drawing call as a RecordingPrintDevice kept it.
struct PrintOperation {
    enum class Kind { Font, Text, WrappedText, Rect, Image, NewPage, Shade, TextColour };
    Kind kind = Kind::Text;
    int x = 0;
    int y = 0;
    int width = 0; // WrappedText, Rect and Image
    int height = 0; // WrappedText, Rect and Image
    int level = 0; // Shade: grey 0-255; TextColour: 255 white, 0 black
    std::string text;
    TextAlign align = TextAlign::Left;
    PrintFont font;
};

// Page geometry and font metrics a RecordingPrintDevice pretends to have.
// The defaults are an 80 mm receipt roll at 203 dots per inch.
struct RecordingPageSetup {
    int pageWidth = 8000;
    int pageHeight = 29700;
    int offsetLeft = 200;
    int offsetTop = 0;
    int printableWidth = 7200;
    int printableHeight = 29700;
    int dotsPerInch = 203;
    int lineHeight = 400; // every font
    int averageCharWidth = 150; // every character of every font
};

// Keeps every drawing call instead of printing, so that documents can be
// checked line by line. Texts are as wide as their length times the average
// character width; images are read as BMP headers only.
class RecordingPrintDevice : public PrintDevice {
public:
    explicit RecordingPrintDevice(const RecordingPageSetup &setup = {});

    int pageWidth() const override
    {
        return setup_.pageWidth;
    }
    int pageHeight() const override
    {
        return setup_.pageHeight;
    }
    int printableWidth() const override
    {
        return setup_.printableWidth;
    }
    int printableHeight() const override
    {
        return setup_.printableHeight;
    }
    int offsetLeft() const override
    {
        return setup_.offsetLeft;
    }
    int offsetTop() const override
    {
        return setup_.offsetTop;
    }
    int dotsPerInch() const override
    {
        return setup_.dotsPerInch;
    }

    bool selectFont(const PrintFont &font) override;
    int lineHeight() const override
    {
        return setup_.lineHeight;
    }
    int averageCharWidth() const override
    {
        return setup_.averageCharWidth;
    }
    int textWidth(std::string_view text) const override;

    void drawText(int x, int y, std::string_view text, TextAlign align) override;
    int drawWrappedText(int left, int top, int width, int height, std::string_view text) override;
    void fillRect(int x, int y, int width, int height) override;
    void fillShade(int x, int y, int width, int height, int level) override;
    void setWhiteText(bool white) override;
    std::optional<PrintImageSize> imageSize(std::string_view fileBytes) const override;
    bool drawImage(std::string_view fileBytes, int x, int y, int width, int height) override;
    bool newPage() override;

    // A font the device should refuse, as a printer without it would.
    void refuseFont(const PrintFont &font)
    {
        refused_.push_back(font);
    }

    const std::vector<PrintOperation> &operations() const
    {
        return operations_;
    }
    // Only the operations of one kind, in drawing order.
    std::vector<PrintOperation> operationsOf(PrintOperation::Kind kind) const;
    // The texts of Text and WrappedText operations, in drawing order.
    std::vector<std::string> texts() const;
    // Wrapped lines of `text` for `width` by this device's metrics.
    std::vector<std::string> wrapLines(std::string_view text, int width) const;

    // The document drawn so far as readable text: a first line with the page
    // geometry, then one line per drawing operation in drawing order, e.g.
    //   text     line 7       y 2800    x 3600    centre  printer     "Receipt: 7"
    //   rect     line 22      y 8800    x 2300    40x1000
    //   shade    line 12+50   y 5000    x 210     19470x800  grey 192
    //   colour   white
    // Positions and sizes in 0.01 mm; "line" is y in text lines ("line 0+125"
    // when y falls between lines). Texts are shown in UTF-8 between quotes,
    // with '"' and '\' escaped and control bytes as \xNN, so blanks at either
    // end stay visible. The same drawing always gives the same bytes.
    std::string transcript() const;

private:
    RecordingPageSetup setup_;
    PrintFont font_;
    std::vector<PrintFont> refused_;
    std::vector<PrintOperation> operations_;
};

} // namespace ovix
