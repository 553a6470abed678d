#pragma once
// The PrintDevice of a QPainter: a printer page, a PDF file, or an image
// (an image at 2540 dots per inch has one pixel per 0.01 mm).

#include "print/logic/print_device.h"

#include <QFont>

class QPainter;
class QPrinter;

namespace ovix {

class QtPrintDevice : public PrintDevice {
public:
    // Draws through `painter`, which must be active and outlive this object.
    // With a printer the page geometry and offsets are the printer's;
    // otherwise the painter's device is the whole, fully printable page. The
    // painter's state is restored on destruction.
    explicit QtPrintDevice(QPainter &painter, QPrinter *printer = nullptr);
    ~QtPrintDevice() override;
    QtPrintDevice(const QtPrintDevice &) = delete;
    QtPrintDevice &operator=(const QtPrintDevice &) = delete;

    int pageWidth() const override
    {
        return pageWidth_;
    }
    int pageHeight() const override
    {
        return pageHeight_;
    }
    int printableWidth() const override
    {
        return printableWidth_;
    }
    int printableHeight() const override
    {
        return printableHeight_;
    }
    int offsetLeft() const override
    {
        return offsetLeft_;
    }
    int offsetTop() const override
    {
        return offsetTop_;
    }
    int dotsPerInch() const override
    {
        return dotsPerInch_;
    }

    bool selectFont(const PrintFont &font) override;
    int lineHeight() const override;
    int averageCharWidth() const override;
    int textWidth(std::string_view text) const override;

    void drawText(int x, int y, std::string_view text, TextAlign align) override;
    int drawWrappedText(int left, int top, int width, int height, std::string_view text) override;
    void fillRect(int x, int y, int width, int height) override;
    void fillShade(int x, int y, int width, int height, int level) override;
    void setWhiteText(bool white) override;
    std::optional<PrintImageSize> imageSize(std::string_view fileBytes) const override;
    bool drawImage(std::string_view fileBytes, int x, int y, int width, int height) override;
    bool newPage() override;

private:
    int fromPixels(double pixels) const;

    QPainter &painter_;
    QPrinter *printer_;
    QFont font_;
    int dotsPerInch_ = 0;
    int pageWidth_ = 0;
    int pageHeight_ = 0;
    int printableWidth_ = 0;
    int printableHeight_ = 0;
    int offsetLeft_ = 0;
    int offsetTop_ = 0;
};

} // namespace ovix
