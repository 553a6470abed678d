#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/file_access.h"
#include "platform/scripted_messages.h"
#include "store/till_config.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <sys/stat.h>

using namespace ovix;
using namespace ovix::test;

namespace {

std::string zeroBlock()
{
    return std::string(kTillConfigSize, '\0');
}

std::string noisyBlock(unsigned seed)
{
    std::mt19937 random(seed);
    std::string bytes = zeroBlock();
    for (char &byte : bytes)
        byte = static_cast<char>(random() & 0xFF);
    return bytes;
}

TillConfig loaded(const std::string &bytes)
{
    TillConfig config;
    config.assign(bytes);
    return config;
}

} // namespace

TEST(TillConfigLayout, NamedFieldsStayInsideTheBlockAndNeverOverlap)
{
    auto fields = tillConfigFields();
    ASSERT_GT(fields.size(), 100u);
    std::set<std::string> names;
    std::vector<int> owner(kTillConfigSize, -1);
    for (size_t i = 0; i < fields.size(); ++i) {
        const TillConfigFieldSpan &field = fields[i];
        EXPECT_TRUE(names.insert(field.name).second) << field.name;
        ASSERT_LE(field.offset + field.width, kTillConfigSize) << field.name;
        for (size_t at = field.offset; at < field.offset + field.width; ++at) {
            EXPECT_EQ(owner[at], -1) << field.name << " overlaps " << fields[owner[at]].name;
            owner[at] = static_cast<int>(i);
        }
    }
}

