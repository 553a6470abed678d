#include "platform/clock.h"
#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/file_access.h"
#include "platform/scripted_messages.h"
#include "store/data_set.h"
#include "store/record_kinds.h"
#include "support/failing_reads.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

using namespace ovix;
using ovix::test::TempDir;

namespace {

constexpr size_t kItem = 1874;
constexpr size_t kCustomer = 2094;
constexpr size_t kSupplier = 1058;
constexpr size_t kReminder = 12932;
constexpr size_t kConfig = 42550;

const LocalTime kNow{.year = 2024, .month = 3, .day = 5, .hour = 9, .minute = 7};

// Every file of a folder with its bytes, to show that nothing changed.
std::map<std::string, std::string> snapshot(const std::string &folder)
{
    std::map<std::string, std::string> files;
    for (const auto &entry : std::filesystem::directory_iterator(folder))
        files[entry.path().filename().string()] = test::readBytes(entry.path().string());
    return files;
}

std::string blankReminders()
{
    std::string bytes(30 * kReminder, '\0');
    for (size_t k = 0; k < 30; ++k)
        test::putI32(bytes, k * kReminder, static_cast<int32_t>(k));
    return bytes;
}

std::string freeRecord(size_t size)
{
    std::string bytes(size, '\0');
    test::putI64(bytes, 0, -1);
    return bytes;
}

} // namespace

TEST(CreateDataSet, WritesTheFiveFilesOfAnEmptyShop)
{
    TempDir dir;
    ScriptedMessages messages;
    ASSERT_TRUE(createDataSet(DataDir(dir.path()), kNow, "\xA3", messages));
    EXPECT_TRUE(messages.shown.empty());

    auto files = snapshot(dir.path());
    ASSERT_EQ(files.size(), 5u); // no temporary files left behind
    EXPECT_EQ(files["film.dat"], freeRecord(kItem));
    EXPECT_EQ(files["member.dat"], freeRecord(kCustomer));
    EXPECT_EQ(files["mans.dat"], freeRecord(kSupplier));
    EXPECT_EQ(files["resn.dat"], blankReminders());

    const std::string &cfg = files["wr.cfg"];
    ASSERT_EQ(cfg.size(), kConfig);
    EXPECT_EQ(test::getI32(cfg, 72), 99);
    EXPECT_EQ(test::getI32(cfg, 76), 0); // first start still applies the first-use defaults
    const int32_t switchOff[] = {7, 9, 5, 3, 2024};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(test::getI32(cfg, 480 + 4 * i), switchOff[i]) << i;
    const int32_t date[] = {5, 3, 2024};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(test::getI32(cfg, 40126 + 4 * i), date[i]) << i;
        EXPECT_EQ(test::getI32(cfg, 40138 + 4 * i), date[i]) << i;
    }
    EXPECT_EQ(test::getF32(cfg, 3342), 100.0f);
    EXPECT_EQ(test::getI32(cfg, 40222), 14);
    EXPECT_EQ(test::getI32(cfg, 40226), 15);
    EXPECT_EQ(test::getI32(cfg, 40234), 15);
    EXPECT_EQ(test::getText(cfg, 1368, 5), "\xA3");
    for (int band = 1; band <= 8; ++band) {
        EXPECT_EQ(test::getI32(cfg, 40 + 4 * (band - 1)), band);
        EXPECT_EQ(test::getI64(cfg, 1048 + 8 * (band - 1)), band);
    }
    EXPECT_EQ(test::getI64(cfg, 1112), 2);
    EXPECT_EQ(test::getI64(cfg, 1144), 2000);
    EXPECT_EQ(test::getText(cfg, 1409, 6), "TAX 1");
    EXPECT_EQ(test::getText(cfg, 1415, 6), "TAX 2");
    EXPECT_EQ(test::getI32(cfg, 1360), 1);
    EXPECT_EQ(test::getText(cfg, 38842, 254), "Always happy to help!");
    EXPECT_EQ(cfg.substr(9, 3), "ALC");
    EXPECT_EQ(cfg.substr(33, 3), "DVD");
    EXPECT_EQ(cfg.substr(1382, 3), "FRO");
    EXPECT_EQ(cfg.substr(1406, 3), "WIN");
    EXPECT_EQ(test::getText(cfg, 34792, 30), "Administrator");
    EXPECT_EQ(test::getText(cfg, 34822, 30), "Manager");
    EXPECT_EQ(test::getText(cfg, 34852, 30), "Clerk 3");
    EXPECT_EQ(test::getText(cfg, 34762 + 30 * 99, 30), "Clerk 99");
    EXPECT_EQ(test::getText(cfg, 37772, 10), "7351");
    EXPECT_EQ(test::getText(cfg, 37762 + 10 * 99, 10), "7351");
    EXPECT_EQ(test::getI64(cfg, 1000), 0);
    EXPECT_EQ(test::getI64(cfg, 1008), 0);
}

