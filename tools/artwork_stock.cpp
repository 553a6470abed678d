// The 24 built-in stock pictures: everyday shop goods, 96 x 96, bold flat
// shapes with dark outlines so that they still read at 48 x 48.

#include "artwork_painting.h"

#include <QPainterPath>
#include <QPolygonF>

#include <array>
#include <cmath>

namespace artwork {

namespace {

constexpr double kOutline = 3.5;

void outlined(QPainter &p, const QColor &fill)
{
    QPen pen(kInk, kOutline);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(fill);
}

void line(QPainter &p, double width, const QColor &colour = kInk)
{
    p.setPen(stroke(width, colour));
    p.setBrush(Qt::NoBrush);
}

QPainterPath polygonPath(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

void box(QPainter &p)
{
    const QColor card(0xd7, 0xa8, 0x6e);
    outlined(p, card.lighter(115));
    p.drawPath(polygonPath({ { 14, 30 }, { 48, 18 }, { 82, 30 }, { 48, 42 } }));
    outlined(p, card);
    p.drawPath(polygonPath({ { 14, 30 }, { 48, 42 }, { 48, 84 }, { 14, 70 } }));
    outlined(p, card.darker(115));
    p.drawPath(polygonPath({ { 48, 42 }, { 82, 30 }, { 82, 70 }, { 48, 84 } }));
    line(p, 6, QColor(0xf5, 0xe6, 0xc8));
    p.drawLine(QPointF(31, 24), QPointF(65, 36));
    line(p, 3, kInk);
    p.drawLine(QPointF(58, 62), QPointF(72, 57));
}

void bottle(QPainter &p)
{
    QPainterPath glass;
    glass.moveTo(41, 8);
    glass.lineTo(55, 8);
    glass.lineTo(55, 26);
    glass.cubicTo(55, 32, 68, 34, 68, 46);
    glass.lineTo(68, 84);
    glass.quadTo(68, 89, 63, 89);
    glass.lineTo(33, 89);
    glass.quadTo(28, 89, 28, 84);
    glass.lineTo(28, 46);
    glass.cubicTo(28, 34, 41, 32, 41, 26);
    glass.closeSubpath();
    outlined(p, QColor(0x43, 0xa0, 0x47));
    p.drawPath(glass);
    outlined(p, QColor(0xff, 0xf8, 0xe1));
    p.drawRect(QRectF(28, 52, 40, 22));
    outlined(p, QColor(0xc6, 0x28, 0x28));
    p.drawRoundedRect(QRectF(39, 5, 18, 8), 2, 2);
    line(p, 4, QColor(255, 255, 255, 150));
    p.drawLine(QPointF(35, 44), QPointF(35, 48));
}

void can(QPainter &p)
{
    const QRectF body(26, 14, 44, 72);
    outlined(p, QColor(0xe5, 0x39, 0x35));
    QPainterPath shape;
    shape.moveTo(body.left(), 20);
    shape.lineTo(body.left(), 80);
    shape.arcTo(QRectF(body.left(), 74, body.width(), 12), 180, 180);
    shape.lineTo(body.right(), 20);
    shape.closeSubpath();
    p.drawPath(shape);
    outlined(p, QColor(0xcf, 0xd8, 0xdc));
    p.drawEllipse(QRectF(body.left(), 14, body.width(), 12));
    line(p, 3);
    p.drawEllipse(QRectF(44, 17, 10, 5));
    outlined(p, Qt::white);
    p.drawRoundedRect(QRectF(34, 42, 28, 20), 4, 4);
    line(p, 5, QColor(255, 255, 255, 120));
    p.drawLine(QPointF(33, 30), QPointF(33, 76));
}

void loaf(QPainter &p)
{
    QPainterPath bread;
    bread.moveTo(12, 80);
    bread.lineTo(12, 44);
    bread.cubicTo(12, 18, 84, 18, 84, 44);
    bread.lineTo(84, 80);
    bread.closeSubpath();
    outlined(p, QColor(0xd4, 0x8a, 0x3c));
    p.drawPath(bread);
    line(p, 4, QColor(0x8d, 0x4f, 0x1a));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(28 + i * 16, 44), QPointF(38 + i * 16, 32));
    line(p, 4, QColor(255, 255, 255, 90));
    p.drawLine(QPointF(18, 50), QPointF(18, 74));
}

void apple(QPainter &p)
{
    QPainterPath fruit;
    fruit.moveTo(48, 30);
    fruit.cubicTo(60, 20, 84, 24, 84, 50);
    fruit.cubicTo(84, 72, 68, 90, 56, 86);
    fruit.cubicTo(52, 85, 44, 85, 40, 86);
    fruit.cubicTo(28, 90, 12, 72, 12, 50);
    fruit.cubicTo(12, 24, 36, 20, 48, 30);
    outlined(p, QColor(0xd3, 0x2f, 0x2f));
    p.drawPath(fruit);
    line(p, 4, QColor(0x5d, 0x40, 0x37));
    p.drawLine(QPointF(48, 30), QPointF(52, 12));
    outlined(p, QColor(0x66, 0xbb, 0x6a));
    QPainterPath leaf;
    leaf.moveTo(52, 20);
    leaf.quadTo(62, 6, 76, 12);
    leaf.quadTo(66, 24, 52, 20);
    p.drawPath(leaf);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 120));
    p.drawEllipse(QRectF(24, 40, 10, 16));
}