TEST(TillConfig, HandBuiltFileReadsBackThroughNamedFields)
{
    std::string bytes = zeroBlock();
    putText(bytes, 0, "US$");
    putText(bytes, 6 + 3 * 1, "ALCBEE");      // categories 1 and 2, no terminators
    putText(bytes, 1382 + 3 * 8, "WIN");      // category 18
    putI32(bytes, 40 + 4 * 7, 6);             // band 8 discount code
    putI32(bytes, 76, 17);
    putI64(bytes, 160, 42);
    putI64(bytes, 888, 7);
    putI32(bytes, 480 + 4 * 4, 2024);         // last switch-off year
    putI64(bytes, 992, 40);
    putI64(bytes, 1048 + 8 * 2, 5);           // band 3 period code
    putI64(bytes, 1144, 1750);
    putI32(bytes, 1360, 123456);
    putText(bytes, 1368, "\x80");
    bytes[1373] = 2;
    putText(bytes, 1409, "VAT 1");
    putF32(bytes, 3042, 3.0f);
    putF32(bytes, 3342, 150.5f);
    putF64(bytes, 3346 + (5 * 32 + 3) * 8, 12.25); // category 5, day 3
    putF64(bytes, 7954, 310.75);
    putF64(bytes, 7954 + 400 * 8, 99.5);      // the 401st day
    putText(bytes, 32634, "Generic / Text Only");
    putText(bytes, 33314 + 32 * 2, "27,64");  // pole: switch printer off
    putI64(bytes, 34354, 5);
    putText(bytes, 34762 + 30 * 5, "Sally");
    putText(bytes, 37762 + 10 * 5, "24680");
    putI32(bytes, 39346 + 4 * 5, 2);
    putF32(bytes, 38802, 5.62f);
    putI32(bytes, 40222, 3);
    putI32(bytes, 40226, 4);
    putI32(bytes, 40710 + 4 * 17, 49);        // invoice "Balance" position
    putI32(bytes, 40790, 1);
    putI32(bytes, 40926 + 4 * 4, 12);         // custom receipt customer telephone line
    putF64(bytes, 40982, 1.17);
    putText(bytes, 42240, "17:30");

    TempDir dir;
    writeBytes(dir.file("wr.cfg"), bytes);
    TillConfig config;
    ScriptedMessages messages;
    ASSERT_TRUE(loadTillConfig(DataDir(dir.path()), config, messages));
    EXPECT_TRUE(messages.shown.empty());

    EXPECT_EQ(config.text(cfg::secondCurrencySymbol), "US$");
    EXPECT_EQ(config.categoryName(1), "ALC");
    EXPECT_EQ(config.categoryName(2), "BEE");
    EXPECT_EQ(config.categoryName(18), "WIN");
    EXPECT_EQ(config.get(cfg::bandDiscount, 7), 6);
    EXPECT_EQ(bandDiscountCode(config, 8), 6);
    EXPECT_EQ(config.get(cfg::dayOfLastUse), 17);
    EXPECT_EQ(config.get(cfg::todayItemCount), 42);
    EXPECT_EQ(config.get(cfg::yesterdayTransactionCount), 7);
    EXPECT_EQ(config.get(cfg::lastSwitchOff, 4), 2024);
    EXPECT_EQ(config.get(cfg::listingLinesPerPage), 40);
    EXPECT_EQ(bandPeriodCode(config, 3), 5);
    EXPECT_EQ(config.get(cfg::taxOneRate), 1750);
    EXPECT_EQ(config.get(cfg::nextTransactionNumber), 123456);
    EXPECT_EQ(config.text(cfg::currencySymbol), "\x80");
    EXPECT_EQ(config.get(cfg::currencySymbolSet), 2);
    EXPECT_EQ(config.text(cfg::taxOneName), "VAT 1");
    EXPECT_EQ(config.get(cfg::creditSalesCount), 3.0f);
    EXPECT_EQ(config.get(cfg::startOfDayTill), 150.5f);
    EXPECT_EQ(config.get(cfg::categoryTakingsHistory, categoryHistoryIndex(5, 3)), 12.25);
    EXPECT_EQ(config.get(cfg::takingsHistory, 0), 310.75);
    EXPECT_EQ(config.get(cfg::takingsHistory, 400), 99.5);
    EXPECT_EQ(config.text(cfg::receiptPrinterDriver), "Generic / Text Only");
    EXPECT_EQ(config.text(cfg::poleTexts, 2), "27,64");
    EXPECT_EQ(currentClerkNumber(config), 5);
    EXPECT_EQ(config.clerkName(5), "Sally");
    EXPECT_EQ(config.clerkPassword(5), "24680");
    EXPECT_EQ(config.clerkAvailability(5), 2);
    EXPECT_EQ(config.clerkAvailability(4), 0);
    EXPECT_FLOAT_EQ(config.get(cfg::tradeDiscount), 5.62f);
    EXPECT_EQ(quickSelectCategory(config), 3);
    EXPECT_EQ(defaultQuickSelectCategory(config), 4);
    EXPECT_EQ(config.get(cfg::invoicePositions,
                         static_cast<size_t>(InvoiceSection::Balance)), 49);
    EXPECT_EQ(config.get(cfg::invoiceLogo), 1);
    EXPECT_EQ(config.get(cfg::customReceiptCustomerLines, 4), 12);
    EXPECT_DOUBLE_EQ(config.get(cfg::conversionRate), 1.17);
    EXPECT_EQ(config.text(cfg::loanReturnTime), "17:30");
    EXPECT_EQ(config.text(cfg::secondCurrencySymbol), "US$"); // untouched by the loan time
}

TEST(TillConfig, TextsAreBoundedByTheirWidthAndWritesKeepATerminator)
{
    std::string bytes = zeroBlock();
    putText(bytes, 1409, "ABCDEF");  // tax 1 name fills all six bytes
    putText(bytes, 1415, "GHIJKL");
    TillConfig config = loaded(bytes);
    EXPECT_EQ(config.text(cfg::taxOneName), "ABCDEF");
    EXPECT_EQ(config.text(cfg::taxTwoName), "GHIJKL");

    config.setText(cfg::taxOneName, "SALES TAX");
    EXPECT_EQ(config.text(cfg::taxOneName), "SALES");
    EXPECT_EQ(config.view()[1414], '\0');
    EXPECT_EQ(config.text(cfg::taxTwoName), "GHIJKL"); // the neighbour is untouched

    config.setClerkName(7, std::string(40, 'N'));
    EXPECT_EQ(config.clerkName(7), std::string(29, 'N'));
    EXPECT_EQ(getI32(config.view(), 34762 + 30 * 8), 0); // clerk 8's name still empty

    config.setCategoryName(9, "DVDS");
    config.setCategoryName(10, "FROZEN");
    EXPECT_EQ(config.view().substr(6 + 27, 3), "DVD");
    EXPECT_EQ(config.view().substr(1382, 3), "FRO");
    EXPECT_EQ(config.view()[1385], '\0');
}

