#pragma once
// A PrintDevice that passes every drawing call on to another device and keeps
// how far down the page the drawing reached: the length of paper a receipt
// needs before the paper is cut.
//
// Usage: wrap the device the document would be drawn on (or one with the same
// page width and fonts), draw the document through the wrapper, then read
// bottom(). A text reaches one line height below its top in the font it was
// drawn in; a wrapped text the height it needs, at most its box; a rectangle
// or picture its lower edge. A text of blanks counts: a receipt ends with one
// to feed the paper past its last line. Nothing is drawn by the wrapper itself
// and every answer (metrics, failures) is the other device's.

#include "print/logic/print_device.h"

namespace ovix {

class MeasuringPrintDevice : public PrintDevice {
public:
    // `device` must outlive the wrapper.
    explicit MeasuringPrintDevice(PrintDevice &device);

    // The lowest y, in 0.01 mm from the top of the printable area, that the
    // drawing reached on any of its pages; 0 when nothing was drawn.
    int bottom() const
    {
        return bottom_;
    }

    int pageWidth() const override
    {
        return device_.pageWidth();
    }
    int pageHeight() const override
    {
        return device_.pageHeight();
    }
    int printableWidth() const override
    {
        return device_.printableWidth();
    }
    int printableHeight() const override
    {
        return device_.printableHeight();
    }
    int offsetLeft() const override
    {
        return device_.offsetLeft();
    }
    int offsetTop() const override
    {
        return device_.offsetTop();
    }
    int dotsPerInch() const override
    {
        return device_.dotsPerInch();
    }

    bool selectFont(const PrintFont &font) override
    {
        return device_.selectFont(font);
    }
    int lineHeight() const override
    {
        return device_.lineHeight();
    }
    int averageCharWidth() const override
    {
        return device_.averageCharWidth();
    }
    int textWidth(std::string_view text) const override
    {
        return device_.textWidth(text);
    }

    void drawText(int x, int y, std::string_view text, TextAlign align) override;
    int drawWrappedText(int left, int top, int width, int height, std::string_view text) override;
    void fillRect(int x, int y, int width, int height) override;
    void fillShade(int x, int y, int width, int height, int level) override;
    void setWhiteText(bool white) override
    {
        device_.setWhiteText(white);
    }
    std::optional<PrintImageSize> imageSize(std::string_view fileBytes) const override
    {
        return device_.imageSize(fileBytes);
    }
    bool drawImage(std::string_view fileBytes, int x, int y, int width, int height) override;
    bool newPage() override
    {
        return device_.newPage();
    }

private:
    void reach(long long y);

    PrintDevice &device_;
    int bottom_ = 0;
};

} // namespace ovix
