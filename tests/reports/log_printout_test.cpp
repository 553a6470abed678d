// The printed log: lines cut at carriage returns and at 253 characters,
// control bytes dropped, a heading on every page and the closing line, and
// the four printouts' choice of text.

#include "platform/clock.h"
#include "platform/data_dir.h"
#include "platform/scripted_messages.h"
#include "print/logic/recording_print_device.h"
#include "reports/logic/log_printing.h"
#include "reports/logic/log_printout.h"
#include "support/golden_page.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace ovix {
namespace {

using Lines = std::vector<std::string>;

TEST(LogPrintLines, CarriageReturnsEndLinesAndControlBytesAreDropped)
{
    const struct {
        const char *name;
        std::string log;
        Lines lines;
    } cases[] = {
        { "empty", "", {} },
        { "event", "\r\n09:00 01/03/2026  Switched on.\r\n",
            { "", "09:00 01/03/2026  Switched on." } },
        { "no end", "a\r\nb", { "a", "b" } },
        { "blank lines kept", "a\r\n\r\n\r\nb\r\n", { "a", "", "", "b" } },
        { "tabs and bells dropped", "a\tb\x07" "c\x1e" "d\x1f" "e\r\n", { "ab" "c" "d\x1f" "e" } },
        { "Windows-1252 kept", "Caf\xE9 \x80" "5\r\n", { "Caf\xE9 \x80" "5" } },
    };
    for (const auto &c : cases)
        EXPECT_EQ(logPrintLines(c.log), c.lines) << c.name;
}

TEST(LogPrintLines, ALineLongerThanTheBufferGoesOnOverTheNextLines)
{
    const std::string longLine(253 * 2 + 7, 'x');
    const Lines lines = logPrintLines(longLine + "\r\nend");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], std::string(253, 'x'));
    EXPECT_EQ(lines[1], std::string(253, 'x'));
    EXPECT_EQ(lines[2], std::string(7, 'x'));
    EXPECT_EQ(lines[3], "end");
    EXPECT_EQ(logPrintLines(std::string(253, 'y')), Lines { std::string(253, 'y') });
}

// A page that holds a heading and four lines.
RecordingPageSetup shortPage()
{
    RecordingPageSetup setup;
    setup.pageWidth = 21000;
    setup.printableWidth = 20000;
    setup.printableHeight = 2000;
    setup.pageHeight = 2000;
    return setup;
}

TEST(LogPrintout, EveryPageHasItsHeadingAndTheLastLineIsTwoSpaces)
{
    RecordingPrintDevice device(shortPage());
    const std::string log = "\r\n09:00 01/03/2026  Switched on.\r\n"
                            "\r\n10:15 01/03/2026 Sale: 7, Total: 1.00\r\n"
                            "12  BOOK\r\nClerk: 1, Ann   Items: 1\r\nPayment type: Cash\r\n"
                            "\r\n18:00 01/03/2026  Switched off.\r\nClerk: 1, Ann\r\n";
    drawLogPrintout(
        device, logPrintLines(log), "CORNER SHOP", LocalTime { 2026, 3, 2, 8, 0, 0 });
    EXPECT_TRUE(test::matchesGoldenPage(device.transcript(), "reports/data/log_printout.txt"));
}

TEST(LogPrintout, AnEmptyLogPrintsTheHeadingAndTheClosingLine)
{
    RecordingPrintDevice device(shortPage());
    drawLogPrintout(device, {}, "SHOP", LocalTime { 2026, 1, 5, 8, 0, 0 });
    EXPECT_TRUE(test::matchesGoldenPage(device.transcript(), "reports/data/log_printout_empty.txt"));
}

class LogTextToPrint : public ::testing::Test {
protected:
    test::TempDir folder;
    DataDir dir { folder.path() };
    ScriptedMessages messages;
    const LocalTime today { 2026, 1, 1, 9, 0, 0 };
    const std::string current = "\r\n09:00 31/12/2025  Switched on.\r\n"
                                "\r\n09:01 01/01/2026  Switched on.\r\n";
    const std::string previous = "\r\n09:00 30/12/2025  Switched on.\r\n";
};

TEST_F(LogTextToPrint, EachPrintoutTakesItsFileFromItsStartOrItsDay)
{
    test::writeBytes(folder.file("bun4.dat"), current);
    test::writeBytes(folder.file("bun2.dat"), previous);
    EXPECT_EQ(logTextToPrint(dir, LogPrintout::WholeLog, today, messages), current);
    EXPECT_EQ(logTextToPrint(dir, LogPrintout::OldLog, today, messages), previous);
    EXPECT_EQ(logTextToPrint(dir, LogPrintout::Today, today, messages),
        "09:01 01/01/2026  Switched on.\r\n");
    messages.textReplies = { "31/12/2025" };
    EXPECT_EQ(logTextToPrint(dir, LogPrintout::FromDay, today, messages), current.substr(2));
    EXPECT_TRUE(messages.shown.size() == 1u && messages.shown[0].text == "Enter day (DD/MM/YYYY):");
}

TEST_F(LogTextToPrint, WhatCannotBePrintedIsToldAndNothingIsPrinted)
{
    const struct {
        const char *name;
        bool withPrevious;
        LogPrintout printout;
        std::optional<std::string> typed;
        const char *text;
        const char *caption;
    } cases[] = {
        { "day only in bun2.dat", true, LogPrintout::FromDay, "30/12/2025",
            "Please check 'old log file' for prior operations",
            "Problem, no transactions found for that date" },
        { "no leading zeros", true, LogPrintout::FromDay, "1/1/2026", "Invalid date", "Problem" },
        { "no such day", true, LogPrintout::FromDay, "30/02/2026", "Invalid date", "Problem" },
        { "typing cancelled", true, LogPrintout::FromDay, std::nullopt, "Enter day (DD/MM/YYYY):",
            "Print log from a specific day" },
        { "no previous log", false, LogPrintout::OldLog, std::nullopt,
            "Previous log file does not yet exist.", "Problem" },
    };
    test::writeBytes(folder.file("bun4.dat"), current);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ::unlink(folder.file("bun2.dat").c_str());
        if (c.withPrevious)
            test::writeBytes(folder.file("bun2.dat"), previous);
        ScriptedMessages told;
        told.textReplies = { c.typed };
        EXPECT_FALSE(logTextToPrint(dir, c.printout, today, told));
        EXPECT_EQ(told.lastText(), c.text);
        EXPECT_EQ(told.lastCaption(), c.caption);
    }
}

TEST_F(LogTextToPrint, TodayNotYetInTheLogAndAMissingLogAreTold)
{
    test::writeBytes(folder.file("bun4.dat"), current);
    EXPECT_FALSE(logTextToPrint(dir, LogPrintout::Today, LocalTime { 2026, 1, 2 }, messages));
    EXPECT_EQ(messages.lastText(), "Please check 'old log file' for prior operations");
    ::unlink(folder.file("bun4.dat").c_str());
    EXPECT_FALSE(logTextToPrint(dir, LogPrintout::WholeLog, today, messages));
    EXPECT_EQ(messages.lastText(), "Data file: bun4.dat.");
}

TEST_F(LogTextToPrint, LogPrintoutsAskForThePrinterAfterThePreview)
{
    const PrintRequest request = logPrintRequest(dir);
    EXPECT_TRUE(request.preview);
    EXPECT_EQ(request.printer, PrinterChoice::Dialog);
    EXPECT_EQ(request.pdfFolder, folder.file("printouts"));
    EXPECT_EQ(request.kind, "log");
}

} // namespace
} // namespace ovix
