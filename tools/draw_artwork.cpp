// Draws the till's built-in pictures into a folder:
//   draw_artwork <folder> [contact-sheet.png]
// writes <folder>/buttons/*.bmp, <folder>/toolbar/*.bmp, <folder>/stock/STOCK1..24.bmp,
// <folder>/splash.bmp, <folder>/entry_panel.bmp and <folder>/art.qrc.
// The pictures are 24-bit BMP files; the program is run by hand and its
// output kept with the sources.

#include "artwork_painting.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainterPath>
#include <QTextStream>

#include <cstdio>
#include <vector>

using namespace artwork;

namespace {

struct Picture {
    QString path; // relative to the output folder
    QImage image;
};

struct ButtonKind {
    const char *name;
    int width;
    int height;
    QColor colour;
    const char *label;
};

const std::vector<ButtonKind> &buttonKinds()
{
    static const std::vector<ButtonKind> kinds = {
        { "add", 48, 48, kBasket, "ENTER" },
        { "cash", 48, 48, kPayment, "CASH" },
        { "account", 68, 40, kPayment, "ACCOUNT" },
        { "weight", 68, 40, kBasket, "WEIGHT" },
        { "noninventory", 68, 40, kBasket, "NOT ON FILE" },
        { "card", 68, 40, kPayment, "CARD" },
        { "void", 68, 40, kRemoval, "VOID" },
        { "empty", 68, 40, kRemoval, "EMPTY" },
        { "drawer", 68, 40, kUtility, "DRAWER" },
        { "trade", 68, 40, kPricing, "TRADE" },
        { "repeat", 68, 40, kBasket, "REPEAT" },
        { "note", 68, 40, kBasket, "NOTE" },
        { "refund", 68, 40, kRefund, "REFUND" },
        { "price", 68, 40, kPricing, "PRICE" },
        { "save", 92, 92, kBasket, "SAVE" },
        { "retrieve", 92, 92, kBasket, "RETRIEVE" },
        { "scroll_back", 54, 54, kUtility, "" },
        { "scroll_forward", 54, 54, kUtility, "" },
        { "category_prev", 54, 54, kUtility, "" },
        { "category_next", 54, 54, kUtility, "" },
    };
    return kinds;
}

void addPair(
    std::vector<Picture> &pictures, const QString &name, const std::function<QImage(bool)> &draw)
{
    pictures.push_back({ QStringLiteral("buttons/%1.bmp").arg(name), draw(false) });
    pictures.push_back({ QStringLiteral("buttons/%1_down.bmp").arg(name), draw(true) });
}

void addButtons(std::vector<Picture> &pictures)
{
    for (const ButtonKind &kind : buttonKinds()) {
        const QString name = QString::fromLatin1(kind.name);
        addPair(pictures, name, [&](bool pressed) {
            return drawButton(kind.width, kind.height, kind.colour, pressed, buttonPictogram(name),
                QString::fromLatin1(kind.label));
        });
    }
    for (int digit = 0; digit <= 9; ++digit) {
        addPair(pictures, QStringLiteral("key%1").arg(digit), [&](bool pressed) {
            return drawButton(54, 54, kKey, pressed, {}, QString::number(digit));
        });
    }
    addPair(pictures, QStringLiteral("key_ca"),
        [](bool pressed) { return drawButton(54, 54, kRemoval, pressed, {}, "CA"); });
    addPair(pictures, QStringLiteral("key_ce"),
        [](bool pressed) { return drawButton(54, 54, kRefund, pressed, {}, "CE"); });
}

// Plain tiles the till writes on: category tiles take a white abbreviation,
// quick-select tiles a picture and dark text.
void addBlankTiles(std::vector<Picture> &pictures)
{
    addPair(pictures, QStringLiteral("category"),
        [](bool pressed) { return drawButton(48, 48, kCategory, pressed, {}, {}); });
    QImage selected = drawButton(48, 48, kSelected, false, {}, {});
    {
        QPainter painter(&selected);
        prepare(painter);
        painter.setPen(stroke(2, Qt::white));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(3, 3, 42, 40), 4, 4);
    }
    pictures.push_back({ QStringLiteral("buttons/category_selected.bmp"), selected });
    const QColor quick(0xfa, 0xfb, 0xfc);
    addPair(pictures, QStringLiteral("quick"), [&](bool pressed) {
        QImage image = drawButton(200, 50, quick, pressed, {}, {}, 112);
        QPainter painter(&image);
        prepare(painter);
        painter.setPen(QPen(QColor(0xb0, 0xbe, 0xc5), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(1.5, 1.5, 197, 47), 6, 6);
        return image;
    });
}

// A modern counter till: screen on a stand, a card reader, the drawer.
void drawTill(QPainter &painter, const QRectF &area)
{
    painter.save();
    painter.translate(area.topLeft());
    painter.scale(area.width() / 120.0, area.height() / 120.0);
    const QColor body(0xec, 0xef, 0xf1);
    painter.setPen(QPen(kInk, 3));
    painter.setBrush(body.darker(110));
    painter.drawRoundedRect(QRectF(8, 86, 104, 30), 5, 5);
    painter.setBrush(kInk);
    painter.drawRoundedRect(QRectF(48, 96, 24, 5), 2, 2);
    painter.setBrush(body);
    painter.drawPolygon(
        QPolygonF() << QPointF(50, 86) << QPointF(70, 86) << QPointF(64, 64) << QPointF(56, 64));
    painter.setBrush(body);
    painter.drawRoundedRect(QRectF(14, 6, 92, 60), 6, 6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x15, 0x65, 0xc0));
    painter.drawRoundedRect(QRectF(21, 13, 78, 46), 3, 3);
    const QColor tiles[] = { kPayment, kRemoval, kBasket, kPricing, kRefund, kUtility };
    for (int i = 0; i < 6; ++i) {
        painter.setBrush(tiles[i].lighter(130));
        const int row = i / 3;
        const int column = i % 3;
        painter.drawRoundedRect(QRectF(26 + column * 23, 33 + row * 12, 19, 9), 2, 2);
    }
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(26, 18, 65, 10), 2, 2);
    painter.restore();
}

