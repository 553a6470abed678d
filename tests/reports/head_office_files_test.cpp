// The head office's report files: the daily overview, the daily item list and
// the reorder list as written into the shop folder, and the upload settings.

#include "comms/logic/upload_config.h"
#include "platform/scripted_messages.h"
#include "reports/list_shop.h"
#include "reports/logic/daily_overview.h"
#include "reports/logic/head_office_files.h"
#include "reports/logic/upload_settings.h"
#include "reports/report_archive.h"
#include "sales/logic/till_state.h"
#include "store/till_config.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

using namespace ovix;
using namespace ovix::test;

namespace {

constexpr LocalTime kNow { 2024, 3, 5, 17, 42, 0 }; // a Tuesday
constexpr size_t kWeekAgoAt = 7954 + 8 * 6; // the takings history entry of 27 February
constexpr size_t kUploadChoicesAt = 32400;  // wr.cfg: three int32, 0 or 2

// A day's totals written into a wr.cfg image at offsets typed by hand.
std::string dayTotals(double takings, double weekAgo)
{
    std::string bytes(kTillConfigSize, '\0');
    putI32(bytes, 1360, 88);   // next transaction number
    putI64(bytes, 320, 9);     // today's transactions
    putI64(bytes, 160, 21);    // today's items
    putI64(bytes, 888, 6);     // yesterday's transactions
    putI64(bytes, 880, 14);    // yesterday's items
    putI64(bytes, 960, 1);     // new customers
    putF64(bytes, 40958, takings);
    putF64(bytes, kWeekAgoAt, weekAgo);
    putF64(bytes, kWeekAgoAt + 8, 777.0); // eight days ago: another weekday
    const float counts[11] = { 3, 2, 1, 1, 1, 0, 0, 0, 1, 1, 0 };
    for (size_t i = 0; i < 11; ++i)
        putF32(bytes, 3030 + 4 * i, counts[i]);
    putF64(bytes, 40966, 60.1);  // cash sales
    putF64(bytes, 40974, 15.0);  // CH sales
    putF64(bytes, 41750, 20.2);  // EFT sales
    putF64(bytes, 41758, 5.0);   // credit sales
    putF64(bytes, 41766, -4.5);  // cash refunds
    putF64(bytes, 41798, 10.0);  // balance payments cash
    putF64(bytes, 41806, 2.5);   // balance payments CH
    putF64(bytes, 41822, 3.0);   // petty cash
    putF64(bytes, 41830, 20.0);  // cash back
    putF64(bytes, 41838, 30.3);  // non-taxable
    putF64(bytes, 41846, 70.0);  // taxable
    putF64(bytes, 41854, 100.3); // subtotal
    putF64(bytes, 41862, 14.0);  // tax 1
    putF64(bytes, 41870, 1.5);   // tax 2
    putF64(bytes, 41878, 115.8); // sales total
    putF64(bytes, 41894, 64.2);  // cost of sales
    return bytes;
}

class HeadOfficeFiles : public ::testing::Test {
protected:
    HeadOfficeFiles() : state(archive.folder.path())
    {
        state.config.assign(dayTotals(100.3, 80.24));
        state.heading.setLine(HeadingLine::SiteName, "CORNER SHOP \xA3");
        state.start.switchOnHour = 8;
        state.start.switchOnMinute = 5;
        upload.presetEmptyNames();
    }

    void choose(bool overview, bool items, bool reorder)
    {
        setHeadOfficeReportChosen(state.config, HeadOfficeReport::DailyOverview, overview);
        setHeadOfficeReportChosen(state.config, HeadOfficeReport::DailyItems, items);
        setHeadOfficeReportChosen(state.config, HeadOfficeReport::ReorderList, reorder);
    }
    void writeFilm(const std::vector<ListItem> &items)
    {
        std::string film;
        for (const ListItem &item : items)
            film += filmRecord(item);
        writeBytes(archive.folder.file("film.dat"), film);
    }
    std::optional<std::vector<std::string>> build()
    {
        return writeHeadOfficeFiles(state, upload, messages, kNow);
    }
    std::string file(const char *name) const
    {
        return readBytes(archive.folder.file(name));
    }