TEST(CreateDataSet, RefusesWhenAnyDataFileIsThereAndChangesNothing)
{
    for (const char *present : {"FILM.DAT", "film.dat", "Member.Dat", "mans.dat", "WR.CFG",
                                "resn.dat"}) {
        TempDir dir;
        test::writeBytes(dir.file(present), "someone's data");
        test::writeBytes(dir.file("bun4.dat"), "log");
        const auto before = snapshot(dir.path());
        ScriptedMessages messages;
        EXPECT_FALSE(createDataSet(DataDir(dir.path()), kNow, "$", messages)) << present;
        EXPECT_EQ(snapshot(dir.path()), before) << present;
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.lastCaption(), "Problem");
        EXPECT_NE(messages.lastText().find(present), std::string::npos) << messages.lastText();
    }
}

TEST(CreateDataSet, FailureAtAnyWriteLeavesTheFolderAsItWas)
{
    bool succeeded = false;
    for (int n = 1; n <= 40 && !succeeded; ++n) {
        for (bool syncFault : {false, true}) {
            TempDir dir;
            test::writeBytes(dir.file("ADDRESS.VT"), "heading");
            const auto before = snapshot(dir.path());
            FaultyFileAccess faulty;
            if (syncFault)
                faulty.faultSyncNumber(n, FaultyFileAccess::Mode::Fail);
            else
                faulty.faultWriteNumber(n, FaultyFileAccess::Mode::Fail);
            setFileAccess(&faulty);
            ScriptedMessages messages;
            bool ok = createDataSet(DataDir(dir.path()), kNow, "$", messages);
            setFileAccess(nullptr);
            if (ok) {
                EXPECT_EQ(snapshot(dir.path()).size(), 6u);
                EXPECT_TRUE(messages.shown.empty());
                succeeded = succeeded || !syncFault;
                continue;
            }
            EXPECT_EQ(snapshot(dir.path()), before) << (syncFault ? "sync " : "write ") << n;
            ASSERT_FALSE(messages.shown.empty());
            EXPECT_EQ(messages.lastCaption(), "Problem");
        }
    }
    EXPECT_TRUE(succeeded);
}