TEST(TillConfig, OutOfRangeEntriesReadEmptyAndChangeNothing)
{
    const std::string bytes = noisyBlock(3);
    TillConfig config = loaded(bytes);
    EXPECT_EQ(config.clerkName(0), "");
    EXPECT_EQ(config.clerkName(100), "");
    EXPECT_EQ(config.clerkAvailability(-1), 0);
    EXPECT_EQ(config.categoryName(0), "");
    EXPECT_EQ(config.categoryName(19), "");
    EXPECT_EQ(config.get(cfg::takingsHistory, 401), 0.0);
    config.setClerkName(0, "X");
    config.setClerkPassword(100, "1");
    config.setClerkAvailability(100, 2);
    config.set(cfg::takingsHistory, 401, 5.0);
    config.setText(cfg::poleTexts, 6, "X");
    EXPECT_FALSE(config.setCategoryName(19, "ABC"));
    EXPECT_FALSE(config.setCategoryName(3, "AB")); // two characters leave the name alone
    EXPECT_EQ(config.view(), bytes);
}

TEST(TillConfig, ClampedIndexesLeaveTheStoredBytesAlone)
{
    std::string bytes = zeroBlock();
    putI32(bytes, 40694, 4);      // receipt language
    putI64(bytes, 34354, 100);    // current clerk
    putI64(bytes, 944, -1);       // drawer port
    putI32(bytes, 40558, 8);      // pole port
    putI32(bytes, 40858, 13);     // baud rate index
    putI32(bytes, 40182, 9);      // log capacity
    putI32(bytes, 40, 0);         // band 1 discount
    putI64(bytes, 1048 + 8, 9);   // band 2 period
    putI32(bytes, 40222, 19);     // quick-select current
    putI32(bytes, 40226, 20);     // quick-select default
    putI32(bytes, 40234, 0);      // default item category
    TillConfig config = loaded(bytes);
    EXPECT_EQ(receiptLanguageIndex(config), 0);
    EXPECT_EQ(currentClerkNumber(config), 1);
    EXPECT_EQ(drawerPortIndex(config), 0);
    EXPECT_EQ(polePortIndex(config), 0);
    EXPECT_EQ(poleBaudRateIndex(config), 0);
    EXPECT_EQ(logCapacityIndex(config), 0);
    EXPECT_EQ(bandDiscountCode(config, 1), 1);
    EXPECT_EQ(bandPeriodCode(config, 2), 1);
    EXPECT_EQ(quickSelectCategory(config), 14);
    EXPECT_EQ(defaultQuickSelectCategory(config), 15);
    EXPECT_EQ(defaultItemCategoryNumber(config), 15);
    EXPECT_EQ(config.view(), bytes);

    // The last value of each range is a value, not a fault.
    putI32(bytes, 40694, 3);
    putI64(bytes, 34354, 99);
    putI64(bytes, 944, 9);
    putI32(bytes, 40182, 8);
    putI32(bytes, 40222, 18);
    config = loaded(bytes);
    EXPECT_EQ(receiptLanguageIndex(config), 3);
    EXPECT_EQ(currentClerkNumber(config), 99);
    EXPECT_EQ(drawerPortIndex(config), 9);
    EXPECT_EQ(logCapacityIndex(config), 8);
    EXPECT_EQ(quickSelectCategory(config), 18);
}

TEST(TillConfigFile, ShortLongAndMissingFiles)
{
    TempDir dir;
    DataDir data(dir.path());
    ScriptedMessages messages;

    std::string shortFile(1000, '\0');
    putI32(shortFile, 76, 9);
    putText(shortFile, 998, "AB"); // the last two bytes of the file
    writeBytes(dir.file("wr.cfg"), shortFile);
    TillConfig config = loaded(noisyBlock(1)); // left-overs must not survive a load
    ASSERT_TRUE(loadTillConfig(data, config, messages));
    EXPECT_EQ(config.get(cfg::dayOfLastUse), 9);
    EXPECT_EQ(config.view().substr(0, 1000), shortFile);
    EXPECT_EQ(config.view().substr(1000), std::string(kTillConfigSize - 1000, '\0'));

    std::string longFile = noisyBlock(2) + "tail of a longer file";
    writeBytes(dir.file("wr.cfg"), longFile);
    ASSERT_TRUE(loadTillConfig(data, config, messages));
    EXPECT_EQ(config.view(), longFile.substr(0, kTillConfigSize));

    writeBytes(dir.file("wr.cfg"), "");
    ASSERT_TRUE(loadTillConfig(data, config, messages));
    EXPECT_EQ(config.view(), zeroBlock());
    EXPECT_TRUE(messages.shown.empty());

    std::remove(dir.file("wr.cfg").c_str());
    const TillConfig before = loaded(noisyBlock(4));
    config = before;
    EXPECT_FALSE(loadTillConfig(data, config, messages));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.lastText(), "Data file wr.cfg not present in Opendata.");
    EXPECT_EQ(messages.lastCaption(), "Fatal error");
    EXPECT_EQ(config.view(), before.view());
}