void cheese(QPainter &p)
{
    const QColor yellow(0xfb, 0xc0, 0x2d);
    outlined(p, yellow.lighter(115));
    p.drawPath(polygonPath({ { 10, 46 }, { 70, 20 }, { 86, 40 }, { 26, 66 } }));
    QPainterPath side
        = polygonPath({ { 10, 46 }, { 26, 66 }, { 86, 40 }, { 86, 68 }, { 26, 86 }, { 10, 72 } });
    outlined(p, yellow);
    p.drawPath(side);
    line(p, kOutline);
    p.drawLine(QPointF(26, 66), QPointF(26, 86));
    p.setPen(Qt::NoPen);
    p.setBrush(yellow.darker(130));
    p.drawEllipse(QRectF(38, 66, 10, 8));
    p.drawEllipse(QRectF(62, 56, 12, 9));
    p.drawEllipse(QRectF(14, 58, 7, 8));
    p.drawEllipse(QRectF(52, 30, 10, 5));
}

void milkCarton(QPainter &p)
{
    outlined(p, QColor(0xe3, 0xf2, 0xfd));
    p.drawPath(polygonPath({ { 28, 30 }, { 40, 14 }, { 56, 14 }, { 44, 30 } }));
    outlined(p, Qt::white);
    p.drawPath(polygonPath({ { 28, 30 }, { 44, 30 }, { 44, 88 }, { 28, 88 } }));
    outlined(p, QColor(0xbb, 0xde, 0xfb));
    p.drawPath(polygonPath({ { 44, 30 }, { 56, 14 }, { 68, 30 }, { 68, 88 }, { 44, 88 } }));
    outlined(p, QColor(0x1e, 0x88, 0xe5));
    p.drawRect(QRectF(40, 8, 16, 6));
    outlined(p, QColor(0x1e, 0x88, 0xe5));
    p.drawRect(QRectF(28, 50, 40, 20));
    p.setPen(Qt::white);
    p.setFont(boldFont(13));
    p.drawText(QRectF(28, 50, 40, 20), Qt::AlignCenter, QStringLiteral("MILK"));
}

