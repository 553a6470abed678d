#include "print/widgets/qt_print_device.h"

#include "platform/cp1252.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace ovix {

namespace {

constexpr double kUnitsPerPoint = kHundredthsOfMillimetrePerInch / 72.0;

QFont fontOfPoints(QFont font, double points)
{
    font.setPixelSize(static_cast<int>(std::lround(points * kUnitsPerPoint)));
    return font;
}

QFont printerDefaultFont()
{
    QFont font = QGuiApplication::font();
    double points = font.pointSizeF() > 0 ? font.pointSizeF() : 10.0;
    return fontOfPoints(font, points);
}

QImage decodeImage(std::string_view fileBytes)
{
    auto size = static_cast<qsizetype>(fileBytes.size());
    return QImage::fromData(QByteArray(fileBytes.data(), size));
}

} // namespace

QtPrintDevice::QtPrintDevice(QPainter &painter, QPrinter *printer)
    : painter_(painter)
    , printer_(printer)
    , font_(printerDefaultFont())
{
    QPaintDevice *device = painter.device();
    if (printer) {
        dotsPerInch_ = printer->resolution();
        QRectF paper = printer->paperRect(QPrinter::DevicePixel);
        QRectF page = printer->pageRect(QPrinter::DevicePixel);
        pageWidth_ = fromPixels(paper.width());
        pageHeight_ = fromPixels(paper.height());
        printableWidth_ = fromPixels(page.width());
        printableHeight_ = fromPixels(page.height());
        offsetLeft_ = fromPixels(page.left() - paper.left());
        offsetTop_ = fromPixels(page.top() - paper.top());
    } else if (device) {
        dotsPerInch_ = device->logicalDpiX();
        pageWidth_ = printableWidth_ = fromPixels(device->width());
        pageHeight_ = printableHeight_ = fromPixels(device->height());
    }
    painter_.save();
    if (dotsPerInch_ > 0) {
        double scale = static_cast<double>(dotsPerInch_) / kHundredthsOfMillimetrePerInch;
        painter_.scale(scale, scale);
    }
    painter_.setPen(Qt::black);
    painter_.setFont(font_);
}

QtPrintDevice::~QtPrintDevice()
{
    painter_.restore();
}

int QtPrintDevice::fromPixels(double pixels) const
{
    if (dotsPerInch_ <= 0)
        return 0;
    return static_cast<int>(std::lround(pixels * kHundredthsOfMillimetrePerInch / dotsPerInch_));
}

bool QtPrintDevice::selectFont(const PrintFont &font)
{
    QFont chosen;
    switch (font.kind) {
    case PrintFont::Kind::PrinterDefault:
        chosen = printerDefaultFont();
        break;
    case PrintFont::Kind::Arial10:
        chosen = fontOfPoints(QFont(QStringLiteral("Arial")), 10.0);
        break;
    case PrintFont::Kind::ArialHeight:
        if (font.height <= 0)
            return false;
        chosen = QFont(QStringLiteral("Arial"));
        chosen.setPixelSize(font.height);
        break;
    case PrintFont::Kind::Face:
        if (font.height <= 0 || font.face.empty())
            return false;
        chosen = QFont(toQString(font.face));
        chosen.setPixelSize(font.height);
        break;
    }
    chosen.setBold(font.bold);
    font_ = chosen;
    painter_.setFont(font_);
    return true;
}

int QtPrintDevice::lineHeight() const
{
    QFontMetricsF metrics(font_);
    return static_cast<int>(std::lround(metrics.height() + metrics.leading()));
}

int QtPrintDevice::averageCharWidth() const
{
    return static_cast<int>(std::lround(QFontMetricsF(font_).averageCharWidth()));
}

int QtPrintDevice::textWidth(std::string_view text) const
{
    return static_cast<int>(std::lround(QFontMetricsF(font_).horizontalAdvance(toQString(text))));
}

void QtPrintDevice::drawText(int x, int y, std::string_view text, TextAlign align)
{
    QString line = toQString(text);
    QFontMetricsF metrics(font_);
    double left = x;
    if (align == TextAlign::Centre)
        left = x - metrics.horizontalAdvance(line) / 2;
    else if (align == TextAlign::Right)
        left = x - metrics.horizontalAdvance(line);
    painter_.drawText(QPointF(left, y + metrics.ascent()), line);
}

int QtPrintDevice::drawWrappedText(int left, int top, int width, int height, std::string_view text)
{
    QString words = toQString(text);
    int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
    QRectF box(left, top, width, height);
    painter_.save();
    painter_.setClipRect(box);
    painter_.drawText(box, flags, words);
    painter_.restore();
    QRectF needed = QFontMetricsF(font_).boundingRect(QRectF(left, top, width, 1e7), flags, words);
    return static_cast<int>(std::lround(needed.height()));
}

void QtPrintDevice::fillRect(int x, int y, int width, int height)
{
    painter_.fillRect(QRectF(x, y, width, height), Qt::black);
}

void QtPrintDevice::fillShade(int x, int y, int width, int height, int level)
{
    const int grey = std::clamp(level, 0, 255);
    painter_.fillRect(QRectF(x, y, width, height), QColor(grey, grey, grey));
}

void QtPrintDevice::setWhiteText(bool white)
{
    painter_.setPen(white ? Qt::white : Qt::black);
}

std::optional<PrintImageSize> QtPrintDevice::imageSize(std::string_view fileBytes) const
{
    QImage image = decodeImage(fileBytes);
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        return std::nullopt;
    return PrintImageSize { image.width(), image.height() };
}

bool QtPrintDevice::drawImage(std::string_view fileBytes, int x, int y, int width, int height)
{
    QImage image = decodeImage(fileBytes);
    if (image.isNull())
        return false;
    painter_.drawImage(QRectF(x, y, width, height), image);
    return true;
}

bool QtPrintDevice::newPage()
{
    return printer_ && printer_->newPage();
}

} // namespace ovix
