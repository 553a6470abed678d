// The 20 toolbar pictures, 32 x 32 on the window grey: a main object (box,
// person, bell ...) and, where the command needs one, a badge over its lower
// right corner (plus, magnifier, cross, printer, list). The shapes are drawn
// on a 28 x 20 grid, the object in its left part and the badge in its right
// part, at four times the size and scaled down smoothly.

#include "artwork_painting.h"

#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace artwork {

namespace {

constexpr int kOversample = 4;

const QColor kCardboard(0xd9, 0xa0, 0x5b);
const QColor kCardboardEdge(0x7a, 0x4a, 0x12);
const QColor kTape(0xf3, 0xd3, 0x9e);
const QColor kPaper(0xff, 0xff, 0xff);
const QColor kPaperLine(0x90, 0xa4, 0xae);
const QColor kGold(0xf9, 0xa8, 0x25);
const QColor kGoldEdge(0x9a, 0x5b, 0x00);
const QColor kGlass(0xbb, 0xde, 0xfb);
const QColor kPerson(0x15, 0x65, 0xc0);
const QColor kPrinter(0x54, 0x6e, 0x7a);

void outlined(QPainter &p, const QColor &fill, const QColor &edge = kInk, double width = 1)
{
    p.setPen(stroke(width, edge));
    p.setBrush(fill);
}

void line(QPainter &p, double width, const QColor &colour)
{
    p.setPen(stroke(width, colour));
    p.setBrush(Qt::NoBrush);
}

// ---- main objects, left part of the picture (x 1..19) ----

// A taped cardboard box; `left` moves it sideways.
void box(QPainter &p, double left = 1)
{
    p.save();
    p.translate(left - 1, 0);
    outlined(p, kCardboard, kCardboardEdge);
    p.drawRect(QRectF(2.5, 7.5, 14, 11));
    p.drawRect(QRectF(1.5, 3.5, 16, 4));
    p.setPen(Qt::NoPen);
    p.setBrush(kTape);
    p.drawRect(QRectF(8, 4, 3, 3));
    p.drawRect(QRectF(8, 8, 3, 5));
    p.restore();
}

void person(QPainter &p)
{
    outlined(p, kPerson, QColor(0x0d, 0x47, 0xa1));
    p.drawEllipse(QPointF(9, 5.5), 3.8, 3.8);
    QPainterPath body;
    body.moveTo(2, 18.5);
    body.cubicTo(2, 12.5, 5, 10.5, 9, 10.5);
    body.cubicTo(13, 10.5, 16, 12.5, 16, 18.5);
    body.closeSubpath();
    p.drawPath(body);
}

void bell(QPainter &p)
{
    outlined(p, kGold, kGoldEdge);
    QPainterPath shape;
    shape.moveTo(2, 16.5);
    shape.cubicTo(4.5, 14.5, 4.5, 12, 4.5, 9);
    shape.cubicTo(4.5, 5.5, 6.5, 3, 9.5, 3);
    shape.cubicTo(12.5, 3, 14.5, 5.5, 14.5, 9);
    shape.cubicTo(14.5, 12, 14.5, 14.5, 17, 16.5);
    shape.closeSubpath();
    p.drawEllipse(QPointF(9.5, 18), 2, 1.6);
    p.drawPath(shape);
    p.drawEllipse(QPointF(9.5, 2.2), 1.2, 1.2);
    line(p, 1, QColor(255, 255, 255, 170));
    p.drawArc(QRectF(6.5, 5.5, 6, 8), 100 * 16, 60 * 16);
}

// A sheet of paper with ruled lines, `lines` of them.
void sheet(QPainter &p, const QRectF &area, int lines, bool dotted = false)
{
    outlined(p, kPaper);
    p.drawRect(area);
    const double step = (area.height() - 4) / lines;
    for (int i = 0; i < lines; ++i) {
        const double y = area.top() + 3 + i * step;
        if (dotted) {
            p.setPen(Qt::NoPen);
            p.setBrush(kInk);
            p.drawRect(QRectF(area.left() + 2, y - 0.75, 1.5, 1.5));
            line(p, 1, kPaperLine);
            p.drawLine(QPointF(area.left() + 5, y), QPointF(area.right() - 2, y));
        } else {
            line(p, 1, kPaperLine);
            const double end = i == lines - 1 ? area.center().x() : area.right() - 2;
            p.drawLine(QPointF(area.left() + 2, y), QPointF(end, y));
        }
    }
}

void receipt(QPainter &p)
{
    outlined(p, kPaper);
    QPainterPath paper;
    paper.moveTo(3.5, 1.5);
    paper.lineTo(15.5, 1.5);
    paper.lineTo(15.5, 18.5);
    for (int i = 0; i < 4; ++i) {
        paper.lineTo(14 - i * 3, 17);
        paper.lineTo(12.5 - i * 3, 18.5);
    }
    paper.lineTo(3.5, 17);
    paper.closeSubpath();
    p.drawPath(paper);
    line(p, 1, kPaperLine);
    for (double y : { 4.5, 7.5, 10.5 }) {
        p.drawLine(QPointF(5.5, y), QPointF(9.5, y));
        p.drawLine(QPointF(11.5, y), QPointF(13.5, y));
    }
    line(p, 1, kInk);
    p.drawLine(QPointF(5.5, 13.5), QPointF(13.5, 13.5));
}

void picture(QPainter &p)
{
    outlined(p, QColor(0x90, 0xca, 0xf9));
    p.drawRect(QRectF(1.5, 2.5, 17, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xca, 0x28));
    p.drawEllipse(QPointF(13.5, 6.5), 2, 2);
    p.setBrush(QColor(0x43, 0xa0, 0x47));
    QPainterPath hills;
    hills.moveTo(2, 16);
    hills.lineTo(7, 9);
    hills.lineTo(11, 13);
    hills.lineTo(13.5, 11);
    hills.lineTo(18, 16);
    hills.closeSubpath();
    p.drawPath(hills);
    line(p, 1, kInk);
    p.drawRect(QRectF(1.5, 2.5, 17, 14));
}

void envelope(QPainter &p)
{
    outlined(p, kPaper, kPerson);
    p.drawRect(QRectF(3.5, 3.5, 21, 14));
    p.drawPolyline(QPolygonF() << QPointF(4, 4) << QPointF(14, 11.5) << QPointF(24, 4));
    line(p, 1, QColor(0x64, 0xb5, 0xf6));
    p.drawLine(QPointF(4.5, 16.5), QPointF(11, 11.5));
    p.drawLine(QPointF(23.5, 16.5), QPointF(17, 11.5));
}

void barChart(QPainter &p)
{
    const struct {
        double x = 0;
        double top = 0;
        QColor colour;
    } bars[] = {
        { 6, 11, kRefund },
        { 11, 7, kBasket },
        { 16, 9, kPayment },
        { 21, 3, kPricing },
    };
    for (const auto &bar : bars) {
        outlined(p, bar.colour, bar.colour.darker(150));
        p.drawRect(QRectF(bar.x + 0.5, bar.top + 0.5, 3, 16.5 - bar.top));
    }
    line(p, 1.2, kInk);
    p.drawPolyline(QPolygonF() << QPointF(3.5, 2) << QPointF(3.5, 17.5) << QPointF(26, 17.5));
}

// One coin lying flat, its top face centred at (x, y).
void coinLayer(QPainter &p, double x, double y)
{
    outlined(p, QColor(0xd6, 0x86, 0x10), kGoldEdge);
    QPainterPath side;
    side.moveTo(x - 5.5, y);
    side.lineTo(x - 5.5, y + 2);
    side.arcTo(QRectF(x - 5.5, y - 0.2, 11, 4.4), 180, 180);
    side.lineTo(x + 5.5, y);
    side.closeSubpath();
    p.drawPath(side);
    outlined(p, QColor(0xff, 0xd5, 0x4f), kGoldEdge);
    p.drawEllipse(QPointF(x, y), 5.5, 2.2);
}

// A stack of coins.
void coinStack(QPainter &p)
{
    for (double y : { 15.5, 11.5, 7.5 })
        coinLayer(p, 8, y);
}

// A coin standing up, beside the stack.
void standingCoin(QPainter &p)
{
    outlined(p, kGold, kGoldEdge);
    p.drawEllipse(QPointF(21.5, 11.5), 5.5, 5.5);
    line(p, 1, kGoldEdge);
    p.drawEllipse(QPointF(21.5, 11.5), 3, 3);
}

void door(QPainter &p)
{
    outlined(p, QColor(0xec, 0xef, 0xf1));
    p.drawRect(QRectF(3.5, 1.5, 11, 17));
    // The door, open towards the viewer.
    outlined(p, QColor(0x8d, 0x5a, 0x2b), QColor(0x4e, 0x2c, 0x0e));
    QPolygonF leaf;
    leaf << QPointF(3.5, 1.5) << QPointF(10, 3.5) << QPointF(10, 19) << QPointF(3.5, 18.5);
    p.drawPolygon(leaf);
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    p.drawEllipse(QPointF(8.5, 11), 0.9, 0.9);
}

// A floppy disk.
void disk(QPainter &p)
{
    outlined(p, kPerson, QColor(0x0d, 0x47, 0xa1));
    QPainterPath body;
    body.moveTo(1.5, 2.5);
    body.lineTo(15, 2.5);
    body.lineTo(17.5, 5);
    body.lineTo(17.5, 18.5);
    body.lineTo(1.5, 18.5);
    body.closeSubpath();
    p.drawPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xcf, 0xd8, 0xdc));
    p.drawRect(QRectF(5, 3, 8, 5));
    p.setBrush(kPerson);
    p.drawRect(QRectF(10, 4, 2, 3));
    p.setBrush(kPaper);
    p.drawRect(QRectF(4, 11, 11, 7));
}