    ReportArchive archive;
    TillState state;
    UploadConfig upload;
    ScriptedMessages messages;
};

const char kOverview[] = "CORNER SHOP \xA3  17:42 Tuesday March 5 2024"
                         "\r\nToday's till takings: 100.30"
                         "\r\nOntime: 08:05  Transaction number: 88"
                         "\r\nInventory on the system: 0, Customers on the system: 0"
                         "\r\nToday transactions: 9 Items: 21"
                         "\r\nYesterday transactions: 6 Items: 14"
                         "\r\nToday vs. last Tuesday: 125.00%"
                         "\r\nNew customers: 1"
                         "\r\n\r\nCash sales (3): 60.10"
                         "\r\nCH sales (2): 15.00"
                         "\r\nEFT sales (1): 20.20"
                         "\r\nCredit sales (1): 5.00"
                         "\r\nTotal: 100.30"
                         "\r\n\r\nCash refunds (1): -4.50"
                         "\r\nCH refunds (0): 0.00"
                         "\r\nEFT refunds (0): 0.00"
                         "\r\nCredit refunds (0): 0.00"
                         "\r\nTotal: (-4.50)"
                         "\r\n\r\nNontaxable sales: 30.30"
                         "\r\nTaxable sales: 70.00"
                         "\r\nSub total: 100.30"
                         "\r\nTax 1: 14.00"
                         "\r\nTax 2: 1.50"
                         "\r\nTotal: 115.80"
                         "\r\n\r\nBalance payments cash (1): 10.00"
                         "\r\nBalance payments CH (1): 2.50"
                         "\r\nBalance payments EFT (0): 0.00"
                         "\r\nTotal: 12.50"
                         "\r\n(Excludes petty cash payments: 3.00)"
                         "\r\n(Excludes cash back: 20.00)"
                         "\r\n\r\nNet sales: 100.30"
                         "\r\nCost of sales: 64.20"
                         "\r\nGross profit: 36.10";

} // namespace

