// The real ovixreport on a shop folder built here: the reports' totals in
// the PDF it writes, the folder left byte for byte as it was (even while a
// till holds it), --help, and each wrong command line refused with status 2.

#include "platform/data_lock.h"
#include "reports/report_archive.h"
#include "store/customer_record.h"
#include "store/item_record.h"
#include "store/store_heading.h"
#include "store/till_config.h"
#include "store/till_config_file.h"
#include "support/test_support.h"

#include <QProcess>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <sys/stat.h>

namespace ovix::test {
namespace {

struct ProgramRun {
    int status = -1;
    std::string out;
    std::string err;
};

ProgramRun runReport(const std::vector<std::string> &args)
{
    QProcess process;
    QStringList list;
    for (const std::string &arg : args)
        list << QString::fromStdString(arg);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(OVIXREPORT_PATH), list);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
    }
    return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        process.readAllStandardOutput().toStdString(),
        process.readAllStandardError().toStdString() };
}

// The PDF's text with every run of spaces made one.
std::string pdfText(const std::string &path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
        { QStringLiteral("-layout"), QString::fromStdString(path), QStringLiteral("-") });
    process.waitForFinished(30000);
    std::string text;
    for (char c : process.readAllStandardOutput().toStdString()) {
        if (c == ' ' && !text.empty() && text.back() == ' ')
            continue;
        text += c;
    }
    return text;
}

// Every file and folder under `folder`, with the bytes of each file.
std::map<std::string, std::string> snapshot(const std::string &folder)
{
    std::map<std::string, std::string> entries;
    for (const auto &entry : std::filesystem::recursive_directory_iterator(folder))
        entries[entry.path().string()]
            = entry.is_regular_file() ? readBytes(entry.path().string()) : "<folder>";
    return entries;
}

bool contains(const std::string &text, const std::string &part)
{
    return text.find(part) != std::string::npos;
}

// Two days of March 2026 with known totals: the 2nd, 12.50 + 7.25 + 3.00
// (clerk 1) and 20.00 taxable with 2.00 tax (clerk 2), a 3.00 refund; the
// 3rd, 5.00 (clerk 1); an account payment that no report counts.
class ReportProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        const DataDir dir = shop.dir();
        TillConfig config;
        ASSERT_TRUE(storeTillConfig(dir, config));
        StoreHeading heading;
        heading.setLine(HeadingLine::SiteName, "Corner Shop");
        ASSERT_TRUE(storeStoreHeading(dir, heading));
        // One free slot in each record file, so the status report has files to count.
        writeBytes(shop.folder.file("film.dat"), std::string(kItemRecordSize, '\0'));
        writeBytes(shop.folder.file("member.dat"), std::string(kCustomerRecordSize, '\0'));
        shop.add({ 2026, 3, 2 }, "Cash",
            { { 1001, "Tea", 1, 12.50f, 0, 0, 6.00f }, { 1002, "Jam", 2, 7.25f, 0, 0, 3.10f } });
        shop.add({ 2026, 3, 2 }, "Cash", { { 1001, "Tea", 1, 12.50f, 0, 0, 6.00f } });
        shop.add({ 2026, 3, 2 }, "Credit card", { { 1003, "Cup", 3, 0, 20.00f, 2.00f, 9.00f } }, 2);
        shop.add({ 2026, 3, 2 }, "Refund", { { 1004, "Spoon", 3, 3.00f, 0, 0, 1.00f } });
        shop.add({ 2026, 3, 3 }, "Cash", { { 1002, "Jam", 2, 5.00f, 0, 0, 2.00f } });
        shop.add({ 2026, 3, 3 }, "Payment", { { 0, "On account", 0, 50.00f, 0, 0, 0 } });
        ::chmod(shop.folder.path().c_str(), 0700);
    }

    std::vector<std::string> withShop(std::vector<std::string> args) const
    {
        args.insert(args.end(), { "--shop", shop.folder.path(), "--pdf", pdf() });
        return args;
    }
    std::string pdf() const
    {
        return output.file("report.pdf");
    }

    ReportArchive shop;
    TempDir output;
};

