#include "artwork_painting.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>

#include <algorithm>

namespace artwork {

QImage blankImage(int width, int height, const QColor &fill)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

void prepare(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

QFont boldFont(double pixelSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(std::max(1, qRound(pixelSize)));
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QRectF drawTile(QPainter &painter, const QRectF &area, const QColor &colour, bool pressed,
    double radius, int pressedDarkness)
{
    painter.save();
    const QRectF tile = area.adjusted(1, 1, -1, -1);
    if (!pressed) {
        // A darker lip under the tile makes it stand up from the screen.
        QPainterPath lip;
        lip.addRoundedRect(tile, radius, radius);
        painter.fillPath(lip, colour.darker(150));
        QPainterPath face;
        face.addRoundedRect(tile.adjusted(0, 0, 0, -2), radius, radius);
        painter.fillPath(face, colour);
        painter.restore();
        return tile.adjusted(0, 0, 0, -2);
    }
    QPainterPath face;
    face.addRoundedRect(tile, radius, radius);
    painter.fillPath(face, colour.darker(pressedDarkness));
    painter.setClipPath(face);
    // Inset shadow along the top and the left edge.
    QLinearGradient top(0, tile.top(), 0, tile.top() + 6);
    top.setColorAt(0, QColor(0, 0, 0, 110));
    top.setColorAt(1, QColor(0, 0, 0, 0));
    painter.fillRect(tile, top);
    QLinearGradient left(tile.left(), 0, tile.left() + 4, 0);
    left.setColorAt(0, QColor(0, 0, 0, 70));
    left.setColorAt(1, QColor(0, 0, 0, 0));
    painter.fillRect(tile, left);
    painter.restore();
    return tile.adjusted(0, 2, 0, 0);
}

void drawLabel(QPainter &painter, const QRectF &area, const QString &text, double largest,
    const QColor &colour)
{
    if (text.isEmpty())
        return;
    double size = largest;
    QFont font = boldFont(size);
    while (size > 6 && QFontMetricsF(font).horizontalAdvance(text) > area.width()) {
        size -= 0.5;
        font = boldFont(size);
    }
    painter.save();
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(area, Qt::AlignCenter, text);
    painter.restore();
}

void drawPictogram(QPainter &painter, const QRectF &area, const Pictogram &pictogram)
{
    if (!pictogram)
        return;
    const double side = std::min(area.width(), area.height());
    painter.save();
    painter.translate(area.center());
    painter.scale(side / 24.0, side / 24.0);
    painter.translate(-12, -12);
    pictogram(painter);
    painter.restore();
}

QPen stroke(double width, const QColor &colour)
{
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void strokeOnly(QPainter &painter, double width, const QColor &colour)
{
    painter.setPen(stroke(width, colour));
    painter.setBrush(Qt::NoBrush);
}

void fillOnly(QPainter &painter, const QColor &colour)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
}

QImage drawButton(int width, int height, const QColor &colour, bool pressed,
    const Pictogram &pictogram, const QString &label, int pressedDarkness)
{
    QImage image = blankImage(width, height);
    QPainter painter(&image);
    prepare(painter);
    const double radius = std::min(width, height) >= 80 ? 10 : 6;
    const QRectF inner
        = drawTile(painter, QRectF(0, 0, width, height), colour, pressed, radius, pressedDarkness);
    if (label.isEmpty()) {
        const double margin = inner.height() * 0.18;
        drawPictogram(painter, inner.adjusted(margin, margin, -margin, -margin), pictogram);
        return image;
    }
    if (!pictogram) {
        drawLabel(painter, inner.adjusted(3, 0, -3, 0), label, inner.height() * 0.55);
        return image;
    }
    // The label takes the bottom part; the pictogram sits above it.
    const double labelHeight = std::max(10.0, inner.height() * 0.26);
    const QRectF labelArea(inner.left() + 2, inner.bottom() - labelHeight - inner.height() * 0.04,
        inner.width() - 4, labelHeight);
    const QRectF pictureArea(inner.left() + 2, inner.top() + inner.height() * 0.06,
        inner.width() - 4, labelArea.top() - inner.top() - inner.height() * 0.06);
    drawPictogram(painter, pictureArea, pictogram);
    drawLabel(painter, labelArea, label, labelHeight * 0.9);
    return image;
}

} // namespace artwork