namespace {

// film.dat: a good item on loan, number 0, a negative number, a repeat of the
// first number, an item deleted by the till (-1, description tail kept), an
// item needing nothing, and a number repeated further on.
std::string handBuiltItems()
{
    std::string bytes(7 * kItem, '\0');
    auto item = [&](size_t slot, int64_t number, std::string_view description) {
        const size_t at = slot * kItem;
        test::putI64(bytes, at, number);
        test::putText(bytes, at + 8, description);
        test::putI32(bytes, at + 670, static_cast<int32_t>(10 + slot)); // quantity
        test::putF32(bytes, at + 822, 1.25f);                           // retail price
        test::putText(bytes, at + 1810, "12:3001/02/2024");             // last used
        return at;
    };
    size_t at = item(0, 5, "APPLES");
    test::putI64(bytes, at + 1826, 3);
    test::putText(bytes, at + 1834, "10:0001/03/2024");
    item(1, 0, "NUMBER ZERO");
    at = item(2, -7, "NEGATIVE");
    test::putI64(bytes, at + 1826, 4);
    at = item(3, 5, "REPEATED FIVE");
    test::putText(bytes, at + 1834, "10:0002/03/2024");
    at = item(4, -1, "xxLETED ITEM");
    bytes[at + 8] = bytes[at + 9] = '\0';
    item(5, 8, "PEARS");
    item(6, 8, "PEARS AGAIN");
    return bytes;
}

std::string expectedItems()
{
    std::string bytes = handBuiltItems();
    for (size_t slot = 0; slot < 7; ++slot) {
        const size_t at = slot * kItem;
        if (slot != 0 && slot != 5) {
            test::putI64(bytes, at, -1);
            std::fill_n(bytes.begin() + static_cast<long>(at + 8), 82, '\0');
        }
        test::putI64(bytes, at + 1826, 0);
        std::fill_n(bytes.begin() + static_cast<long>(at + 1834), 16, '\0');
    }
    return bytes;
}

void fillLoans(std::string &bytes, size_t at)
{
    test::putI32(bytes, at + 1154, 11);          // loan table 1
    test::putI32(bytes, at + 1154 + 76, 12);     // its last int
    test::putText(bytes, at + 1234, "TABLE TWO");
    test::putText(bytes, at + 1394 + 144, "TABLE THREE");
    test::putI64(bytes, at + 1590, 5);           // items on loan
    test::putI64(bytes, at + 1590 + 72, 8);
    test::putI32(bytes, at + 1670 + 40, 13);     // loan table 4
    test::putText(bytes, at + 1750, "10:0001/03/2024");
    test::putText(bytes, at + 1910 + 144, "10:0008/03/2024");
}

std::string handBuiltCustomers()
{
    std::string bytes(3 * kCustomer, '\0');
    test::putI64(bytes, 0, 3);
    test::putText(bytes, 8, "SMITH");
    test::putF32(bytes, 1554, 45.5f); // balance
    fillLoans(bytes, 0);
    test::putI64(bytes, kCustomer, 3);
    test::putText(bytes, kCustomer + 8, "SMITH COPY");
    test::putText(bytes, kCustomer + 38, "1 HIGH ROAD");
    fillLoans(bytes, kCustomer);
    test::putI64(bytes, 2 * kCustomer, 4);
    test::putText(bytes, 2 * kCustomer + 8, "JONES");
    return bytes;
}

std::string expectedCustomers()
{
    std::string bytes = handBuiltCustomers();
    for (size_t slot = 0; slot < 2; ++slot) {
        const size_t at = slot * kCustomer;
        std::fill_n(bytes.begin() + static_cast<long>(at + 1154), 1394 + 160 - 1154, '\0');
        std::fill_n(bytes.begin() + static_cast<long>(at + 1590), 2070 - 1590, '\0');
    }
    test::putI64(bytes, kCustomer, -1);
    std::fill_n(bytes.begin() + static_cast<long>(kCustomer + 8), 30, '\0');
    return bytes;
}

std::string handBuiltSuppliers()
{
    std::string bytes(3 * kSupplier, '\0');
    test::putI64(bytes, 0, 2);
    test::putText(bytes, 8, "NORTHERN WHOLESALE");
    test::putI64(bytes, kSupplier, 2);
    test::putText(bytes, kSupplier + 8, "NORTHERN AGAIN");
    test::putText(bytes, kSupplier + 66, "MILL ROAD");
    test::putI64(bytes, 2 * kSupplier, 0);
    test::putText(bytes, 2 * kSupplier + 8, "NO NUMBER");
    return bytes;
}

std::string expectedSuppliers()
{
    std::string bytes = handBuiltSuppliers();
    for (size_t slot : {size_t{1}, size_t{2}}) {
        test::putI64(bytes, slot * kSupplier, -1);
        std::fill_n(bytes.begin() + static_cast<long>(slot * kSupplier + 8), 42, '\0');
    }
    return bytes;
}

void writeHandBuiltSet(const TempDir &dir)
{
    test::writeBytes(dir.file("FILM.DAT"), handBuiltItems());
    test::writeBytes(dir.file("member.dat"), handBuiltCustomers());
    test::writeBytes(dir.file("mans.dat"), handBuiltSuppliers());
    test::writeBytes(dir.file("resn.dat"), blankReminders());
}

} // namespace

