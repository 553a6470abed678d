#include "platform/data_dir.h"
#include "platform/scripted_messages.h"
#include "support/test_support.h"
#include "platform/widgets/artwork.h"
#include "inventory/widgets/stock_picture_dialog.h"
#include "till/widgets/toolbar_icons.h"
#include "widgets/modal_dialogs.h"

#include <QFile>
#include <QImage>
#include <QListWidget>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <utime.h>

using namespace ovix;
using namespace ovix::test;

namespace {

QImage flat(const QPixmap &picture)
{
    return picture.toImage().convertToFormat(QImage::Format_RGB32);
}

void writePicture(const std::string &path, const QColor &colour, int width = 30, int height = 20)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(QString::fromStdString(path), "BMP"));
}

// Moves the file's modification time, as a later copy of it would.
void touchLater(const std::string &path, int seconds)
{
    struct stat info;
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    utimbuf times { info.st_atime, info.st_mtime + seconds };
    ASSERT_EQ(::utime(path.c_str(), &times), 0);
}

QRgb middle(const QPixmap &picture)
{
    return flat(picture).pixel(picture.width() / 2, picture.height() / 2);
}

} // namespace

TEST(Artwork, EveryButtonPictureIsBuiltInAtItsSizeWithAPressedLook)
{
    const struct {
        QSize size;
        QStringList names;
    } groups[] = {
        { QSize(48, 48), { "add", "cash", "category" } },
        { QSize(68, 40),
            { "account", "weight", "noninventory", "card", "void", "empty", "drawer", "trade",
                "repeat", "note", "refund", "price" } },
        { QSize(92, 92), { "save", "retrieve" } },
        { QSize(54, 54),
            { "scroll_back", "scroll_forward", "category_prev", "category_next", "key0", "key1",
                "key2", "key3", "key4", "key5", "key6", "key7", "key8", "key9", "key_ca",
                "key_ce" } },
        { QSize(200, 50), { "quick" } },
    };
    for (const auto &group : groups) {
        for (const QString &name : group.names) {
            SCOPED_TRACE(name.toStdString());
            const QString path = QStringLiteral(":/art/buttons/%1.bmp").arg(name);
            ASSERT_TRUE(QFile::exists(path));
            const QPixmap normal = buttonPicture(name, false);
            const QPixmap pressed = buttonPicture(name, true);
            EXPECT_EQ(normal.size(), group.size);
            EXPECT_EQ(pressed.size(), group.size);
            EXPECT_NE(flat(normal), flat(pressed));
        }
    }
    EXPECT_EQ(QPixmap(":/art/buttons/category_selected.bmp").size(), QSize(48, 48));
    EXPECT_NE(flat(QPixmap(":/art/buttons/category_selected.bmp")),
        flat(buttonPicture("category", false)));
    EXPECT_NE(flat(buttonPicture("key1", false)), flat(buttonPicture("key2", false)));

    const QPixmap unknown = buttonPicture("no_such_button", false);
    EXPECT_FALSE(unknown.isNull());
    EXPECT_EQ(flat(unknown).pixel(0, 0), flat(unknown).pixel(20, 20));
}

TEST(Artwork, ButtonCornersShowTheTillScreenBackgroundAndToolbarPicturesTheWindowGrey)
{
    const QRgb screen = qRgb(0xe2, 0xe8, 0xf0);
    for (const char *name : { "add", "account", "save", "key5", "quick", "category" }) {
        SCOPED_TRACE(name);
        const QImage picture = flat(buttonPicture(name, false));
        EXPECT_EQ(picture.pixel(0, 0), screen);
        EXPECT_EQ(picture.pixel(picture.width() - 1, picture.height() - 1), screen);
        EXPECT_EQ(flat(buttonPicture(name, true)).pixel(0, 0), screen);
    }
    EXPECT_EQ(QImage(":/art/toolbar/backup.bmp").pixel(0, 0), qRgb(239, 239, 239));
}

TEST(Artwork, EveryToolbarButtonHasItsOwnPicture)
{
    const QSize kIconSize(kToolbarIconSide, kToolbarIconSide);
    const QStringList names = { "amend_inventory", "display_transaction", "print_reorder_list",
        "add_inventory_image", "add_inventory", "add_customer", "email_report", "sales_report",
        "find_inventory", "delete_inventory", "find_customer", "delete_customer", "add_reminder",
        "delete_reminder", "print_reminders", "display_reminders", "overdue_letter", "payments",
        "log_off", "backup" };
    for (const QString &name : names) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(QImage(QStringLiteral(":/art/toolbar/%1.bmp").arg(name)).size(), kIconSize);
    }

    const Command commands[] = { Command::InventoryAmend, Command::DisplayTransaction,
        Command::ReorderList, Command::InventoryAddCustomImage, Command::InventoryNewLine,
        Command::CustomerAdd, Command::EmailReport, Command::SalesReport, Command::InventoryFind,
        Command::InventoryDelete, Command::CustomerFind, Command::CustomerDelete,
        Command::ReminderAdd, Command::ReminderDelete, Command::ReminderPrint,
        Command::ReminderList, Command::DebtorLetterOne, Command::CustomerStatement,
        Command::LogOff, Command::Backup };
    const QImage tile = toolbarIcon(Command::Exit).pixmap(kIconSize).toImage();
    EXPECT_EQ(tile.size(), kIconSize);
    std::vector<QImage> seen;
    for (Command command : commands) {
        SCOPED_TRACE(static_cast<int>(command));
        const QImage icon = toolbarIcon(command).pixmap(kIconSize).toImage();
        ASSERT_EQ(icon.size(), kIconSize);
        EXPECT_NE(icon, tile);
        for (const QImage &earlier : seen)
            EXPECT_NE(icon, earlier);
        seen.push_back(icon);
        // The window grey round the picture is left out.
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    }
}

