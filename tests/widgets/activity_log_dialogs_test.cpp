// The activity log's viewers and printouts at the till, driven offscreen: the
// "OVIX log" pages with Next and Previous, the day summary's "Activity
// report", the log printouts through the preview to a PDF file, the capacity
// list, the purge, and File "Exit - print log".

#include "platform/clock.h"
#include "platform/file.h"
#include "platform/scripted_messages.h"
#include "reports/widgets/activity_log_commands.h"
#include "reports/widgets/log_viewer_dialog.h"
#include "sales/logic/till_state.h"
#include "store/till_config.h"
#include "support/test_support.h"
#include "till/widgets/file_commands.h"
#include "till/widgets/main_window.h"
#include "widgets/modal_dialogs.h"
#include "widgets/test_helpers.h"

#include <QAction>
#include <QComboBox>
#include <QInputDialog>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>

#include <filesystem>
#include <QPrinterInfo>
#include <QPushButton>

#include <gtest/gtest.h>

namespace ovix {
namespace {

using test::TempDir;

class ActivityLogDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        setFixedLocalTime(LocalTime { 2026, 3, 2, 18, 30, 0 });
        shop.heading.setLine(HeadingLine::SiteName, "CORNER SHOP");
    }
    void TearDown() override
    {
        setFixedLocalTime(std::nullopt);
    }

    // What the viewer showed when it opened, then after each click of `steps`
    // (n = Next, p = Previous): the page's length, and Next and Previous.
    struct Seen {
        int length;
        bool next;
        bool previous;
        bool operator==(const Seen &) const = default;
    };
    std::vector<Seen> viewLog(bool previous, const char *steps)
    {
        std::vector<Seen> seen;
        test::whenModalOpens<LogViewerDialog>([&seen, steps](LogViewerDialog *viewer) {
            EXPECT_EQ(viewer->windowTitle(), QStringLiteral("OVIX log"));
            const auto note = [&] {
                seen.push_back({ static_cast<int>(viewer->textBox()->toPlainText().size()),
                    viewer->nextButton()->isEnabled(), viewer->previousButton()->isEnabled() });
            };
            note();
            for (const char *step = steps; *step; ++step) {
                (*step == 'n' ? viewer->nextButton() : viewer->previousButton())->click();
                note();
            }
            EXPECT_TRUE(test::clickNamed(viewer, "ok"));
        });
        showLogFile(shop, previous, messages, nullptr);
        return seen;
    }

    TempDir folder;
    TillState shop { folder.path() };
    ScriptedMessages messages;
};

TEST_F(ActivityLogDialogs, ALogOfExactlyOnePageShowsItThenAnEmptyPage)
{
    test::writeBytes(folder.file("bun4.dat"), std::string(31999, 'x'));
    EXPECT_EQ(viewLog(false, "np"),
        (std::vector<Seen> { { 31999, true, false }, { 0, false, true }, { 31999, true, false } }));
    test::writeBytes(folder.file("bun2.dat"), std::string(40000, 'y'));
    EXPECT_EQ(viewLog(true, "n"), (std::vector<Seen> { { 31999, true, false }, { 8001, false, true } }));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ActivityLogDialogs, AMissingLogIsToldAndNoViewerOpens)
{
    showLogFile(shop, true, messages, nullptr);
    EXPECT_EQ(messages.lastText(), "Previous log file does not yet exist.");
    EXPECT_EQ(messages.lastCaption(), "Problem");
    showLogFile(shop, false, messages, nullptr);
    EXPECT_EQ(messages.lastText(), "Data file: bun4.dat.");
}

TEST_F(ActivityLogDialogs, TheDaySummaryShowsWithoutPagingOrSaysNoDetails)
{
    ASSERT_TRUE(makeFolders(folder.file("2026/2/27")));
    test::writeBytes(folder.file("2026/2/27/thedaily.dat"),
        "CORNER SHOP  18:00 Friday February 27 2026\r\nToday's till takings: 12.50");
    QString shown;
    bool pagingHidden = false;
    test::whenModalOpens<LogViewerDialog>([&](LogViewerDialog *viewer) {
        EXPECT_EQ(viewer->windowTitle(), QStringLiteral("Activity report"));
        shown = viewer->textBox()->toPlainText();
        pagingHidden = viewer->nextButton()->isHidden() && viewer->previousButton()->isHidden();
        viewer->accept();
    });
    messages.textReplies = { "27", "2", "2026" };
    showDaySummary(shop, messages, nullptr);
    EXPECT_TRUE(shown.contains(QStringLiteral("Today's till takings: 12.50"))) << shown.toStdString();
    EXPECT_TRUE(pagingHidden);

    messages.textReplies = { "28", "2", "2026" };
    showDaySummary(shop, messages, nullptr);
    EXPECT_EQ(messages.lastText(), "No details");
}