TEST(RebuildDataSet, FreesBadAndRepeatedNumbersAndClearsLoans)
{
    TempDir dir;
    writeHandBuiltSet(dir);
    FaultyFileAccess counting;
    setFileAccess(&counting);
    ScriptedMessages messages;
    bool ok = rebuildDataSet(DataDir(dir.path()), messages);
    setFileAccess(nullptr);
    ASSERT_TRUE(ok);
    EXPECT_EQ(test::readBytes(dir.file("FILM.DAT")), expectedItems());
    EXPECT_EQ(test::readBytes(dir.file("member.dat")), expectedCustomers());
    EXPECT_EQ(test::readBytes(dir.file("mans.dat")), expectedSuppliers());
    EXPECT_FALSE(fileExists(dir.file("film.dat")));
    // Only the records that change are written: items 0-4 and 6, customers 0
    // and 1, suppliers 1 and 2.
    EXPECT_EQ(counting.writes(), 6 + 2 + 2);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.lastText(), "Complete.");
    EXPECT_EQ(messages.lastCaption(), "File rebuild");

    // A second run finds nothing to do.
    FaultyFileAccess again;
    setFileAccess(&again);
    EXPECT_TRUE(rebuildDataSet(DataDir(dir.path()), messages));
    setFileAccess(nullptr);
    EXPECT_EQ(again.writes(), 0);
}

TEST(RebuildDataSet, WorksAcrossLargeFilesReadInChunks)
{
    TempDir dir;
    const size_t count = 1500;
    std::string items(count * kItem, '\0');
    for (size_t slot = 0; slot < count; ++slot)
        test::putI64(items, slot * kItem, static_cast<int64_t>(slot + 1));
    test::putI64(items, 1200 * kItem, 7); // repeats slot 6 across a chunk boundary
    test::putText(items, 1200 * kItem + 8, "LATE REPEAT");
    test::writeBytes(dir.file("film.dat"), items);
    test::writeBytes(dir.file("member.dat"), freeRecord(kCustomer));
    test::writeBytes(dir.file("mans.dat"), freeRecord(kSupplier));
    test::writeBytes(dir.file("resn.dat"), blankReminders());
    ScriptedMessages messages;
    ASSERT_TRUE(rebuildDataSet(DataDir(dir.path()), messages));
    test::putI64(items, 1200 * kItem, -1);
    std::fill_n(items.begin() + static_cast<long>(1200 * kItem + 8), 82, '\0');
    EXPECT_EQ(test::readBytes(dir.file("film.dat")), items);
}

