#include "till/widgets/toolbar_icons.h"

#include "platform/widgets/artwork.h"

#include <QBitmap>
#include <QColor>
#include <QPainter>
#include <QPixmap>

namespace ovix {

namespace {

struct Picture {
    Command command;
    const char *name; // art/toolbar/<name>.bmp
};

constexpr Picture kPictures[] = {
    { Command::InventoryAmend, "amend_inventory" },
    { Command::DisplayTransaction, "display_transaction" },
    { Command::ReorderList, "print_reorder_list" },
    { Command::InventoryAddCustomImage, "add_inventory_image" },
    { Command::InventoryNewLine, "add_inventory" },
    { Command::CustomerAdd, "add_customer" },
    { Command::EmailReport, "email_report" },
    { Command::SalesReport, "sales_report" },
    { Command::InventoryFind, "find_inventory" },
    { Command::InventoryDelete, "delete_inventory" },
    { Command::CustomerFind, "find_customer" },
    { Command::CustomerDelete, "delete_customer" },
    { Command::ReminderAdd, "add_reminder" },
    { Command::ReminderDelete, "delete_reminder" },
    { Command::ReminderPrint, "print_reminders" },
    { Command::ReminderList, "display_reminders" },
    { Command::DebtorLetterOne, "overdue_letter" },
    { Command::CustomerStatement, "payments" },
    { Command::LogOff, "log_off" },
    { Command::Backup, "backup" },
};

// The grey the pictures are drawn on; it is left out so that the button's own
// face shows behind the picture when it is hovered or pressed.
const QColor kPictureBackdrop(0xef, 0xef, 0xef);

QPixmap plainTile()
{
    QPixmap picture(kToolbarIconWidth, kToolbarIconHeight);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(0x45, 0x5a, 0x64));
    painter.setBrush(QColor(0x90, 0xa4, 0xae));
    painter.drawRoundedRect(QRectF(0.5, 0.5, kToolbarIconWidth - 1, kToolbarIconHeight - 1), 4, 4);
    return picture;
}

QPixmap builtInPicture(const char *name)
{
    ensureArtRegistered();
    QPixmap picture(QStringLiteral(":/art/toolbar/%1.bmp").arg(QLatin1String(name)));
    if (picture.size() != QSize(kToolbarIconWidth, kToolbarIconHeight))
        return {};
    picture.setMask(picture.createMaskFromColor(kPictureBackdrop, Qt::MaskInColor));
    return picture;
}

} // namespace

QIcon toolbarIcon(Command command)
{
    for (const Picture &entry : kPictures) {
        if (entry.command != command)
            continue;
        const QPixmap picture = builtInPicture(entry.name);
        if (!picture.isNull())
            return QIcon(picture);
    }
    return QIcon(plainTile());
}

} // namespace ovix
