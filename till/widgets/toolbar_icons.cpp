#include "till/widgets/toolbar_icons.h"

#include "platform/widgets/artwork.h"

#include <QBitmap>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <cmath>

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
// How far a greyed picture's shades move towards the toolbar grey, in light
// (not in pixel values): it keeps 40 % of the live picture's contrast.
constexpr double kGreyedFade = 0.6;

// The light a pixel gives, 0 to 1 (its relative luminance), and the grey
// pixel value that gives `light`.
double lightOf(QRgb pixel)
{
    auto linear = [](int value) {
        const double channel = value / 255.0;
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(pixel)) + 0.7152 * linear(qGreen(pixel))
        + 0.0722 * linear(qBlue(pixel));
}

int greyOfLight(double light)
{
    const double channel
        = light <= 0.0031308 ? light * 12.92 : 1.055 * std::pow(light, 1 / 2.4) - 0.055;
    return std::clamp(qRound(channel * 255), 0, 255);
}

QPixmap plainTile()
{
    QPixmap picture(kToolbarIconSide, kToolbarIconSide);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(0x45, 0x5a, 0x64));
    painter.setBrush(QColor(0x90, 0xa4, 0xae));
    painter.drawRoundedRect(QRectF(0.5, 0.5, kToolbarIconSide - 1, kToolbarIconSide - 1), 4, 4);
    return picture;
}

QPixmap builtInPicture(const char *name)
{
    ensureArtRegistered();
    QPixmap picture(QStringLiteral(":/art/toolbar/%1.bmp").arg(QLatin1String(name)));
    if (picture.size() != QSize(kToolbarIconSide, kToolbarIconSide))
        return {};
    picture.setMask(picture.createMaskFromColor(kPictureBackdrop, Qt::MaskInColor));
    return picture;
}

QIcon iconOf(const QPixmap &live)
{
    QIcon icon(live);
    icon.addPixmap(greyedToolbarPicture(live), QIcon::Disabled);
    return icon;
}

} // namespace

QPixmap greyedToolbarPicture(const QPixmap &live)
{
    QImage image = live.toImage().convertToFormat(QImage::Format_ARGB32);
    const double backdrop = lightOf(kPictureBackdrop.rgb());
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double faded = lightOf(line[x]) + (backdrop - lightOf(line[x])) * kGreyedFade;
            const int grey = greyOfLight(faded);
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]));
        }
    }
    return QPixmap::fromImage(image);
}

QIcon toolbarIcon(Command command)
{
    for (const Picture &entry : kPictures) {
        if (entry.command != command)
            continue;
        const QPixmap picture = builtInPicture(entry.name);
        if (!picture.isNull())
            return iconOf(picture);
    }
    return iconOf(plainTile());
}

} // namespace ovix
