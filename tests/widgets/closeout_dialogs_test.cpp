// The till closeout dialog: which button closes it, and the closeout run
// from the menu logs the figures and logs the clerk off, or leaves everything
// as it was.

#include "platform/scripted_messages.h"
#include "reports/logic/closeout.h"
#include "reports/widgets/closeout_commands.h"
#include "reports/widgets/closeout_dialogs.h"
#include "sales/widgets/till_window.h"
#include "support/settings_fixture.h"
#include "support/test_support.h"
#include "widgets/modal_dialogs.h"
#include "widgets/test_helpers.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPrintPreviewDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>

using namespace ovix;
using namespace ovix::test;

namespace {

QPushButton *button(QWidget *dialog, const QString &caption)
{
    for (QPushButton *found : dialog->findChildren<QPushButton *>())
        if (found->text() == caption)
            return found;
    return nullptr;
}

// A window that keeps the commands connected to it, to run them as the menu would.
class CommandWindow : public TillWindow {
public:
    void registerCommand(Command command, std::function<void()> work) override
    {
        work_[command] = std::move(work);
    }
    QWidget *widget() override
    {
        return &parent_;
    }
    void setTenderAmountBox(QWidget *) override { }
    void focusItemBox() override { }
    void run(Command command)
    {
        work_.at(command)();
    }

private:
    QWidget parent_;
    std::map<Command, std::function<void()>> work_;
};

// Clicks the button of the dialog that is open once the event loop runs.
void clickWhenOpen(const QString &caption)
{
    QTimer::singleShot(0, [caption] {
        QWidget *dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        QPushButton *found = button(dialog, caption);
        ASSERT_NE(found, nullptr) << caption.toStdString();
        found->click();
    });
}

} // namespace

TEST(CloseoutDialog, ShowsTheFiguresAndClosesOnlyWhenTheCloseoutIsDone)
{
    NewShop shop;
    shop.state.config.set(cfg::cashSales, 250.00);
    const CloseoutFigures figures = closeoutFigures(shop.state.config);
    struct Case {
        const char *button;
        bool done;       // what the button's work answers
        bool closes;
        int result;
    };
    const Case cases[] = {
        {"Cancel", false, true, QDialog::Rejected},
        {"Print, close and log off", false, false, 0},
        {"Print, close and log off", true, true, QDialog::Accepted},
        {"Close and log off", false, false, 0},
        {"Close and log off", true, true, QDialog::Accepted},
    };
    for (const Case &c : cases) {
        int calls = 0;
        const auto work = [&calls, done = c.done] {
            ++calls;
            return done;
        };
        auto dialog = closeoutDialog(figures, work, work, nullptr);
        dialog->setResult(-1);
        dialog->show();
        QPushButton *pressed = button(dialog.get(), QString::fromLatin1(c.button));
        ASSERT_NE(pressed, nullptr) << c.button;
        pressed->click();
        EXPECT_EQ(dialog->isVisible(), !c.closes) << c.button << " " << c.done;
        if (c.closes) {
            EXPECT_EQ(dialog->result(), c.result) << c.button;
        }
        EXPECT_EQ(calls, std::string(c.button) == "Cancel" ? 0 : 1) << c.button;
    }
    auto dialog = closeoutDialog(figures, {}, {}, nullptr);
    QTreeWidget *list = dialog->list();
    ASSERT_EQ(list->topLevelItemCount(), 11);
    EXPECT_EQ(list->topLevelItem(1)->text(0), QStringLiteral("Cash"));
    EXPECT_EQ(list->topLevelItem(1)->text(1), QStringLiteral("250.00"));
    EXPECT_EQ(list->topLevelItem(10)->text(0), QStringLiteral("Till total"));
    EXPECT_EQ(list->topLevelItem(10)->text(1), QStringLiteral("350.00")); // with the 100.00 float
}

TEST(CloseoutDialog, CloseAndLogOffWritesTheLogThenLogsOff)
{
    NewShop shop;
    shop.state.config.set(cfg::currentClerk, 2);
    shop.state.config.set(cfg::cashSales, 12.50);
    const std::string before = shop.stored();
    CommandWindow window;
    int logOffs = 0;
    connectCloseoutCommands(window, shop.state, shop.messages, [&logOffs] { ++logOffs; });

    clickWhenOpen(QStringLiteral("Close and log off"));
    window.run(Command::TillCloseout);
    EXPECT_EQ(logOffs, 1);
    const std::string log = readBytes(shop.folder.file("bun4.dat"));
    EXPECT_NE(log.find("Till closeout: 09:30 15/03/2026\r\nAssoc: 2, Manager\r\n"),
        std::string::npos)
        << log;
    EXPECT_NE(log.find("Cash: 12.50\r\n"), std::string::npos);
    // The day totals stay as they were.
    EXPECT_EQ(shop.stored(), before);

    clickWhenOpen(QStringLiteral("Cancel"));
    window.run(Command::TillCloseout);
    EXPECT_EQ(logOffs, 1);
    EXPECT_EQ(readBytes(shop.folder.file("bun4.dat")), log);
}

TEST(CloseoutDialog, ALogThatCannotBeWrittenKeepsTheClerkLoggedOn)
{
    NewShop shop;
    std::filesystem::create_directory(shop.folder.file("bun4.dat"));
    CommandWindow window;
    int logOffs = 0;
    connectCloseoutCommands(window, shop.state, shop.messages, [&logOffs] { ++logOffs; });
    clickWhenOpen(QStringLiteral("Close and log off"));
    // After the failed closeout the dialog is still open to be cancelled.
    clickWhenOpen(QStringLiteral("Cancel"));
    window.run(Command::TillCloseout);
    EXPECT_EQ(logOffs, 0);
    EXPECT_EQ(shop.messages.lastText(), "Data file: bun4.dat, not present.");
}

// The takings history from the menu: a refused day prints nothing; a valid one
// goes through the preview to a PDF file when no printer is installed.
TEST(CloseoutDialog, PrintTakingsAsksTheDayThenPrintsFromIt)
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "a printer is installed; this printout is about printing to a file";
    NewShop shop;
    shop.state.config.set(cfg::takingsHistory, 0, 120.5);
    shop.state.config.set(cfg::takingsHistory, 13, 845.25);
    shop.state.config.set(cfg::takingsHistory, 14, 999.0); // 28 February, before the list
    CommandWindow window;
    connectCloseoutCommands(window, shop.state, shop.messages, {});

    shop.messages.textReplies = {std::string("29-02-2026")};
    window.run(Command::PrintTakings);
    EXPECT_EQ(shop.messages.lastText(), "Non valid date");
    EXPECT_FALSE(std::filesystem::exists(shop.folder.file("printouts")));

    shop.messages.textReplies = {std::string("01-03-2026")};
    test::whenModalOpens<QPrintPreviewDialog>(
        [](QPrintPreviewDialog *preview) { EXPECT_TRUE(test::clickNamed(preview, "previewPrint")); });
    window.run(Command::PrintTakings);
    const auto found = std::filesystem::directory_iterator(shop.folder.file("printouts"));
    ASSERT_NE(found, std::filesystem::directory_iterator());
    const std::string text = test::pdfText(found->path().string());
    EXPECT_NE(text.find("Takings from 01/03/2026"), std::string::npos) << text;
    EXPECT_NE(text.find("845.25"), std::string::npos) << text;
    EXPECT_NE(text.find("965.75"), std::string::npos) << text;
    EXPECT_EQ(text.find("999.00"), std::string::npos) << text;
}