TEST(TillConfigFile, UnknownBytesSurviveLoadAndStore)
{
    TempDir dir;
    DataDir data(dir.path());
    const std::string original = noisyBlock(7);
    writeBytes(dir.file("wr.cfg"), original);
    TillConfig config;
    ScriptedMessages messages;
    ASSERT_TRUE(loadTillConfig(data, config, messages));
    ASSERT_TRUE(storeTillConfig(data, config));
    EXPECT_EQ(readBytes(dir.file("wr.cfg")), original);

    config.set(cfg::nextTransactionNumber, 77);
    ASSERT_TRUE(storeTillConfig(data, config));
    std::string expected = original;
    putI32(expected, 1360, 77);
    EXPECT_EQ(readBytes(dir.file("wr.cfg")), expected);
}

TEST(TillConfigFile, UpperCaseNameIsReplacedUnderItsOwnName)
{
    TempDir dir;
    DataDir data(dir.path());
    std::string bytes = zeroBlock();
    putI32(bytes, 76, 3);
    writeBytes(dir.file("WR.CFG"), bytes);
    TillConfig config;
    ScriptedMessages messages;
    ASSERT_TRUE(loadTillConfig(data, config, messages));
    EXPECT_EQ(config.get(cfg::dayOfLastUse), 3);
    config.set(cfg::dayOfLastUse, 4);
    ASSERT_TRUE(storeTillConfig(data, config));
    EXPECT_FALSE(fileExists(dir.file("wr.cfg")));
    EXPECT_EQ(getI32(readBytes(dir.file("WR.CFG")), 76), 4);

    TempDir fresh;
    ASSERT_TRUE(storeTillConfig(DataDir(fresh.path()), config));
    EXPECT_EQ(readBytes(fresh.file("wr.cfg")).size(), kTillConfigSize);
}