void printerAt(QPainter &p, double left, double top, double scale)
{
    p.save();
    p.translate(left, top);
    p.scale(scale, scale);
    outlined(p, kPaper, kInk, 1 / scale);
    p.drawRect(QRectF(3.5, 0.5, 7, 4));
    outlined(p, kPrinter, kInk, 1 / scale);
    p.drawRoundedRect(QRectF(0.5, 4.5, 13, 6), 1, 1);
    outlined(p, kPaper, kInk, 1 / scale);
    p.drawRect(QRectF(3.5, 8.5, 7, 4));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x66, 0xbb, 0x6a));
    p.drawRect(QRectF(10, 6, 2, 1.5));
    p.restore();
}

// ---- badges, right part of the picture (centre 21.5, 13.5) ----

void roundBadge(QPainter &p, const QColor &colour)
{
    outlined(p, colour, colour.darker(150));
    p.drawEllipse(QPointF(21.5, 13.5), 5.5, 5.5);
}

void plusBadge(QPainter &p)
{
    roundBadge(p, kPayment);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(20.5, 10, 2, 7));
    p.drawRect(QRectF(18, 12.5, 7, 2));
}

void crossBadge(QPainter &p)
{
    roundBadge(p, kRemoval);
    line(p, 2, Qt::white);
    p.drawLine(QPointF(19.3, 11.3), QPointF(23.7, 15.7));
    p.drawLine(QPointF(23.7, 11.3), QPointF(19.3, 15.7));
}