TEST_F(ActivityLogDialogs, TheCapacityListOffersNineSizesAndStoresTheChoice)
{
    shop.config.set(cfg::logCapacity, 2);
    QStringList offered;
    QString current;
    test::whenModalOpens<QInputDialog>([&](QInputDialog *dialog) {
        offered = dialog->comboBoxItems();
        current = dialog->textValue();
        dialog->setTextValue(QStringLiteral("450"));
        dialog->accept();
    });
    chooseLogCapacity(shop, nullptr);
    EXPECT_EQ(offered.size(), 9);
    EXPECT_EQ(current, QStringLiteral("200"));
    EXPECT_EQ(logCapacityIndex(shop.config), 7);

    test::whenModalOpens<QInputDialog>([](QInputDialog *dialog) { dialog->reject(); });
    chooseLogCapacity(shop, nullptr);
    EXPECT_EQ(logCapacityIndex(shop.config), 7);
}

TEST_F(ActivityLogDialogs, PurgeDeletesBothLogs)
{
    test::writeBytes(folder.file("bun4.dat"), "a");
    test::writeBytes(folder.file("bun2.dat"), "b");
    purgeLogFiles(shop, messages);
    EXPECT_FALSE(fileExists(folder.file("bun4.dat")));
    EXPECT_FALSE(fileExists(folder.file("bun2.dat")));
    EXPECT_EQ(messages.lastText(), "Complete.");
    EXPECT_EQ(messages.lastCaption(), "Purge Log files: bun2.dat and bun4.dat");
}

// Today's log through the preview: Close prints nothing, Print a PDF file in
// printouts/ that starts at today's first line.
TEST_F(ActivityLogDialogs, TodaysLogPrintsAfterThePreviewFromTodaysFirstLine)
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "a printer is installed; this printout is about printing to a file";
    test::writeBytes(folder.file("bun4.dat"),
        "\r\n17:00 01/03/2026  Switched off.\r\nClerk: 1, Ann\r\n"
        "\r\n09:00 02/03/2026  Switched on.\r\n\r\n09:05 02/03/2026  Log on.\r\nClerk: 2, Bob\r\n");
    test::whenModalOpens<QPrintPreviewDialog>(
        [](QPrintPreviewDialog *preview) { EXPECT_TRUE(test::clickNamed(preview, "previewClose")); });
    EXPECT_EQ(printTodaysLog(shop, messages), PrintOutcome::Cancelled);
    EXPECT_FALSE(fileExists(folder.file("printouts")));

    test::whenModalOpens<QPrintPreviewDialog>(
        [](QPrintPreviewDialog *preview) { EXPECT_TRUE(test::clickNamed(preview, "previewPrint")); });
    EXPECT_EQ(printTodaysLog(shop, messages), PrintOutcome::Printed);
    const std::string pdf = folder.file("printouts/20260302-183000-log.pdf");
    EXPECT_EQ(messages.lastText(), "No printer is installed. Printed to the file " + pdf + ".");
    const std::string text = test::pdfText(pdf);
    // pdftotext reads "fi" as its ligature.
    EXPECT_NE(text.find("CORNER SHOP Log "), std::string::npos) << text;
    EXPECT_NE(text.find("le: 02/03/2026   Page: 1"), std::string::npos) << text;
    EXPECT_NE(text.find("09:00 02/03/2026 Switched on."), std::string::npos) << text;
    EXPECT_NE(text.find("Clerk: 2, Bob"), std::string::npos) << text;
    EXPECT_EQ(text.find("Switched off."), std::string::npos) << text;
}

// Each exit that prints shows every printout in the preview, prints it to a
// file, then ends the till.
TEST_F(ActivityLogDialogs, ExitsThatPrintShowEachPrintoutThenEndTheTill)
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "a printer is installed; these printouts are about printing to a file";
    const struct {
        Command command;
        std::vector<std::string> printouts;
    } cases[] = {
        { Command::ExitPrintLog, { "20260302-183000-log.pdf" } },
        { Command::ExitPrintReportAndLog,
            { "20260302-183000-status.pdf", "20260302-183000-log.pdf" } },
    };
    test::writeBytes(folder.file("bun4.dat"), "\r\n09:00 02/03/2026  Switched on.\r\n");
    for (const auto &c : cases) {
        SCOPED_TRACE(static_cast<int>(c.command));
        std::filesystem::remove_all(folder.file("printouts"));
        MainWindow window(shop, messages);
        connectFileCommands(window, shop, messages);
        int closed = 0;
        window.setOnClosed([&closed] { ++closed; });
        window.show();
        int previews = 0;
        std::function<void(QPrintPreviewDialog *)> print = [&](QPrintPreviewDialog *preview) {
            // Wait for the next printout only while one is still to come, so no
            // watch outlives the case.
            if (++previews < static_cast<int>(c.printouts.size()))
                test::whenModalOpens<QPrintPreviewDialog>(print, preview);
            EXPECT_TRUE(test::clickNamed(preview, "previewPrint"));
        };
        test::whenModalOpens<QPrintPreviewDialog>(print);
        window.menuActions().at(c.command)->trigger();
        EXPECT_EQ(previews, static_cast<int>(c.printouts.size()));
        for (const std::string &name : c.printouts)
            EXPECT_TRUE(fileExists(folder.file("printouts/" + name))) << name;
        EXPECT_EQ(closed, 1);
        EXPECT_FALSE(window.isVisible());
    }
}

} // namespace
} // namespace ovix