TEST(Artwork, StockSplashAndEntryPicturesAreBuiltIn)
{
    std::vector<QImage> seen;
    for (int number = 1; number <= 24; ++number) {
        SCOPED_TRACE(number);
        const QImage stock = flat(builtInStockPicture(number));
        EXPECT_EQ(stock.size(), QSize(96, 96));
        for (const QImage &earlier : seen)
            EXPECT_NE(stock, earlier);
        seen.push_back(stock);
    }
    EXPECT_EQ(flat(builtInStockPicture(0)), seen.front());
    EXPECT_EQ(flat(builtInStockPicture(25)), seen.front());
    EXPECT_EQ(splashPicture().size(), QSize(400, 198));
    EXPECT_EQ(entryPanelPicture().size(), QSize(240, 60));
}

TEST(Artwork, ItemPicturesComeFromTheDataFolderWhateverTheCase)
{
    TempDir data;
    const DataDir dir(data.path());
    writePicture(data.file("M12.BMP"), Qt::red);
    const QPixmap own = itemPicture(dir, "m12.bmp");
    EXPECT_EQ(own.size(), QSize(48, 48));
    EXPECT_EQ(middle(own), qRgb(255, 0, 0));

    // A replaced file shows at the next fill.
    writePicture(data.file("M12.BMP"), Qt::green, 40, 40);
    touchLater(data.file("M12.BMP"), 5);
    EXPECT_EQ(middle(itemPicture(dir, "m12.bmp")), qRgb(0, 255, 0));

    // The shop's own stock picture wins over the built-in one.
    writePicture(data.file("stock3.bmp"), Qt::blue);
    EXPECT_EQ(middle(itemPicture(dir, "STOCK3.bmp")), qRgb(0, 0, 255));
    const QImage builtIn = flat(builtInStockPicture(5))
                               .scaled(48, 48, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_EQ(flat(itemPicture(dir, "STOCK5.bmp")), builtIn);
}

TEST(Artwork, BrokenOrMissingItemPicturesFallBackToTheFirstStockPicture)
{
    TempDir data;
    const DataDir dir(data.path());
    const QImage first = flat(builtInStockPicture(1))
                             .scaled(48, 48, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

    writeBytes(data.file("m1.bmp"), "BM this is not a picture");
    std::string hugeClaim(54, '\0');
    putText(hugeClaim, 0, "BM");
    putI32(hugeClaim, 10, 54);
    putI32(hugeClaim, 14, 40);
    putI32(hugeClaim, 18, 1000000);
    putI32(hugeClaim, 22, 1000000);
    hugeClaim[26] = 1;
    hugeClaim[28] = 24;
    writeBytes(data.file("m2.bmp"), hugeClaim);
    writeBytes(data.file("m3.bmp"), "");
    writePicture(data.file("outside.bmp"), Qt::red);
    for (const char *name : { "m1.bmp", "m2.bmp", "m3.bmp", "m4.bmp", "", "STOCK25.bmp",
             "../outside.bmp", "sub/outside.bmp" }) {
        SCOPED_TRACE(name);
        const QPixmap picture = itemPicture(dir, name);
        EXPECT_EQ(flat(picture), first);
    }
    // A broken copy of a stock picture gives that stock picture's built-in one.
    writeBytes(data.file("stock9.bmp"), "BM");
    const QImage ninth = flat(builtInStockPicture(9))
                             .scaled(48, 48, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_EQ(flat(itemPicture(dir, "STOCK9.bmp")), ninth);
}

TEST(StockPictureDialog, ListsTheInbuiltPicturesAndReplacesTheChosenOne)
{
    TempDir data;
    const DataDir dir(data.path());
    writePicture(data.file("new.bmp"), Qt::magenta);
    ScriptedMessages messages;

    whenModalOpens<StockPictureDialog>([](StockPictureDialog *dialog) {
        ASSERT_EQ(dialog->list()->count(), 24);
        EXPECT_EQ(dialog->list()->item(0)->text(), "Inbuilt 1");
        EXPECT_EQ(dialog->list()->item(23)->text(), "Inbuilt 24");
        dialog->list()->setCurrentRow(4);
        dialog->accept();
    });
    changeStockPicture(
        nullptr, dir, messages, [&] { return QString::fromStdString(data.file("new.bmp")); });
    EXPECT_EQ(readBytes(data.file("stock5.bmp")), readBytes(data.file("new.bmp")));
    EXPECT_EQ(messages.lastText(), "Updated.");
    EXPECT_EQ(middle(itemPicture(dir, "STOCK5.bmp")), qRgb(255, 0, 255));

    // Cancel at the list or at the file changes nothing.
    whenModalOpens<StockPictureDialog>([](StockPictureDialog *dialog) { dialog->reject(); });
    changeStockPicture(nullptr, dir, messages, [&] {
        ADD_FAILURE() << "no file is asked for";
        return QString();
    });
    whenModalOpens<StockPictureDialog>([](StockPictureDialog *dialog) {
        dialog->list()->setCurrentRow(1);
        dialog->accept();
    });
    changeStockPicture(nullptr, dir, messages, [] { return QString(); });
    struct stat info;
    EXPECT_NE(::stat(data.file("stock2.bmp").c_str(), &info), 0);
    EXPECT_EQ(messages.shown.size(), 1u);
}
