#include "till/widgets/toolbar_icons.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace ovix {

namespace {

struct Tile {
    Command command;
    const char *mark; // the letters on the tile
    QRgb colour;
};

// One colour per group of the toolbar.
constexpr QRgb kStock = qRgb(0x2e, 0x6b, 0x3a);
constexpr QRgb kAdd = qRgb(0x1f, 0x4e, 0x8c);
constexpr QRgb kFind = qRgb(0x7a, 0x4a, 0x12);
constexpr QRgb kReminder = qRgb(0x6a, 0x2c, 0x7a);
constexpr QRgb kAccount = qRgb(0x8c, 0x1f, 0x2a);

constexpr Tile kTiles[] = {
    { Command::InventoryAmend, "Am", kStock },
    { Command::DisplayTransaction, "Tx", kStock },
    { Command::ReorderList, "Ro", kStock },
    { Command::InventoryAddCustomImage, "Im", kStock },
    { Command::InventoryNewLine, "+I", kAdd },
    { Command::CustomerAdd, "+C", kAdd },
    { Command::EmailReport, "@", kAdd },
    { Command::SalesReport, "$", kAdd },
    { Command::InventoryFind, "?I", kFind },
    { Command::InventoryDelete, "-I", kFind },
    { Command::CustomerFind, "?C", kFind },
    { Command::CustomerDelete, "-C", kFind },
    { Command::ReminderAdd, "+R", kReminder },
    { Command::ReminderDelete, "-R", kReminder },
    { Command::ReminderPrint, "PR", kReminder },
    { Command::ReminderList, "R", kReminder },
    { Command::DebtorLetterOne, "OL", kAccount },
    { Command::CustomerStatement, "Py", kAccount },
    { Command::LogOff, "F9", kAccount },
    { Command::Backup, "Bk", kAccount },
};

} // namespace

QIcon toolbarIcon(Command command)
{
    const char *mark = "";
    QColor colour(Qt::darkGray);
    for (const Tile &tile : kTiles) {
        if (tile.command == command) {
            mark = tile.mark;
            colour = QColor::fromRgb(tile.colour);
        }
    }
    QPixmap picture(kToolbarIconWidth, kToolbarIconHeight);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(colour.darker(150));
    painter.setBrush(colour);
    painter.drawRoundedRect(QRectF(0.5, 0.5, kToolbarIconWidth - 1, kToolbarIconHeight - 1), 4, 4);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(11);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(picture.rect(), Qt::AlignCenter, QString::fromLatin1(mark));
    painter.end();
    return QIcon(picture);
}

} // namespace ovix