TEST(RebuildDataSet, ProblemFilesStopItBeforeAnythingIsWritten)
{
    struct Case {
        const char *file;
        std::string bytes; // what the file is replaced by; "-" removes it
        const char *message;
        const char *caption;
    };
    const Case cases[] = {
        {"FILM.DAT", "-", "Data file: film.dat, not present.", "Fatal error"},
        {"FILM.DAT", "", "Data file: film.dat, no data.", "Fatal error"},
        {"FILM.DAT", std::string(kItem - 1, 'a'), "Data file: film.dat, corrupt.", "Fatal error"},
        {"member.dat", "-", "Data file: member.dat, not present.", "Fatal error"},
        {"member.dat", "", "Data file: member.dat, no data.", "Fatal error"},
        {"member.dat", std::string(kCustomer + 1, 'a'), "Data file: member.dat, corrupt.",
         "Fatal error"},
        {"mans.dat", "-", "Data file: mans.dat, not present.", "Fatal error"},
        {"mans.dat", "", "Data file: mans.dat, no data.", "Fatal error"},
        {"mans.dat", std::string(67, 'a'), "Data file: mans.dat, corrupt.", "Fatal error"},
        {"resn.dat", "-", "Data file: resn.dat.", "Problem"},
        {"resn.dat", std::string(kReminder, '\0'), "Data file: resn.dat.", "Problem"},
    };
    for (const Case &c : cases) {
        TempDir dir;
        writeHandBuiltSet(dir);
        if (c.bytes == "-")
            std::filesystem::remove(dir.file(c.file));
        else
            test::writeBytes(dir.file(c.file), c.bytes);
        const auto before = snapshot(dir.path());
        ScriptedMessages messages;
        EXPECT_FALSE(rebuildDataSet(DataDir(dir.path()), messages)) << c.message;
        EXPECT_EQ(snapshot(dir.path()), before) << c.message;
        ASSERT_EQ(messages.shown.size(), 1u) << c.message;
        EXPECT_EQ(messages.lastText(), c.message);
        EXPECT_EQ(messages.lastCaption(), c.caption);
    }
}

TEST(RebuildDataSet, LeavesThePlaceholderSupplierFile)
{
    TempDir dir;
    writeHandBuiltSet(dir);
    const std::string placeholder(66, 'p');
    test::writeBytes(dir.file("mans.dat"), placeholder);
    ScriptedMessages messages;
    ASSERT_TRUE(rebuildDataSet(DataDir(dir.path()), messages));
    EXPECT_EQ(test::readBytes(dir.file("mans.dat")), placeholder);
    EXPECT_EQ(test::readBytes(dir.file("FILM.DAT")), expectedItems());
}

TEST(RebuildDataSet, AFailedWriteIsReportedAndARerunFinishes)
{
    TempDir dir;
    writeHandBuiltSet(dir);
    FaultyFileAccess faulty;
    faulty.faultWriteNumber(3, FaultyFileAccess::Mode::Fail);
    setFileAccess(&faulty);
    ScriptedMessages messages;
    bool ok = rebuildDataSet(DataDir(dir.path()), messages);
    setFileAccess(nullptr);
    EXPECT_FALSE(ok);
    EXPECT_EQ(messages.lastText(), "Not able to write to film.dat");
    EXPECT_EQ(messages.lastCaption(), "Problem");
    // Records are written whole: the file still holds sound records.
    EXPECT_EQ(fileSize(dir.file("FILM.DAT")), static_cast<int64_t>(7 * kItem));
    EXPECT_EQ(test::readBytes(dir.file("member.dat")), handBuiltCustomers());

    ASSERT_TRUE(rebuildDataSet(DataDir(dir.path()), messages));
    EXPECT_EQ(test::readBytes(dir.file("FILM.DAT")), expectedItems());
    EXPECT_EQ(test::readBytes(dir.file("member.dat")), expectedCustomers());
}

TEST(RebuildDataSet, AnUnreadableFileIsReportedAndLeftAsItWas)
{
    TempDir dir;
    writeHandBuiltSet(dir);
    ScriptedMessages messages;
    {
        test::FailingReads failing(dir.file("member.dat"), kCustomer + 10, kCustomer + 11);
        EXPECT_FALSE(rebuildDataSet(DataDir(dir.path()), messages));
        EXPECT_GT(failing.failures(), 0);
    }
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.lastText(), "Not able to read member.dat");
    EXPECT_EQ(messages.lastCaption(), "Problem");
    EXPECT_EQ(test::readBytes(dir.file("FILM.DAT")), expectedItems()); // done before it
    EXPECT_EQ(test::readBytes(dir.file("member.dat")), handBuiltCustomers());
    EXPECT_EQ(test::readBytes(dir.file("mans.dat")), handBuiltSuppliers());
}