void exclamationBadge(QPainter &p)
{
    roundBadge(p, kRemoval);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(20.5, 9.8, 2, 5), 0.8, 0.8);
    p.drawRect(QRectF(20.5, 15.3, 2, 2));
}

void magnifier(QPainter &p)
{
    line(p, 3, kInk);
    p.drawLine(QPointF(23.5, 14.5), QPointF(26.3, 17.6));
    outlined(p, kGlass, kInk, 1.6);
    p.drawEllipse(QPointF(20, 10.5), 4.5, 4.5);
    line(p, 1, Qt::white);
    p.drawArc(QRectF(17.5, 8, 5, 5), 100 * 16, 70 * 16);
}

void pencil(QPainter &p)
{
    p.save();
    p.translate(21.5, 10);
    p.rotate(45);
    outlined(p, kGold, kInk);
    p.drawRect(QRectF(-1.8, -9, 3.6, 12));
    outlined(p, QColor(0xef, 0x9a, 0x9a), kInk);
    p.drawRect(QRectF(-1.8, -11, 3.6, 2));
    outlined(p, QColor(0xf3, 0xd3, 0x9e), kInk);
    p.drawPolygon(QPolygonF() << QPointF(-1.8, 3) << QPointF(1.8, 3) << QPointF(0, 7));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawPolygon(QPolygonF() << QPointF(-0.7, 5.5) << QPointF(0.7, 5.5) << QPointF(0, 7));
    p.restore();
}

