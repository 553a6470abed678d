#include "sync/widgets/sync_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace ovix {

namespace {

constexpr int kButtonSize = 80;

void drawUpload(QPainter &painter)
{
    painter.setBrush(QColor(40, 110, 190));
    painter.drawPolygon(QPolygonF({ QPointF(40, 14), QPointF(62, 38), QPointF(48, 38),
        QPointF(48, 56), QPointF(32, 56), QPointF(32, 38), QPointF(18, 38) }));
    painter.setBrush(QColor(90, 90, 90));
    painter.drawRect(16, 62, 48, 6);
}

void drawFieldSelection(QPainter &painter)
{
    for (int row = 0; row < 4; ++row) {
        const int y = 16 + row * 13;
        painter.setBrush(Qt::white);
        painter.drawRect(16, y, 10, 10);
        if (row != 2) {
            painter.setPen(QPen(QColor(30, 140, 60), 2.5));
            painter.drawPolyline(
                QPolygonF({ QPointF(17, y + 5), QPointF(20, y + 9), QPointF(26, y - 1) }));
            painter.setPen(QPen(Qt::black, 1));
        }
        painter.setBrush(QColor(90, 90, 90));
        painter.drawRect(32, y + 3, 32, 4);
    }
}

void drawTagNames(QPainter &painter)
{
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPixelSize(26);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(150, 60, 20));
    painter.drawText(QRect(0, 8, kButtonSize, 40), Qt::AlignCenter, QStringLiteral("<a>"));
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(90, 90, 90));
    painter.drawRect(16, 52, 48, 4);
    painter.drawRect(16, 60, 30, 4);
}

void drawConfiguration(QPainter &painter)
{
    painter.setBrush(QColor(120, 120, 130));
    painter.translate(40, 40);
    for (int tooth = 0; tooth < 8; ++tooth) {
        painter.drawRect(-5, -26, 10, 10);
        painter.rotate(45);
    }
    painter.drawEllipse(QPointF(0, 0), 18, 18);
    painter.setBrush(QColor(230, 230, 230));
    painter.drawEllipse(QPointF(0, 0), 7, 7);
    painter.resetTransform();
}

} // namespace

QPixmap buttonPicture(ButtonPicture which, bool pressed)
{
    QPixmap pixmap(kButtonSize, kButtonSize);
    pixmap.fill(QColor(212, 208, 200));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor light(255, 255, 255);
    const QColor dark(100, 100, 100);
    painter.setPen(QPen(pressed ? dark : light, 2));
    painter.drawLine(1, 1, kButtonSize - 2, 1);
    painter.drawLine(1, 1, 1, kButtonSize - 2);
    painter.setPen(QPen(pressed ? light : dark, 2));
    painter.drawLine(1, kButtonSize - 2, kButtonSize - 2, kButtonSize - 2);
    painter.drawLine(kButtonSize - 2, 1, kButtonSize - 2, kButtonSize - 2);
    if (pressed)
        painter.translate(2, 2);
    painter.setPen(QPen(Qt::black, 1));
    switch (which) {
    case ButtonPicture::Upload:
        drawUpload(painter);
        break;
    case ButtonPicture::FieldSelection:
        drawFieldSelection(painter);
        break;
    case ButtonPicture::TagNames:
        drawTagNames(painter);
        break;
    case ButtonPicture::Configuration:
        drawConfiguration(painter);
        break;
    }
    return pixmap;
}

QPixmap paneMark()
{
    QPixmap pixmap(48, 24);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 110, 190, 160));
    painter.drawRoundedRect(QRectF(0, 0, 48, 24), 5, 5);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, 48, 24), Qt::AlignCenter, QStringLiteral("OVIX"));
    return pixmap;
}

QIcon syncWindowIcon()
{
    QIcon icon;
    icon.addPixmap(buttonPicture(ButtonPicture::Upload, false));
    return icon;
}

} // namespace ovix