void coffeeCup(QPainter &p)
{
    line(p, 3.5, QColor(0x90, 0xa4, 0xae));
    for (double x : { 38.0, 52.0 }) {
        QPainterPath steam;
        steam.moveTo(x, 30);
        steam.cubicTo(x - 6, 24, x + 6, 18, x, 10);
        p.drawPath(steam);
    }
    outlined(p, Qt::white);
    p.drawEllipse(QRectF(62, 46, 22, 22));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(68, 52, 10, 10));
    QPainterPath cup;
    cup.moveTo(14, 36);
    cup.lineTo(76, 36);
    cup.lineTo(70, 76);
    cup.quadTo(68, 84, 60, 84);
    cup.lineTo(30, 84);
    cup.quadTo(22, 84, 20, 76);
    cup.closeSubpath();
    outlined(p, QColor(0x6d, 0x4c, 0x41));
    p.drawPath(cup);
    outlined(p, QColor(0xd7, 0xcc, 0xc8));
    p.drawRoundedRect(QRectF(8, 84, 76, 6), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawRect(QRectF(24, 44, 5, 28));
}

void sweets(QPainter &p)
{
    const auto sweet = [&](QPointF centre, double angle, const QColor &colour) {
        p.save();
        p.translate(centre);
        p.rotate(angle);
        outlined(p, colour.lighter(120));
        p.drawPath(polygonPath({ { -14, 0 }, { -28, -12 }, { -28, 12 } }));
        p.drawPath(polygonPath({ { 14, 0 }, { 28, -12 }, { 28, 12 } }));
        outlined(p, colour);
        p.drawEllipse(QRectF(-16, -13, 32, 26));
        line(p, 4, QColor(255, 255, 255, 170));
        p.drawArc(QRectF(-10, -8, 20, 16), 100 * 16, 70 * 16);
        p.restore();
    };
    sweet(QPointF(40, 34), -20, QColor(0xec, 0x40, 0x7a));
    sweet(QPointF(56, 66), 15, QColor(0x7e, 0x57, 0xc2));
}

void newspaper(QPainter &p)
{
    outlined(p, QColor(0xf5, 0xf5, 0xf5));
    p.drawRect(QRectF(14, 12, 68, 74));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawRect(QRectF(21, 19, 54, 10));
    p.setBrush(QColor(0x90, 0xa4, 0xae));
    p.drawRect(QRectF(21, 36, 24, 22));
    line(p, 3.5, QColor(0x78, 0x90, 0x9c));
    for (double y : { 38.0, 46.0, 54.0 })
        p.drawLine(QPointF(52, y), QPointF(74, y));
    for (double y : { 66.0, 74.0 })
        p.drawLine(QPointF(22, y), QPointF(74, y));
}

void book(QPainter &p)
{
    outlined(p, QColor(0xf5, 0xf5, 0xf5));
    p.drawRoundedRect(QRectF(22, 14, 58, 74), 3, 3);
    outlined(p, QColor(0x15, 0x65, 0xc0));
    p.drawRoundedRect(QRectF(16, 10, 58, 72), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x0d, 0x47, 0xa1));
    p.drawRect(QRectF(18, 12, 9, 68));
    outlined(p, QColor(0xff, 0xd5, 0x4f));
    p.drawRect(QRectF(36, 26, 30, 14));
    line(p, 3.5, QColor(255, 255, 255, 200));
    p.drawLine(QPointF(36, 52), QPointF(66, 52));
    p.drawLine(QPointF(36, 60), QPointF(58, 60));
}

void pen(QPainter &p)
{
    p.translate(48, 48);
    p.rotate(-45);
    outlined(p, QColor(0xff, 0xe0, 0xb2));
    p.drawPath(polygonPath({ { -36, -7 }, { -36, 7 }, { -48, 0 } }));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawPath(polygonPath({ { -42, -3.5 }, { -42, 3.5 }, { -48, 0 } }));
    outlined(p, QColor(0x19, 0x76, 0xd2));
    p.drawRoundedRect(QRectF(-36, -8, 64, 16), 3, 3);
    outlined(p, QColor(0x0d, 0x47, 0xa1));
    p.drawRoundedRect(QRectF(16, -9, 28, 18), 4, 4);
    outlined(p, QColor(0xb0, 0xbe, 0xc5));
    p.drawRoundedRect(QRectF(20, -14, 22, 6), 2, 2);
}