TEST(TillConfigFile, StoringKeepsTheFilesModeAndCreatesItOwnerOnly)
{
    const mode_t oldUmask = ::umask(022);
    for (mode_t mode : { 0600, 0640 }) {
        TempDir dir;
        DataDir data(dir.path());
        writeBytes(dir.file("wr.cfg"), zeroBlock());
        ASSERT_EQ(::chmod(dir.file("wr.cfg").c_str(), mode), 0);
        TillConfig config;
        config.set(cfg::dayOfLastUse, 9);
        ASSERT_TRUE(storeTillConfig(data, config));
        struct stat st {};
        ASSERT_EQ(::stat(dir.file("wr.cfg").c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, mode) << std::oct << mode;
        EXPECT_EQ(getI32(readBytes(dir.file("wr.cfg")), 76), 9);
    }
    TempDir fresh;
    ASSERT_TRUE(storeTillConfig(DataDir(fresh.path()), TillConfig()));
    struct stat st {};
    ASSERT_EQ(::stat(fresh.file("wr.cfg").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    ::umask(oldUmask);
}

TEST(TillConfigFile, FailedWriteOrSyncLeavesThePreviousFile)
{
    TempDir dir;
    DataDir data(dir.path());
    const std::string previous = noisyBlock(11);
    writeBytes(dir.file("wr.cfg"), previous);
    const TillConfig next = loaded(noisyBlock(12));

    int failures = 0;
    for (int n = 1; n <= 10; ++n) {
        for (bool sync : {false, true}) {
            FaultyFileAccess faulty;
            if (sync)
                faulty.faultSyncNumber(n, FaultyFileAccess::Mode::Fail);
            else
                faulty.faultWriteNumber(n, FaultyFileAccess::Mode::Fail);
            setFileAccess(&faulty);
            std::string error;
            bool stored = storeTillConfig(data, next, &error);
            setFileAccess(nullptr);
            std::string onDisk = readBytes(dir.file("wr.cfg"));
            if (stored) {
                EXPECT_EQ(onDisk, next.view()) << n;
                writeBytes(dir.file("wr.cfg"), previous);
                continue;
            }
            ++failures;
            EXPECT_FALSE(error.empty());
            // A failed folder sync comes after the rename: the new block is
            // complete on disk but not known to be durable, and is reported.
            EXPECT_TRUE(onDisk == previous || onDisk == next.view()) << n << sync;
            if (!sync || n == 1) {
                EXPECT_EQ(onDisk, previous) << n << sync;
            }
            writeBytes(dir.file("wr.cfg"), previous);
        }
    }
    EXPECT_GE(failures, 3); // the data write, the rename, the file sync at least
}

namespace {

struct CrashStore {
    std::string root;
    int number;
    bool sync;
    const TillConfig *config;
};

void storeUntilCrash(void *context)
{
    auto *crash = static_cast<CrashStore *>(context);
    FaultyFileAccess faulty;
    if (crash->sync)
        faulty.faultSyncNumber(crash->number, FaultyFileAccess::Mode::Crash);
    else
        faulty.faultWriteNumber(crash->number, FaultyFileAccess::Mode::Crash);
    setFileAccess(&faulty);
    storeTillConfig(DataDir(crash->root), *crash->config);
    setFileAccess(nullptr);
}

} // namespace

TEST(TillConfigFile, CrashAtAnyWriteOrSyncLeavesAWholeFile)
{
    TempDir dir;
    const std::string previous = noisyBlock(21);
    const TillConfig next = loaded(noisyBlock(22));
    for (bool sync : {false, true}) {
        int crashes = 0;
        for (int n = 1; n <= 10; ++n) {
            writeBytes(dir.file("wr.cfg"), previous);
            CrashStore crash{dir.path(), n, sync, &next};
            int code = runInChild(storeUntilCrash, &crash);
            std::string onDisk = readBytes(dir.file("wr.cfg"));
            EXPECT_TRUE(onDisk == previous || onDisk == next.view()) << n << sync;
            if (code != FaultyFileAccess::kCrashExitCode) {
                EXPECT_EQ(code, 0);
                EXPECT_EQ(onDisk, next.view());
                break;
            }
            ++crashes;
            // The store after a crash works and replaces the left-over.
            ASSERT_TRUE(storeTillConfig(DataDir(dir.path()), next));
            EXPECT_EQ(readBytes(dir.file("wr.cfg")), next.view());
        }
        EXPECT_GE(crashes, 2) << sync;
    }
}

TEST(TillConfigFile, EachMomentTellsItsOwnFailure)
{
    struct Case {
        TillConfigStoreMoment moment;
        const char *text;
        const char *caption;
    };
    const Case cases[] = {
        {TillConfigStoreMoment::AfterStart, "WR.CFG", "Problem"},
        {TillConfigStoreMoment::BeforeBackup, "WR.CFG", "Problem"},
        {TillConfigStoreMoment::AfterTransaction, "Data file: wr.cfg, not present.",
         "Fatal error"},
        {TillConfigStoreMoment::AtShutdown, "Unable to create WR.CFG at end of WinMaim",
         "Problem"},
    };
    TempDir dir;
    DataDir data(dir.path());
    const std::string previous = noisyBlock(31);
    writeBytes(dir.file("wr.cfg"), previous);
    TillConfig config;
    for (const Case &c : cases) {
        ScriptedMessages messages;
        FaultyFileAccess faulty;
        faulty.faultWriteNumber(1, FaultyFileAccess::Mode::Fail);
        setFileAccess(&faulty);
        EXPECT_FALSE(storeTillConfig(data, config, messages, c.moment));
        setFileAccess(nullptr);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.lastText(), c.text);
        EXPECT_EQ(messages.lastCaption(), c.caption);
        EXPECT_EQ(readBytes(dir.file("wr.cfg")), previous);
    }
    ScriptedMessages messages;
    EXPECT_TRUE(storeTillConfig(data, config, messages, TillConfigStoreMoment::AtShutdown));
    EXPECT_TRUE(messages.shown.empty());
}
