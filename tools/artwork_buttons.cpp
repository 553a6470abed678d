// The white pictograms of the sale buttons, on the 24 x 24 grid.

#include "artwork_painting.h"

#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <map>

namespace artwork {

namespace {

void plus(QPainter &p)
{
    fillOnly(p);
    p.drawRoundedRect(QRectF(9.5, 3, 5, 18), 1.5, 1.5);
    p.drawRoundedRect(QRectF(3, 9.5, 18, 5), 1.5, 1.5);
}

void banknote(QPainter &p)
{
    strokeOnly(p, 2);
    p.drawRoundedRect(QRectF(1.5, 6, 21, 12), 1.5, 1.5);
    fillOnly(p);
    p.drawEllipse(QPointF(12, 12), 3.4, 3.4);
    p.drawEllipse(QPointF(5.5, 12), 1.3, 1.3);
    p.drawEllipse(QPointF(18.5, 12), 1.3, 1.3);
}

void person(QPainter &p)
{
    fillOnly(p);
    p.drawEllipse(QPointF(9, 7), 4, 4);
    QPainterPath body;
    body.moveTo(1.5, 21);
    body.cubicTo(1.5, 14, 5, 12.5, 9, 12.5);
    body.cubicTo(13, 12.5, 16.5, 14, 16.5, 21);
    body.closeSubpath();
    p.drawPath(body);
    // A small account book beside the customer.
    p.drawRoundedRect(QRectF(15.5, 9, 7.5, 10), 1, 1);
    p.setPen(stroke(1.1, QColor(0, 0, 0, 120)));
    p.drawLine(QPointF(17.2, 12), QPointF(21.3, 12));
    p.drawLine(QPointF(17.2, 14.5), QPointF(21.3, 14.5));
}

void scales(QPainter &p)
{
    fillOnly(p);
    p.drawRoundedRect(QRectF(3, 3, 18, 3), 1.5, 1.5);
    p.drawRect(QRectF(10.8, 5, 2.4, 4));
    QPainterPath body;
    body.moveTo(4, 21);
    body.lineTo(6, 9);
    body.lineTo(18, 9);
    body.lineTo(20, 21);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(QColor(0, 0, 0, 0));
    p.setPen(stroke(1.6, QColor(0, 0, 0, 110)));
    p.drawArc(QRectF(8, 11.5, 8, 8), 20 * 16, 140 * 16);
    p.drawLine(QPointF(12, 15.5), QPointF(14.2, 12.8));
}

QPainterPath tagPath()
{
    QPainterPath tag;
    tag.moveTo(2, 8);
    tag.lineTo(7, 3);
    tag.lineTo(22, 3);
    tag.lineTo(22, 13);
    tag.lineTo(7, 13);
    tag.closeSubpath();
    QTransform turn;
    turn.translate(12, 12);
    turn.rotate(-30);
    turn.translate(-12, -8);
    return turn.map(tag);
}

void tagWithQuestion(QPainter &p)
{
    fillOnly(p);
    QPainterPath tag = tagPath();
    QPainterPath hole;
    QTransform turn;
    turn.translate(12, 12);
    turn.rotate(-30);
    turn.translate(-12, -8);
    hole.addEllipse(turn.map(QPointF(6.2, 8)), 1.3, 1.3);
    p.drawPath(tag.subtracted(hole));
    p.save();
    p.translate(turn.map(QPointF(14.5, 8)));
    p.rotate(-30);
    p.setFont(boldFont(9));
    p.setPen(QColor(0, 0, 0, 150));
    p.drawText(QRectF(-5, -5.5, 10, 11), Qt::AlignCenter, QStringLiteral("?"));
    p.restore();
}

void card(QPainter &p)
{
    fillOnly(p);
    QPainterPath body;
    body.addRoundedRect(QRectF(1.5, 5, 21, 14), 2, 2);
    QPainterPath stripe;
    stripe.addRect(QRectF(1, 8, 22, 2.6));
    QPainterPath chip;
    chip.addRoundedRect(QRectF(4, 12.5, 4.5, 3.5), 0.8, 0.8);
    p.drawPath(body.subtracted(stripe).subtracted(chip));
    p.setPen(stroke(1.4, Qt::white));
    p.drawLine(QPointF(12, 15.5), QPointF(19.5, 15.5));
}

void struckLine(QPainter &p)
{
    fillOnly(p);
    p.drawRoundedRect(QRectF(3, 4, 12, 2.6), 1.3, 1.3);
    p.drawRoundedRect(QRectF(17, 4, 4, 2.6), 1.3, 1.3);
    p.drawRoundedRect(QRectF(3, 17.4, 9, 2.6), 1.3, 1.3);
    p.drawRoundedRect(QRectF(14, 17.4, 7, 2.6), 1.3, 1.3);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawRoundedRect(QRectF(3, 10.7, 10, 2.6), 1.3, 1.3);
    p.drawRoundedRect(QRectF(15, 10.7, 6, 2.6), 1.3, 1.3);
    p.setPen(stroke(2.8));
    p.drawLine(QPointF(1, 12), QPointF(23, 12));
}

QPainterPath basketPath()
{
    QPainterPath basket;
    basket.moveTo(1.5, 10);
    basket.lineTo(22.5, 10);
    basket.lineTo(20, 21);
    basket.lineTo(4, 21);
    basket.closeSubpath();
    return basket;
}

void basketOutline(QPainter &p, double top)
{
    p.save();
    p.translate(0, top - 10);
    strokeOnly(p, 2);
    p.drawPath(basketPath());
    p.drawLine(QPointF(8, 13), QPointF(8.7, 18));
    p.drawLine(QPointF(12, 13), QPointF(12, 18));
    p.drawLine(QPointF(16, 13), QPointF(15.3, 18));
    p.restore();
}

void emptyBasket(QPainter &p)
{
    basketOutline(p, 10);
    strokeOnly(p, 2.4);
    p.drawLine(QPointF(8, 1.5), QPointF(16, 7.5));
    p.drawLine(QPointF(16, 1.5), QPointF(8, 7.5));
}

void drawer(QPainter &p)
{
    fillOnly(p);
    p.drawRoundedRect(QRectF(4, 2, 16, 9), 1.5, 1.5);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawRect(QRectF(6, 4, 12, 3.5));
    fillOnly(p);
    // The drawer, pulled out towards the clerk.
    p.drawRoundedRect(QRectF(1.5, 13, 21, 8.5), 1.5, 1.5);
    p.setBrush(QColor(0, 0, 0, 120));
    p.drawRoundedRect(QRectF(9, 16, 6, 2), 1, 1);
}

void crates(QPainter &p)
{
    fillOnly(p);
    const QRectF boxes[]
        = { QRectF(2, 13, 9.5, 9), QRectF(12.5, 13, 9.5, 9), QRectF(7.2, 3, 9.5, 9) };
    for (const QRectF &box : boxes) {
        p.setBrush(Qt::white);
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(box, 1, 1);
        p.setPen(stroke(1.2, QColor(0, 0, 0, 110)));
        p.drawLine(
            QPointF(box.center().x(), box.top() + 0.5), QPointF(box.center().x(), box.top() + 3.5));
    }
}

void circularArrow(QPainter &p, bool back)
{
    if (back) {
        p.translate(24, 0);
        p.scale(-1, 1);
    }
    strokeOnly(p, 2.6);
    p.drawArc(QRectF(4, 4, 16, 16), 100 * 16, 290 * 16);
    fillOnly(p);
    QPolygonF head;
    head << QPointF(10.5, 0.5) << QPointF(16, 4.2) << QPointF(10.5, 8.4);
    p.drawPolygon(head);
}

void noteSheet(QPainter &p)
{
    fillOnly(p);
    QPainterPath sheet;
    sheet.moveTo(4, 2);
    sheet.lineTo(15, 2);
    sheet.lineTo(20, 7);
    sheet.lineTo(20, 22);
    sheet.lineTo(4, 22);
    sheet.closeSubpath();
    p.drawPath(sheet);
    p.setBrush(QColor(0, 0, 0, 90));
    QPolygonF fold;
    fold << QPointF(15, 2) << QPointF(15, 7) << QPointF(20, 7);
    p.drawPolygon(fold);
    p.setPen(stroke(1.4, QColor(0, 0, 0, 120)));
    for (double y : { 11.0, 14.5, 18.0 })
        p.drawLine(QPointF(7, y), QPointF(y < 17 ? 17 : 13, y));
}

void refundArrow(QPainter &p)
{
    strokeOnly(p, 2.6);
    QPainterPath curve;
    curve.moveTo(6, 9);
    curve.lineTo(15, 9);
    curve.cubicTo(19.5, 9, 21.5, 12, 21.5, 15);
    curve.cubicTo(21.5, 18, 19.5, 21, 15, 21);
    curve.lineTo(9, 21);
    p.drawPath(curve);
    fillOnly(p);
    QPolygonF head;
    head << QPointF(1.5, 9) << QPointF(8, 3.5) << QPointF(8, 14.5);
    p.drawPolygon(head);
}

void percentBadge(QPainter &p)
{
    fillOnly(p);
    QPolygonF star;
    for (int i = 0; i < 24; ++i) {
        const double radius = i % 2 == 0 ? 11.5 : 9.5;
        const double angle = i * 3.14159265358979 / 12;
        star << QPointF(12 + radius * std::cos(angle), 12 + radius * std::sin(angle));
    }
    p.drawPolygon(star);
    p.setPen(stroke(2, kPricing));
    p.drawLine(QPointF(8, 16.5), QPointF(16, 7.5));
    p.setPen(Qt::NoPen);
    p.setBrush(kPricing);
    p.drawEllipse(QPointF(8.3, 8.3), 2, 2);
    p.drawEllipse(QPointF(15.7, 15.7), 2, 2);
}

void arrowHead(QPainter &p, double x, double tipY, double baseY, double halfWidth)
{
    QPolygonF head;
    head << QPointF(x, tipY) << QPointF(x - halfWidth, baseY) << QPointF(x + halfWidth, baseY);
    p.drawPolygon(head);
}

void basketWithArrow(QPainter &p, bool down)
{
    basketOutline(p, 12);
    fillOnly(p);
    if (down) {
        p.drawRect(QRectF(10.5, 0.5, 3, 6));
        arrowHead(p, 12, 12, 5.5, 5);
    } else {
        p.drawRect(QRectF(10.5, 5, 3, 7));
        arrowHead(p, 12, -0.5, 6, 5);
    }
}

void chevrons(QPainter &p, double angle, int count)
{
    p.translate(12, 12);
    p.rotate(angle);
    p.translate(-12, -12);
    strokeOnly(p, 3.2);
    const double step = 7;
    const double first = 12 - (count - 1) * step / 2;
    for (int i = 0; i < count; ++i) {
        const double y = first + i * step;
        // Pointing up before the turn.
        p.drawPolyline(
            QPolygonF() << QPointF(4, y + 3.5) << QPointF(12, y - 4) << QPointF(20, y + 3.5));
    }
}

} // namespace

Pictogram buttonPictogram(const QString &name)
{
    static const std::map<QString, Pictogram> pictograms = {
        { QStringLiteral("add"), plus },
        { QStringLiteral("cash"), banknote },
        { QStringLiteral("account"), person },
        { QStringLiteral("weight"), scales },
        { QStringLiteral("noninventory"), tagWithQuestion },
        { QStringLiteral("card"), card },
        { QStringLiteral("void"), struckLine },
        { QStringLiteral("empty"), emptyBasket },
        { QStringLiteral("drawer"), drawer },
        { QStringLiteral("trade"), crates },
        { QStringLiteral("repeat"), [](QPainter &p) { circularArrow(p, false); } },
        { QStringLiteral("note"), noteSheet },
        { QStringLiteral("refund"), refundArrow },
        { QStringLiteral("price"), percentBadge },
        { QStringLiteral("save"), [](QPainter &p) { basketWithArrow(p, true); } },
        { QStringLiteral("retrieve"), [](QPainter &p) { basketWithArrow(p, false); } },
        { QStringLiteral("scroll_back"), [](QPainter &p) { chevrons(p, 0, 2); } },
        { QStringLiteral("scroll_forward"), [](QPainter &p) { chevrons(p, 180, 2); } },
        { QStringLiteral("category_prev"), [](QPainter &p) { chevrons(p, -90, 1); } },
        { QStringLiteral("category_next"), [](QPainter &p) { chevrons(p, 90, 1); } },
    };
    const auto found = pictograms.find(name);
    return found == pictograms.end() ? Pictogram() : found->second;
}

} // namespace artwork