void battery(QPainter &p)
{
    outlined(p, QColor(0xb0, 0xbe, 0xc5));
    p.drawRoundedRect(QRectF(40, 8, 16, 10), 2, 2);
    outlined(p, QColor(0x21, 0x21, 0x21));
    p.drawRoundedRect(QRectF(28, 16, 40, 74), 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xa0, 0x00));
    p.drawRoundedRect(QRectF(30, 18, 36, 26), 3, 3);
    line(p, 5, Qt::white);
    p.drawLine(QPointF(40, 62), QPointF(56, 62));
    p.drawLine(QPointF(48, 54), QPointF(48, 70));
}

void lightBulb(QPainter &p)
{
    QPainterPath glass;
    glass.moveTo(36, 62);
    glass.cubicTo(36, 52, 20, 46, 20, 34);
    glass.cubicTo(20, 18, 33, 8, 48, 8);
    glass.cubicTo(63, 8, 76, 18, 76, 34);
    glass.cubicTo(76, 46, 60, 52, 60, 62);
    glass.closeSubpath();
    outlined(p, QColor(0xff, 0xee, 0x58));
    p.drawPath(glass);
    outlined(p, QColor(0x9e, 0x9e, 0x9e));
    p.drawRoundedRect(QRectF(35, 62, 26, 8), 2, 2);
    p.drawRoundedRect(QRectF(35, 70, 26, 8), 2, 2);
    outlined(p, QColor(0x61, 0x61, 0x61));
    p.drawRoundedRect(QRectF(41, 78, 14, 9), 4, 4);
    line(p, 3, QColor(0xf5, 0x7f, 0x17));
    p.drawPolyline(QPolygonF() << QPointF(42, 60) << QPointF(42, 40) << QPointF(46, 34)
                               << QPointF(50, 40) << QPointF(54, 34) << QPointF(54, 60));
    line(p, 4, QColor(255, 255, 255, 180));
    p.drawArc(QRectF(28, 16, 24, 24), 100 * 16, 80 * 16);
}

void hammer(QPainter &p)
{
    p.translate(50, 54);
    p.rotate(35);
    p.scale(0.9, 0.9);
    outlined(p, QColor(0xa1, 0x88, 0x7f));
    p.drawRoundedRect(QRectF(-6, -26, 12, 68), 5, 5);
    outlined(p, QColor(0x78, 0x90, 0x9c));
    QPainterPath head;
    head.moveTo(-30, -40);
    head.lineTo(18, -40);
    head.quadTo(26, -40, 30, -30);
    head.lineTo(18, -26);
    head.lineTo(-30, -26);
    head.closeSubpath();
    p.drawPath(head);
    p.drawRect(QRectF(-34, -42, 6, 18));
}

void paintTin(QPainter &p)
{
    line(p, 3.5);
    p.drawArc(QRectF(20, 8, 56, 40), 0, 180 * 16);
    outlined(p, QColor(0xb0, 0xbe, 0xc5));
    QPainterPath tin;
    tin.moveTo(18, 30);
    tin.lineTo(18, 82);
    tin.arcTo(QRectF(18, 76, 60, 12), 180, 180);
    tin.lineTo(78, 30);
    tin.closeSubpath();
    p.drawPath(tin);
    outlined(p, QColor(0x8e, 0x24, 0xaa));
    p.drawEllipse(QRectF(18, 24, 60, 12));
    QPainterPath drip;
    drip.moveTo(18, 30);
    drip.lineTo(18, 52);
    drip.quadTo(24, 58, 28, 50);
    drip.quadTo(34, 62, 40, 48);
    drip.lineTo(56, 48);
    drip.quadTo(62, 66, 68, 50);
    drip.quadTo(74, 54, 78, 48);
    drip.lineTo(78, 30);
    drip.arcTo(QRectF(18, 24, 60, 12), 0, -180);
    p.drawPath(drip);
}