void listBadge(QPainter &p)
{
    sheet(p, QRectF(16.5, 6.5, 10, 12), 3, true);
}

void printerBadge(QPainter &p)
{
    printerAt(p, 15.5, 6.5, 0.85);
}

void arrowRight(QPainter &p, double from, double to, double y)
{
    line(p, 3, kPayment);
    p.drawLine(QPointF(from, y), QPointF(to - 3, y));
    p.setPen(Qt::NoPen);
    p.setBrush(kPayment);
    p.drawPolygon(
        QPolygonF() << QPointF(to, y) << QPointF(to - 5, y - 4.5) << QPointF(to - 5, y + 4.5));
}

void arrowDown(QPainter &p, double x, double from, double to)
{
    line(p, 3, kPayment);
    p.drawLine(QPointF(x, from), QPointF(x, to - 3));
    p.setPen(Qt::NoPen);
    p.setBrush(kPayment);
    p.drawPolygon(
        QPolygonF() << QPointF(x, to) << QPointF(x - 4.5, to - 5) << QPointF(x + 4.5, to - 5));
}

// A picture is a main object (or a whole scene) drawn as large as the square
// allows, with, where the command needs one, a badge over its lower right
// corner, cut out of the object by a ring of the window grey.
struct ToolbarKind {
    const char *name;
    Pictogram main; // anywhere on the 28 x 20 grid
    Pictogram badge; // on the 28 x 20 grid, round the badge centre (21.5, 13.5)
};

const std::vector<ToolbarKind> &toolbarKinds()
{
    static const std::vector<ToolbarKind> kinds = {
        { "amend_inventory", [](QPainter &p) { box(p); }, pencil },
        { "display_transaction", receipt, magnifier },
        { "print_reorder_list", [](QPainter &p) { printerAt(p, 1, 3, 1.25); }, listBadge },
        { "add_inventory_image", picture, plusBadge },
        { "add_inventory", [](QPainter &p) { box(p); }, plusBadge },
        { "add_customer", person, plusBadge },
        { "email_report", envelope, {} },
        { "sales_report", barChart, {} },
        { "find_inventory", [](QPainter &p) { box(p); }, magnifier },
        { "delete_inventory", [](QPainter &p) { box(p); }, crossBadge },
        { "find_customer", person, magnifier },
        { "delete_customer", person, crossBadge },
        { "add_reminder", bell, plusBadge },
        { "delete_reminder", bell, crossBadge },
        { "print_reminders", bell, printerBadge },
        { "display_reminders", bell, listBadge },
        { "overdue_letter", [](QPainter &p) { sheet(p, QRectF(2.5, 1.5, 13, 17), 4); },
            exclamationBadge },
        { "payments", coinStack, standingCoin },
        { "log_off", door, [](QPainter &p) { arrowRight(p, 12, 27, 10); } },
        { "backup", disk, [](QPainter &p) { arrowDown(p, 23, 1.5, 18.5); } },
    };
    return kinds;
}