namespace {

bool validEan13(const std::string &code)
{
    if (code.size() != 13 || code.find_first_not_of("0123456789") != std::string::npos)
        return false;
    int sum = 0;
    for (size_t i = 0; i < 13; ++i)
        sum += (code[i] - '0') * (i % 2 == 0 ? 1 : 3);
    return sum % 10 == 0;
}

} // namespace

TEST(DemoShop, ABelievableShopReadableByTheTill)
{
    TempDir dir;
    DataDir data(dir.path());
    ScriptedMessages messages;
    ASSERT_TRUE(createDataSet(data, kNow, "\xA3", messages));
    ASSERT_TRUE(addDemoShop(data, kNow, messages));
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText();

    ItemIndex items(data);
    CustomerIndex customers(data);
    SupplierIndex suppliers(data);
    ASSERT_TRUE(items.load(messages) && customers.load(messages) && suppliers.load(messages));
    EXPECT_GE(items.liveCount(), 60);
    EXPECT_EQ(customers.liveCount(), 10);
    EXPECT_EQ(suppliers.liveCount(), 3);

    // The files read byte by byte, as the publisher program would.
    const std::string film = test::readBytes(dir.file("film.dat"));
    ASSERT_EQ(film.size() % kItem, 0u);
    std::map<int64_t, size_t> slotOf;
    for (size_t at = 0; at < film.size(); at += kItem)
        slotOf[test::getI64(film, at)] = at;
    int bundles = 0, bogof = 0, ageChecks = 0, barcodes = 0;
    std::set<int32_t> categories, taxCodes;
    int64_t highest = 0;
    for (size_t at = 0; at < film.size(); at += kItem) {
        const int64_t number = test::getI64(film, at);
        ASSERT_GT(number, 0);
        highest = std::max(highest, number);
        const std::string description = test::getText(film, at + 8, 82);
        EXPECT_GE(description.size(), 2u);
        EXPECT_LE(description.size(), 38u);
        EXPECT_EQ(description.find_first_of("abcdefghijklmnopqrstuvwxyz"), std::string::npos);
        const std::string sku1 = test::getText(film, at + 90, 40);
        if (!sku1.empty()) {
            EXPECT_TRUE(validEan13(sku1)) << sku1;
            ++barcodes;
        }
        const std::string added = test::getText(film, at + 630, 20);
        EXPECT_EQ(added, "05/03/2024");
        const int32_t picture = test::getI32(film, at + 1202);
        EXPECT_TRUE(picture >= 1 && picture <= 24) << picture;
        categories.insert(test::getI32(film, at + 1787));
        bogof += test::getI32(film, at + 1270) == 2;
        if (test::getI32(film, at + 1214) != 0) {
            EXPECT_EQ(test::getI32(film, at + 1214), 18);
            ++ageChecks;
        }
        if (test::getI32(film, at + 1802) == 2) {
            ++bundles;
            // Components: format, component_2 and _3, then _4 to _6.
            const size_t fields[] = {270, 1697, 1717, 590, 610, 650};
            int used = 0;
            for (int c = 0; c < 6; ++c) {
                const std::string text = test::getText(film, at + fields[c], 20);
                if (text.empty())
                    continue;
                ++used;
                const int64_t component = std::stoll(text);
                ASSERT_TRUE(slotOf.count(component)) << text;
                EXPECT_NE(test::getI32(film, slotOf[component] + 1802), 2);
                const int32_t quantity = test::getI32(film, at + 1246 + 4 * c);
                EXPECT_TRUE(quantity >= 1 && quantity <= 50);
                const int32_t free = test::getI32(film, at + 1222 + 4 * c);
                EXPECT_TRUE(free == 0 || free == 2);
            }
            EXPECT_GE(used, 2);
            continue;
        }
        taxCodes.insert(test::getI32(film, at + 686));
        const float cost = test::getF32(film, at + 814);
        const float trade = test::getF32(film, at + 818);
        const float retail = test::getF32(film, at + 822);
        EXPECT_GT(retail, 0.0f) << description;
        EXPECT_LE(cost, trade) << description;
        EXPECT_LE(trade, retail) << description;
        EXPECT_GE(test::getI32(film, at + 670), 0);
    }
    EXPECT_EQ(bundles, 1);
    EXPECT_EQ(bogof, 1);
    EXPECT_EQ(ageChecks, 1);
    EXPECT_GE(barcodes, 20);
    EXPECT_EQ(categories.size(), 18u);
    EXPECT_EQ(*categories.begin(), 0);
    EXPECT_EQ(*categories.rbegin(), 17);
    EXPECT_EQ(taxCodes, (std::set<int32_t>{0, 1, 2, 3}));

    const std::string members = test::readBytes(dir.file("member.dat"));
    int withBalance = 0;
    for (size_t at = 0; at < members.size(); at += kCustomer) {
        if (test::getI64(members, at) <= 0)
            continue;
        EXPECT_GE(test::getText(members, at + 8, 30).size(), 2u);
        EXPECT_FALSE(test::getText(members, at + 38, 30).empty());
        EXPECT_FALSE(test::getText(members, at + 138, 20).empty());
        const int32_t terms = test::getI32(members, at + 1006);
        EXPECT_TRUE(terms >= 1 && terms <= 8);
        const int32_t group = test::getI32(members, at + 652);
        EXPECT_TRUE(group >= 1 && group <= 2000);
        EXPECT_EQ(test::getI64(members, at + 1582), 1);
        EXPECT_EQ(test::getText(members, at + 1122, 16), "09:0705/03/2024");
        const float balance = test::getF32(members, at + 1554);
        if (balance > 0) {
            ++withBalance;
            EXPECT_LE(balance, test::getF32(members, at + 1558));
        }
    }
    EXPECT_GE(withBalance, 2);

    const std::string cfg = test::readBytes(dir.file("wr.cfg"));
    ASSERT_EQ(cfg.size(), kConfig);
    EXPECT_EQ(test::getI64(cfg, 1000), highest);
    EXPECT_EQ(test::getI64(cfg, 1008), 10);
    EXPECT_EQ(items.offerNumber(test::getI64(cfg, 1000)), highest + 1);

    const std::string heading = test::readBytes(dir.file("ADDRESS.VT"));
    ASSERT_EQ(heading.size(), 7u * 42u);
    for (size_t line = 0; line < 6; ++line)
        EXPECT_FALSE(test::getText(heading, line * 42, 42).empty()) << line;
}

TEST(DemoShop, KeepsTheShopsOwnHeadingAndNeedsADataSet)
{
    TempDir dir;
    DataDir data(dir.path());
    ScriptedMessages messages;
    EXPECT_FALSE(addDemoShop(data, kNow, messages));
    EXPECT_EQ(messages.lastCaption(), "Fatal error");
    EXPECT_TRUE(snapshot(dir.path()).empty());

    std::string heading(7 * 42, '\0');
    test::putText(heading, 0, "MY OWN SHOP");
    test::writeBytes(dir.file("address.vt"), heading);
    ASSERT_TRUE(createDataSet(data, kNow, "$", messages));
    ASSERT_TRUE(addDemoShop(data, kNow, messages));
    EXPECT_EQ(test::readBytes(dir.file("address.vt")), heading);
    EXPECT_FALSE(fileExists(dir.file("ADDRESS.VT")));
}