void tShirt(QPainter &p)
{
    QPainterPath shirt;
    shirt.moveTo(34, 12);
    shirt.quadTo(48, 24, 62, 12);
    shirt.lineTo(88, 26);
    shirt.lineTo(78, 44);
    shirt.lineTo(68, 38);
    shirt.lineTo(68, 86);
    shirt.lineTo(28, 86);
    shirt.lineTo(28, 38);
    shirt.lineTo(18, 44);
    shirt.lineTo(8, 26);
    shirt.closeSubpath();
    outlined(p, QColor(0x26, 0xa6, 0x9a));
    p.drawPath(shirt);
    line(p, 5, QColor(255, 255, 255, 200));
    p.drawLine(QPointF(36, 56), QPointF(60, 56));
}

void shoe(QPainter &p)
{
    QPainterPath upper;
    upper.moveTo(12, 72);
    upper.lineTo(12, 26);
    upper.lineTo(36, 26);
    upper.quadTo(42, 44, 56, 48);
    upper.lineTo(76, 54);
    upper.quadTo(88, 58, 88, 72);
    upper.closeSubpath();
    outlined(p, QColor(0x8d, 0x6e, 0x63));
    p.drawPath(upper);
    outlined(p, QColor(0x42, 0x42, 0x42));
    p.drawRoundedRect(QRectF(10, 72, 80, 10), 4, 4);
    line(p, 3.5, Qt::white);
    p.drawLine(QPointF(38, 38), QPointF(46, 34));
    p.drawLine(QPointF(44, 46), QPointF(52, 42));
}

void flowerPot(QPainter &p)
{
    line(p, 4, QColor(0x38, 0x8e, 0x3c));
    p.drawLine(QPointF(48, 30), QPointF(48, 60));
    outlined(p, QColor(0x66, 0xbb, 0x6a));
    QPainterPath leaf;
    leaf.moveTo(48, 52);
    leaf.quadTo(34, 36, 24, 46);
    leaf.quadTo(34, 58, 48, 52);
    p.drawPath(leaf);
    outlined(p, QColor(0xec, 0x40, 0x7a));
    for (int i = 0; i < 5; ++i) {
        const double angle = i * 72 * 3.14159265358979 / 180;
        p.drawEllipse(QPointF(48 + 11 * std::cos(angle), 24 + 11 * std::sin(angle)), 7.5, 7.5);
    }
    outlined(p, QColor(0xff, 0xca, 0x28));
    p.drawEllipse(QPointF(48, 24), 6, 6);
    outlined(p, QColor(0xd8, 0x6b, 0x3a));
    p.drawPath(polygonPath({ { 26, 66 }, { 70, 66 }, { 64, 90 }, { 32, 90 } }));
    p.drawRoundedRect(QRectF(22, 58, 52, 10), 2, 2);
}

void toyBall(QPainter &p)
{
    const QRectF ball(12, 12, 72, 72);
    p.save();
    QPainterPath round;
    round.addEllipse(ball);
    p.setClipPath(round);
    p.fillRect(ball, QColor(0xff, 0xeb, 0x3b));
    QPainterPath red;
    red.moveTo(48, 48);
    red.arcTo(ball.adjusted(-20, -20, 20, 20), 90, 60);
    red.closeSubpath();
    red.moveTo(48, 48);
    red.arcTo(ball.adjusted(-20, -20, 20, 20), 270, 60);
    red.closeSubpath();
    p.fillPath(red, QColor(0xe5, 0x39, 0x35));
    QPainterPath blue;
    blue.moveTo(48, 48);
    blue.arcTo(ball.adjusted(-20, -20, 20, 20), 210, 60);
    blue.closeSubpath();
    blue.moveTo(48, 48);
    blue.arcTo(ball.adjusted(-20, -20, 20, 20), 30, 60);
    blue.closeSubpath();
    p.fillPath(blue, QColor(0x1e, 0x88, 0xe5));
    p.restore();
    line(p, kOutline);
    p.drawEllipse(ball);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QRectF(26, 24, 14, 10));
}