// The badge is drawn a little larger than on the grid, its centre this far
// from the picture's lower right corner; a grey ring of kRingWidth pixels
// parts it from the object.
constexpr double kBadgeScale = 1.3;
constexpr double kBadgeInset = 8;
constexpr double kRingWidth = 1.25;

// `draw` on a transparent image of the picture's size, oversampled.
QImage layer(const std::function<void(QPainter &)> &draw)
{
    const int side = kToolbarPictureSide * kOversample;
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    prepare(painter);
    painter.scale(kOversample, kOversample);
    draw(painter);
    return image;
}

// The smallest rectangle round what `scene` paints on the grid.
QRectF paintedArea(const Pictogram &scene)
{
    const QImage image = layer([&](QPainter &p) { scene(p); });
    QRect area;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                area |= QRect(x, y, 1, 1);
    return QRectF(area.left() / double(kOversample), area.top() / double(kOversample),
        area.width() / double(kOversample), area.height() / double(kOversample));
}

// The outline of `picture` widened by `width` pixels, in `colour`.
QImage ring(const QImage &picture, double width, const QColor &colour)
{
    QImage solid = picture;
    {
        QPainter tint(&solid);
        tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
        tint.fillRect(solid.rect(), colour);
    }
    QImage widened(picture.size(), QImage::Format_ARGB32_Premultiplied);
    widened.fill(Qt::transparent);
    QPainter painter(&widened);
    const double reach = width * kOversample;
    constexpr int kSteps = 16;
    for (int step = 0; step < kSteps; ++step) {
        const double angle = step * 2 * M_PI / kSteps;
        painter.drawImage(QPointF(reach * std::cos(angle), reach * std::sin(angle)), solid);
    }
    return widened;
}

// `shape` drawn as large as fits the square less a pixel all round, centred.
QImage fitted(const Pictogram &shape)
{
    const QRectF area = paintedArea(shape);
    const double room = kToolbarPictureSide - 2;
    const double scale = room / std::max(area.width(), area.height());
    return layer([&](QPainter &p) {
        p.translate(kToolbarPictureSide / 2.0, kToolbarPictureSide / 2.0);
        p.scale(scale, scale);
        p.translate(-area.center());
        shape(p);
    });
}

QImage drawToolbarPicture(const ToolbarKind &kind)
{
    QImage picture = fitted(kind.main);
    if (kind.badge) {
        const double centre = kToolbarPictureSide - kBadgeInset;
        const QImage badge = layer([&](QPainter &p) {
            p.translate(centre, centre);
            p.scale(kBadgeScale, kBadgeScale);
            p.translate(-21.5, -13.5);
            kind.badge(p);
        });
        QPainter painter(&picture);
        painter.setCompositionMode(QPainter::CompositionMode_DestinationOut);
        painter.drawImage(0, 0, ring(badge, kRingWidth, Qt::black));
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.drawImage(0, 0, badge);
    }
    QImage flat = blankImage(picture.width(), picture.height(), kToolbarBackdrop);
    {
        QPainter painter(&flat);
        painter.drawImage(0, 0, picture);
    }
    return flat.scaled(
        kToolbarPictureSide, kToolbarPictureSide, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

std::vector<std::pair<QString, QImage>> drawToolbarPictures()
{
    std::vector<std::pair<QString, QImage>> pictures;
    for (const ToolbarKind &kind : toolbarKinds())
        pictures.emplace_back(QString::fromLatin1(kind.name), drawToolbarPicture(kind));
    return pictures;
}

} // namespace artwork