TEST_F(ReportProgram, PrintsTheTotalsOfTheChosenDaysWhileTheTillHoldsTheShop)
{
    const struct {
        std::vector<std::string> args;
        std::vector<std::string> shown;
        std::vector<std::string> notShown;
    } cases[] = {
        // Both days: 12.50 + 7.25 + 12.50 + 5.00 - 3.00 non-taxable, 20.00 taxable.
        { { "sales", "--from", "02/03/2026", "--to", "2026-03-03" },
            { "Corner Shop", "Non taxable 34.25", "Taxable 20.00", "Tax 1 2.00", "Total 56.25" },
            {} },
        { { "sales", "--from", "03/03/2026" }, { "Non taxable 5.00", "Total 5.00" }, {} },
        { { "staff", "--clerk", "2", "--from", "01/03/2026", "--to", "31/03/2026" },
            { "Non taxable 0.00", "Taxable 20.00", "Total 22.00" }, {} },
        { { "item", "--item", "1001", "--from", "02/03/2026", "--to", "03/03/2026" },
            { "Total 25.00" }, {} },
        // Tea's two lines merged; refunds and account payments left out.
        { { "period-items", "--from", "02/03/2026", "--to", "03/03/2026" },
            { "1001, Tea, 1, 12.00, 25.00", "1002, Jam, 2, 5.10, 12.25",
                "Items: 5, Cost: 26.10, Retail: 57.25" },
            { "Spoon", "On account" } },
        { { "daily-items", "--from", "03/03/2026" }, { "Items: 1, Cost: 2.00, Retail: 5.00" },
            { "Tea" } },
        { { "period-items", "--from", "02/03/2026", "--to", "03/03/2026", "--include-refunds",
              "--exclude", "credit" },
            { "Refund: 1004, Spoon" }, { "Cup" } },
        { { "monthly-items", "--from", "2026-03-17" }, { "Items: 5," }, {} },
    };
    DataFolderLock till;
    ASSERT_TRUE(till.tryLock(shop.folder.path()));
    const auto before = snapshot(shop.folder.path());
    for (const auto &c : cases) {
        std::filesystem::remove(pdf());
        const ProgramRun run = runReport(withShop(c.args));
        SCOPED_TRACE(c.args.front() + " " + run.err);
        ASSERT_EQ(run.status, 0);
        EXPECT_TRUE(contains(run.out, "Printed to " + pdf())) << run.out;
        struct stat info { };
        ASSERT_EQ(::stat(pdf().c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0600u);
        const std::string text = pdfText(pdf());
        for (const std::string &part : c.shown)
            EXPECT_TRUE(contains(text, part)) << part << " not in\n" << text;
        for (const std::string &part : c.notShown)
            EXPECT_FALSE(contains(text, part)) << part << " in\n" << text;
        EXPECT_EQ(snapshot(shop.folder.path()), before);
        // Only the report appears beside it, no scratch folder.
        EXPECT_EQ(snapshot(output.path()).size(), 1u);
    }
    EXPECT_TRUE(till.isLocked());
}

// The log printouts and the units by category: what each prints, and a
// printout with nothing to print ends with status 1 and the till's reason.
TEST_F(ReportProgram, PrintsTheLogAndTheCategoriesOrSaysWhyNot)
{
    writeBytes(shop.folder.file("bun4.dat"),
        "\r\nSale 10:15 01/03/2026 early sale\r\nSale 11:20 02/03/2026 later sale\r\n");
    ::chmod(shop.folder.file("bun4.dat").c_str(), 0600);
    const struct {
        std::vector<std::string> args;
        int status;
        std::vector<std::string> shown; // in the PDF, or on standard error
        std::vector<std::string> notShown;
    } cases[] = {
        { { "log" }, 0, { "Corner Shop Log", "Page: 1", "early sale", "later sale" }, {} },
        { { "log-from", "--from", "02/03/2026" }, 0, { "later sale" }, { "early sale" } },
        { { "log-from", "--from", "05/03/2026" }, 1, { "no transactions found" }, {} },
        { { "old-log" }, 1, { "Previous log file does not yet exist." }, {} },
        { { "categories-day" }, 0, { "Corner Shop", "Units by category (day)" }, {} },
        { { "categories-month" }, 0, { "Units by category (month)" }, {} },
        { { "status" }, 0, { "Corner Shop", "Today's till takings: 0.00" }, {} },
    };
    const auto before = snapshot(shop.folder.path());
    for (const auto &c : cases) {
        std::filesystem::remove(pdf());
        const ProgramRun run = runReport(withShop(c.args));
        SCOPED_TRACE(c.args.front() + " " + run.err);
        ASSERT_EQ(run.status, c.status);
        EXPECT_EQ(std::filesystem::exists(pdf()), c.status == 0);
        const std::string text = c.status == 0 ? pdfText(pdf()) : run.err;
        for (const std::string &part : c.shown)
            EXPECT_TRUE(contains(text, part)) << part << " not in\n" << text;
        for (const std::string &part : c.notShown)
            EXPECT_FALSE(contains(text, part)) << part << " in\n" << text;
        EXPECT_EQ(snapshot(shop.folder.path()), before);
    }
}

TEST_F(ReportProgram, HelpListsEveryReportAndOption)
{
    const ProgramRun run = runReport({ "--help" });
    EXPECT_EQ(run.status, 0);
    for (const char *part : { "sales", "staff", "item", "daily-items", "weekly-items",
             "monthly-items", "period-items", "categories-day", "categories-month", "status",
             "log-today", "log-from", "old-log", "--shop DIR", "--pdf FILE", "--printer NAME",
             "--from DAY", "--to DAY", "--clerk N", "--item N", "--exclude LIST" })
        EXPECT_TRUE(contains(run.out, part)) << part;
}

TEST_F(ReportProgram, RefusesAWrongCommandLineWithStatusTwoAndOneLine)
{
    const std::string folder = shop.folder.path();
    const std::string file = pdf();
    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        { { "--pdf", file, "--shop", folder }, "name a report" },
        { { "weekly", "--pdf", file, "--shop", folder }, "unknown report weekly" },
        { { "sales", "daily-items", "--pdf", file }, "one report at a time" },
        { { "sales", "--pdf", file, "--shop", folder, "--from", "31/02/2026" },
            "bad date '31/02/2026'" },
        { { "sales", "--pdf", file, "--shop", folder, "--from", "29/02/2100" },
            "bad date '29/02/2100'" },
        { { "sales", "--pdf", file, "--shop", folder, "--from", "2026-13-01" },
            "bad date '2026-13-01'" },
        { { "sales", "--pdf", file, "--shop", folder, "--from", "3/3" }, "bad date '3/3'" },
        { { "sales", "--pdf", file, "--shop", folder, "--from", "1/1/1999" },
            "bad date '1/1/1999'" },
        { { "sales", "--pdf", file, "--shop", folder, "--from", "05/03/2026", "--to",
              "04/03/2026" },
            "the last day comes before the first day" },
        { { "sales", "--pdf", file, "--shop", folder + "/missing" },
            "shop folder " + folder + "/missing not found" },
        { { "sales", "--pdf", file, "--shop", output.path() },
            "no shop in " + output.path() + ": wr.cfg not found" },
        { { "sales", "--shop", folder }, "choose either --pdf FILE or --printer NAME" },
        { { "sales", "--shop", folder, "--pdf", file, "--printer", "Office" },
            "choose either --pdf FILE or --printer NAME" },
        { { "sales", "--shop", folder, "--printer", "No Such Printer 16" },
            "the printer No Such Printer 16 is not installed" },
        { { "staff", "--pdf", file, "--shop", folder }, "staff needs --clerk N" },
        { { "staff", "--pdf", file, "--shop", folder, "--clerk", "100" }, "--clerk needs" },
        { { "item", "--pdf", file, "--shop", folder, "--item", "x1" }, "--item needs" },
        { { "categories-day", "--pdf", file, "--shop", folder, "--from", "01/03/2026" },
            "categories-day takes no dates" },
        { { "daily-items", "--pdf", file, "--shop", folder, "--to", "01/03/2026" },
            "daily-items takes one day" },
        { { "period-items", "--pdf", file, "--shop", folder, "--exclude", "cash,gold" },
            "unknown tender 'gold'" },
        { { "period-items", "--pdf", file, "--shop", folder, "--category", "20" },
            "--category needs" },
        { { "sales", "--pdf", file, "--shop", folder, "--colour" }, "unknown option --colour" },
        { { "sales", "--shop", folder, "--pdf" }, "--pdf needs a value" },
    };
    const auto before = snapshot(folder);
    for (const auto &c : cases) {
        const ProgramRun run = runReport(c.args);
        SCOPED_TRACE(c.message);
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(contains(run.err, "ovixreport: " + c.message)) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_TRUE(run.out.empty()) << run.out;
        EXPECT_FALSE(std::filesystem::exists(file));
    }
    EXPECT_EQ(snapshot(folder), before);
}

} // namespace
} // namespace ovix::test