void giftBox(QPainter &p)
{
    const QColor paper(0xe5, 0x39, 0x35);
    outlined(p, paper);
    p.drawRect(QRectF(18, 44, 60, 44));
    outlined(p, paper.lighter(115));
    p.drawRect(QRectF(12, 32, 72, 14));
    outlined(p, QColor(0xff, 0xd5, 0x4f));
    p.drawRect(QRectF(42, 32, 12, 56));
    QPainterPath bow;
    bow.moveTo(48, 32);
    bow.cubicTo(30, 6, 16, 22, 48, 32);
    bow.moveTo(48, 32);
    bow.cubicTo(66, 6, 80, 22, 48, 32);
    p.drawPath(bow);
}

void phoneCard(QPainter &p)
{
    outlined(p, QColor(0x00, 0x89, 0x7b));
    QPainterPath shape
        = polygonPath({ { 20, 10 }, { 64, 10 }, { 78, 24 }, { 78, 86 }, { 20, 86 } });
    p.drawPath(shape);
    outlined(p, QColor(0xff, 0xd5, 0x4f));
    p.drawRoundedRect(QRectF(32, 30, 34, 26), 4, 4);
    line(p, 2.5, QColor(0x8d, 0x6e, 0x00));
    p.drawLine(QPointF(32, 43), QPointF(66, 43));
    p.drawLine(QPointF(49, 30), QPointF(49, 56));
    line(p, 4, QColor(255, 255, 255, 200));
    p.drawLine(QPointF(32, 70), QPointF(66, 70));
}

void medicineBox(QPainter &p)
{
    outlined(p, QColor(0xe0, 0xe0, 0xe0));
    p.drawPath(polygonPath({ { 12, 34 }, { 28, 22 }, { 86, 22 }, { 70, 34 } }));
    outlined(p, QColor(0xbd, 0xbd, 0xbd));
    p.drawPath(polygonPath({ { 70, 34 }, { 86, 22 }, { 86, 70 }, { 70, 84 } }));
    outlined(p, Qt::white);
    p.drawRect(QRectF(12, 34, 58, 50));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2e, 0x7d, 0x32));
    p.drawRect(QRectF(35, 42, 12, 34));
    p.drawRect(QRectF(24, 53, 34, 12));
}

void cleaningSpray(QPainter &p)
{
    outlined(p, QColor(0x42, 0x42, 0x42));
    QPainterPath head;
    head.moveTo(36, 26);
    head.lineTo(36, 12);
    head.lineTo(70, 12);
    head.lineTo(76, 22);
    head.lineTo(58, 22);
    head.lineTo(58, 26);
    head.closeSubpath();
    p.drawPath(head);
    p.drawPath(polygonPath({ { 50, 22 }, { 56, 22 }, { 50, 40 }, { 44, 40 } }));
    QPainterPath bottle;
    bottle.moveTo(34, 26);
    bottle.lineTo(60, 26);
    bottle.lineTo(60, 36);
    bottle.cubicTo(72, 44, 72, 52, 72, 60);
    bottle.lineTo(72, 86);
    bottle.lineTo(24, 86);
    bottle.lineTo(24, 60);
    bottle.cubicTo(24, 50, 34, 44, 34, 36);
    bottle.closeSubpath();
    outlined(p, QColor(0x29, 0xb6, 0xf6));
    p.drawPath(bottle);
    outlined(p, Qt::white);
    p.drawRoundedRect(QRectF(32, 58, 32, 18), 3, 3);
    line(p, 3, QColor(0x90, 0xa4, 0xae));
    for (double y : { 8.0, 16.0, 24.0 })
        p.drawPoint(QPointF(84, y));
}

using Drawing = void (*)(QPainter &);
constexpr std::array<Drawing, 24> kGoods = { box, bottle, can, loaf, apple, cheese, milkCarton,
    coffeeCup, sweets, newspaper, book, pen, battery, lightBulb, hammer, paintTin, tShirt, shoe,
    flowerPot, toyBall, giftBox, phoneCard, medicineBox, cleaningSpray };

} // namespace

QImage drawStockPicture(int number)
{
    QImage image = blankImage(96, 96, Qt::white);
    QPainter painter(&image);
    prepare(painter);
    const int index = number >= 1 && number <= int(kGoods.size()) ? number - 1 : 0;
    kGoods[size_t(index)](painter);
    return image;
}

} // namespace artwork