QImage drawSplash()
{
    QImage image = blankImage(400, 198, QColor(0, 0, 255));
    QPainter painter(&image);
    // Sharp panel edges, so that no blend of the see-through blue stays round it.
    QPainterPath panel;
    panel.addRoundedRect(QRectF(4, 4, 392, 190), 20, 20);
    QLinearGradient shade(0, 0, 0, 198);
    shade.setColorAt(0, QColor(0x26, 0x32, 0x38));
    shade.setColorAt(1, QColor(0x10, 0x18, 0x1c));
    painter.fillPath(panel, shade);
    painter.setClipPath(panel);
    painter.fillRect(QRectF(4, 182, 392, 12), kPayment);
    painter.fillRect(QRectF(134, 182, 131, 12), kBasket);
    painter.fillRect(QRectF(265, 182, 131, 12), kRefund);
    painter.setClipping(false);
    prepare(painter);
    drawTill(painter, QRectF(26, 34, 120, 120));
    painter.setFont(boldFont(58));
    painter.setPen(Qt::white);
    painter.drawText(QRectF(168, 40, 220, 66), Qt::AlignLeft | Qt::AlignVCenter, "OVIX");
    painter.setFont(boldFont(30));
    painter.setPen(QColor(0xff, 0xb7, 0x4d));
    painter.drawText(QRectF(170, 104, 220, 36), Qt::AlignLeft | Qt::AlignVCenter, "Retail");
    QFont note = boldFont(12);
    note.setBold(false);
    painter.setFont(note);
    painter.setPen(QColor(0xcf, 0xd8, 0xdc));
    painter.drawText(QRectF(171, 142, 220, 22), Qt::AlignLeft | Qt::AlignVCenter,
        "Point of sale for the shop counter");
    return image;
}