TEST_F(HeadOfficeFiles, TheOverviewOfAKnownDayIsWrittenWholeUnderItsName)
{
    choose(true, false, false);
    upload.setFileName(HeadOfficeReport::DailyOverview, "Day overview.txt");
    const auto written = build();
    ASSERT_TRUE(written) << messages.lastText();
    EXPECT_EQ(*written, std::vector<std::string>({ "Day overview.txt" }));
    EXPECT_EQ(file("Day overview.txt"), kOverview);
    EXPECT_TRUE(messages.shown.empty());
    struct stat info {};
    ASSERT_EQ(::stat(archive.folder.file("Day overview.txt").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST_F(HeadOfficeFiles, TodayAgainstTheSameWeekdayAWeekBeforeInWholeCents)
{
    const struct {
        double takings;
        double weekAgo;
        const char *line;
    } cases[] = {
        { 100.3, 80.24, "Today vs. last Tuesday: 125.00%" },
        { 0.0, 80.24, "Today vs. last Tuesday: 0.00%" },
        { 100.3, 0.0, "Today vs. last Tuesday: 0.00%" },
        { 0.0, 0.0, "Today vs. last Tuesday: 0.00%" },
        { 100.3, 0.004, "Today vs. last Tuesday: 0.00%" }, // less than a cent is nothing
        { -20.0, 80.0, "Today vs. last Tuesday: -25.00%" },
        { 1.0, 3.0, "Today vs. last Tuesday: 33.33%" },
    };
    for (const auto &c : cases) {
        TillConfig config;
        config.assign(dayTotals(c.takings, c.weekAgo));
        const std::string text = dailyOverviewText(config, {}, kNow);
        EXPECT_NE(text.find(std::string("\r\n") + c.line + "\r\nNew customers: 1"),
            std::string::npos)
            << c.takings << " against " << c.weekAgo;
    }
}

TEST_F(HeadOfficeFiles, OnlyTheReorderListChosenWritesOnlyIt)
{
    choose(false, false, true);
    writeFilm({
        { .number = 12, .description = "TEA", .quantity = 5, .reorder = 5, .onOrder = 2,
            .orderQuantity = 10, .orderCode = "T-12" },
        { .number = 13, .description = "COFFEE", .quantity = 9, .reorder = 4 },
        { .number = -1, .description = "DELETED", .quantity = 0, .reorder = 3 },
        { .number = 0, .description = "NEVER USED", .quantity = 0, .reorder = 3 },
        { .number = 14, .description = "HAMPER", .quantity = 0, .reorder = 3, .kind = 2 },
        { .number = 15, .description = "SUGAR \xE9", .quantity = -2, .reorder = 0,
            .orderCode = "" },
    });
    const auto written = build();
    ASSERT_TRUE(written) << messages.lastText();
    EXPECT_EQ(*written, std::vector<std::string>({ "Reorder.txt" }));
    EXPECT_EQ(file("Reorder.txt"),
        "Reorder list: CORNER SHOP \xA3\r\n"
        "Item, Restock level, In stock, On order, Order quantity, Order code\r\n"
        "12, TEA, 5,5,2,10, T-12\r\n"
        "15, SUGAR \xE9, 0,-2,0,0, \r\n");
    EXPECT_FALSE(fileExists(archive.folder.file("Activity.txt")));
    EXPECT_FALSE(fileExists(archive.folder.file("Dlyitems.txt")));
}

TEST_F(HeadOfficeFiles, AShopWellStockedListsOnlyTheHeadingsAndATornRecordEndsTheList)
{
    choose(false, false, true);
    writeFilm({
        { .number = 1, .description = "TEA", .quantity = 6, .reorder = 5 },
        { .number = 2, .description = "COFFEE", .quantity = 1, .reorder = 0 },
    });
    std::string torn = filmRecord({ .number = 3, .description = "SALT", .reorder = 9 });
    writeBytes(archive.folder.file("film.dat"),
        file("film.dat") + torn.substr(0, torn.size() - 1));
    ASSERT_TRUE(build()) << messages.lastText();
    EXPECT_EQ(file("Reorder.txt"),
        "Reorder list: CORNER SHOP \xA3\r\n"
        "Item, Restock level, In stock, On order, Order quantity, Order code\r\n");
}

TEST_F(HeadOfficeFiles, TheDailyItemListHoldsTheDaysSalesOnly)
{
    choose(false, true, false);
    const CalendarDay today { 2024, 3, 5 };
    archive.add(today, "Cash", { { 12, "TEA", 1, 0, 2.5f, 0.5f, 1.25f } }, 3);
    archive.add(today, "Refund", { { 12, "TEA", 1, 0, 2.5f, 0.5f, 1.25f } });
    archive.add(today, "Payment", { { 0, "PAYMENT", 0, 10.0f, 0, 0, 0 } });
    ASSERT_TRUE(build()) << messages.lastText();
    const std::string text = file("Dlyitems.txt");
    const std::string heading = "Daily item list: CORNER SHOP \xA3\r\n"
                                "Item, Description, Ntx, Tx, T1, T2, Cost, Total, ID, Assoc, "
                                "Payment\r\n";
    ASSERT_EQ(text.substr(0, heading.size()), heading);
    const std::string lines = text.substr(heading.size());
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 1) << lines;
    EXPECT_EQ(lines.rfind("12,TEA,", 0), 0u) << lines;
    EXPECT_NE(lines.find(",Cash\r\n"), std::string::npos) << lines;
}

TEST_F(HeadOfficeFiles, EachFailureEndsWithItsMessageAndNothingFurther)
{
    const struct {
        const char *what;
        bool overview, items, reorder;
        const char *overviewName;
        bool withFilm;
        const char *text;
        const char *caption;
    } cases[] = {
        { "nothing chosen", false, false, false, "Activity.txt", true, "No reports selected.",
            "Problem" },
        { "chosen but not named", true, false, false, "", true, "No reports selected.",
            "Problem" },
        { "no sales today", false, true, true, "Activity.txt", true, "No items for that day.",
            "Problem" },
        { "no film.dat", false, false, true, "Activity.txt", false,
            "Data file film.dat, not present.", "Fatal error" },
        { "a name reaching out of the shop folder", true, false, true, "../Activity.txt", true,
            "Unable to produce report file.", "Problem" },
        // As a damaged upload.cfg may name it: the item file would be replaced.
        { "the name of the shop's item file", true, false, true, "FILM.DAT", true,
            "Unable to produce report file.", "Problem" },
    };
    for (const auto &c : cases) {
        std::filesystem::remove(archive.folder.file("film.dat"));
        std::filesystem::remove(archive.folder.file("Reorder.txt"));
        if (c.withFilm)
            writeFilm({ { .number = 1, .description = "TEA", .quantity = 0, .reorder = 1 } });
        choose(c.overview, c.items, c.reorder);
        upload.setFileName(HeadOfficeReport::DailyOverview, c.overviewName);
        const std::string film = file("film.dat");
        ScriptedMessages told;
        EXPECT_FALSE(writeHeadOfficeFiles(state, upload, told, kNow)) << c.what;
        EXPECT_EQ(file("film.dat"), film) << c.what;
        EXPECT_EQ(told.lastText(), c.text) << c.what;
        EXPECT_EQ(told.lastCaption(), c.caption) << c.what;
        EXPECT_EQ(told.shown.size(), 1u) << c.what;
        EXPECT_FALSE(fileExists(archive.folder.file("Reorder.txt"))) << c.what;
    }
    EXPECT_FALSE(fileExists(archive.folder.file("../Activity.txt")));
}

TEST(UploadSettings, TheFormShowsTheStoredSettingsAndOkStoresThemWhenWritten)
{
    TempDir folder;
    DataDir dir(folder.path());
    TillConfig config;
    UploadConfig upload;
    upload.setServer("ftp.head.test");
    upload.setFileName(HeadOfficeReport::DailyItems, "ITEMS.TXT");
    config.set(cfg::headOfficeUpload, 2, 2);

    UploadSettingsForm form = uploadSettingsForm(config, upload);
    EXPECT_EQ(form.server, "ftp.head.test");
    EXPECT_EQ(form.fileNames,
        (std::array<std::string, 3> { "Activity.txt", "ITEMS.TXT", "Reorder.txt" }));
    EXPECT_EQ(form.chosen, (std::array<bool, 3> { false, false, true }));

    form.userName = "shop";
    form.password = "secret";
    form.chosen = { true, false, true };
    form.fileNames[0] = "A.TXT";
    ScriptedMessages messages;
    ASSERT_TRUE(saveUploadSettings(dir, config, upload, form, messages));
    EXPECT_TRUE(messages.shown.empty());
    const std::string wr(config.view());
    EXPECT_EQ(wr.substr(kUploadChoicesAt, 12), std::string("\2\0\0\0\0\0\0\0\2\0\0\0", 12));
    const std::string cfgFile = readBytes(folder.file("upload.cfg"));
    ASSERT_EQ(cfgFile.size(), 5040u);
    EXPECT_EQ(std::string(cfgFile.c_str() + 1640), "shop");
    EXPECT_EQ(std::string(cfgFile.c_str() + 1840), "secret");
    EXPECT_EQ(std::string(cfgFile.c_str() + 2640), "A.TXT");
    EXPECT_EQ(std::string(cfgFile.c_str() + 3040), "Reorder.txt");
    EXPECT_EQ(upload.userName(), "shop");
}

TEST(UploadSettings, ARefusedOrUnwrittenOkChangesNothing)
{
    TempDir folder;
    TillConfig config;
    UploadConfig upload;
    UploadSettingsForm form = uploadSettingsForm(config, upload);
    form.chosen = { true, true, true };
    form.server = "changed";

    const struct {
        const char *what;
        std::string folder;
        std::string overviewName;
        const char *text;
    } cases[] = {
        { "a folder in the name", folder.path(), "sub/A.TXT",
            "Please enter a file name without a folder." },
        { "a control character", folder.path(), "A\r\n.TXT",
            "Please enter a file name without a folder." },
        { "the shop's customer file", folder.path(), "Member.dat",
            "The shop keeps its own file under that name: please enter another name." },
        { "upload.cfg cannot be made", folder.file("gone"), "A.TXT",
            "Unable to create UPLOAD.CFG" },
    };
    for (const auto &c : cases) {
        form.fileNames[0] = c.overviewName;
        ScriptedMessages messages;
        EXPECT_FALSE(saveUploadSettings(DataDir(c.folder), config, upload, form, messages))
            << c.what;
        EXPECT_EQ(messages.lastText(), c.text) << c.what;
        EXPECT_EQ(messages.lastCaption(), "Problem") << c.what;
        EXPECT_EQ(upload.server(), "") << c.what;
        EXPECT_EQ(config.view(), TillConfig().view()) << c.what;
        EXPECT_FALSE(fileExists(folder.file("upload.cfg"))) << c.what;
    }
}