QImage drawEntryPanel()
{
    QImage image = blankImage(240, 60, QColor(0xf5, 0xf7, 0xfa));
    QPainter painter(&image);
    prepare(painter);
    painter.setPen(QPen(QColor(0xcf, 0xd8, 0xdc), 1));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(0.5, 0.5, 239, 59), 6, 6);
    // The scanner, its red beam on a bar code.
    painter.setPen(QPen(kInk, 2));
    painter.setBrush(kUtility);
    QPainterPath gun;
    gun.moveTo(8, 12);
    gun.lineTo(34, 8);
    gun.lineTo(36, 24);
    gun.lineTo(22, 26);
    gun.lineTo(24, 46);
    gun.lineTo(14, 48);
    gun.lineTo(12, 28);
    gun.lineTo(8, 26);
    gun.closeSubpath();
    painter.drawPath(gun);
    painter.setPen(QPen(QColor(0xe5, 0x39, 0x35, 200), 2));
    painter.drawLine(QPointF(36, 16), QPointF(50, 16));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    const int bars[] = { 2, 1, 1, 2, 1, 3, 1, 1, 2, 1 };
    double x = 44;
    for (int i = 0; i < 10; ++i) {
        if (i % 2 == 0)
            painter.drawRect(QRectF(x, 8, bars[i], 18));
        x += bars[i] + 1;
    }
    // The keyboard.
    painter.setPen(QPen(kInk, 2));
    painter.setBrush(QColor(0xec, 0xef, 0xf1));
    painter.drawRoundedRect(QRectF(34, 32, 34, 20), 3, 3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 5; ++column)
            painter.drawRect(QRectF(38 + column * 5.5, 36 + row * 5, 3.5, 3));
    painter.drawRect(QRectF(42, 46, 18, 3));
    painter.setPen(kInk);
    painter.setFont(boldFont(14));
    painter.drawText(QRectF(78, 8, 156, 24), Qt::AlignLeft | Qt::AlignVCenter, "Scan or type");
    painter.drawText(QRectF(78, 29, 156, 24), Qt::AlignLeft | Qt::AlignVCenter, "item number");
    return image;
}

std::vector<Picture> drawAll()
{
    std::vector<Picture> pictures;
    addButtons(pictures);
    addBlankTiles(pictures);
    for (auto &[name, image] : drawToolbarPictures())
        pictures.push_back({ QStringLiteral("toolbar/%1.bmp").arg(name), image });
    for (int number = 1; number <= 24; ++number)
        pictures.push_back(
            { QStringLiteral("stock/STOCK%1.bmp").arg(number), drawStockPicture(number) });
    pictures.push_back({ QStringLiteral("splash.bmp"), drawSplash() });
    pictures.push_back({ QStringLiteral("entry_panel.bmp"), drawEntryPanel() });
    return pictures;
}

bool writeResourceList(const QString &folder, const std::vector<Picture> &pictures)
{
    QFile file(folder + QStringLiteral("/art.qrc"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QTextStream out(&file);
    out << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/art\">\n";
    for (const Picture &picture : pictures)
        out << "    <file>" << picture.path << "</file>\n";
    out << "</qresource>\n</RCC>\n";
    return out.status() == QTextStream::Ok;
}

// Every picture twice its size on one sheet, to look them over.
QImage contactSheet(const std::vector<Picture> &pictures)
{
    QImage sheet(1400, 2400, QImage::Format_RGB32);
    sheet.fill(QColor(0xdd, 0xdd, 0xdd));
    QPainter painter(&sheet);
    int x = 10;
    int y = 10;
    int rowHeight = 0;
    for (const Picture &picture : pictures) {
        const QSize size = picture.image.size() * 2;
        if (x + size.width() > sheet.width() - 10) {
            x = 10;
            y += rowHeight + 10;
            rowHeight = 0;
        }
        painter.drawImage(QRect(QPoint(x, y), size), picture.image);
        x += size.width() + 10;
        rowHeight = std::max(rowHeight, size.height());
    }
    return sheet;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc < 2) {
        (void)std::fprintf(stderr, "usage: draw_artwork <folder> [contact-sheet.png]\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const std::vector<Picture> pictures = drawAll();
    for (const Picture &picture : pictures) {
        const QString path = folder + QLatin1Char('/') + picture.path;
        QDir().mkpath(path.section(QLatin1Char('/'), 0, -2));
        const QImage flat = picture.image.convertToFormat(QImage::Format_RGB888);
        if (!flat.save(path, "BMP")) {
            (void)std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    if (!writeResourceList(folder, pictures)) {
        (void)std::fprintf(stderr, "cannot write the resource list\n");
        return 1;
    }
    if (argc > 2 && !contactSheet(pictures).save(QString::fromLocal8Bit(argv[2]))) {
        (void)std::fprintf(stderr, "cannot write the contact sheet\n");
        return 1;
    }
    return 0;
}
