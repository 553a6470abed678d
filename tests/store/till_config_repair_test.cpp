#include "platform/clock.h"
#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/file_access.h"
#include "store/till_config.h"
#include "store/till_config_repair.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <limits>

using namespace ovix;
using namespace ovix::test;

namespace {

// Offsets typed here rather than taken from the code.
constexpr size_t kDayOfLastUseAt = 76;
constexpr size_t kSwitchOffAt = 480;
constexpr size_t kHistoryStartAt = 40126;
constexpr size_t kCurrentClerkAt = 34354;
size_t nameAt(int clerk)
{
    return 34762 + 30 * static_cast<size_t>(clerk);
}
size_t passwordAt(int clerk)
{
    return 37762 + 10 * static_cast<size_t>(clerk);
}

LocalTime today()
{
    LocalTime time;
    time.year = 2024;
    time.month = 3;
    time.day = 5;
    time.hour = 9;
    return time;
}

// The block of a shop that has been trading: the new data set's values, the
// first use, and settings at the very ends of their ranges.
std::string tradingBlock()
{
    TillConfig config = makeDataSetDefaults(today(), "\xA3");
    applyFirstUseDefaults(config, today(), "\xA3");
    std::string bytes(config.view());
    putI32(bytes, kDayOfLastUseAt, 31);
    const int32_t stamp[5] = { 59, 23, 29, 2, 2024 };
    for (size_t i = 0; i < 5; ++i)
        putI32(bytes, kSwitchOffAt + 4 * i, stamp[i]);
    putText(bytes, passwordAt(1), "2468"); // over "7351": same length
    putText(bytes, passwordAt(5), "123456789"); // nine digits and the terminator
    putText(bytes, nameAt(6), std::string(29, 'N'));
    putText(bytes, nameAt(7), "Zo\xEB");
    putI32(bytes, 39346 + 4 * 8, 2); // clerk 8 not available
    putI64(bytes, kCurrentClerkAt, 99);
    putI64(bytes, 1144, 9999); // tax 1 rate
    putI32(bytes, 1360, 200000000); // next transaction number
    putI32(bytes, 40694, 3); // receipt language
    putI32(bytes, 40226, 19); // default quick-select: all items
    putI64(bytes, 1000, 100000000000000000); // last item number
    putF64(bytes, 41766, -1234.56); // cash refunds
    putF64(bytes, 7954 + 8 * 400, 99.5); // oldest day of the takings history
    putF32(bytes, 38802, 100.0f); // trade discount
    return bytes;
}

TillConfigRepair repaired(std::string &bytes, int64_t size = kTillConfigSize)
{
    TillConfig config;
    config.assign(bytes);
    TillConfigRepair repair = repairTillConfig(config, size, today());
    bytes = std::string(config.view());
    return repair;
}

void putDouble(std::string &bytes, size_t offset, double value)
{
    putF64(bytes, offset, value);
}

} // namespace

TEST(TillConfigRepair, SoundBlocksPassUnchanged)
{
    for (std::string sound :
        { tradingBlock(), std::string(makeDataSetDefaults(today(), "$").view()) }) {
        const std::string before = sound;
        const TillConfigRepair repair = repaired(sound);
        EXPECT_FALSE(repair.damaged()) << (repair.found.empty() ? "" : repair.found[0]);
        EXPECT_TRUE(repair.passwordsSetBack.empty());
        EXPECT_TRUE(sound == before);
    }
}

TEST(TillConfigRepair, EachUnusableValueIsSetBackAloneAndNamed)
{
    const double notANumber = std::numeric_limits<double>::quiet_NaN();
    const struct Case {
        const char *damage;
        size_t area; // the bytes of the spoilt value
        size_t width;
        std::function<void(std::string &)> spoil;
        const char *found;
        std::function<void(const std::string &)> check;
    } cases[] = {
        { "clerk 1 name without terminator", nameAt(1), 30,
            [](std::string &b) { putText(b, nameAt(1), std::string(30, 'A')); }, "clerk names",
            [](const std::string &b) { EXPECT_EQ(getText(b, nameAt(1), 30), "Administrator"); } },
        { "clerk 2 name with a control character", nameAt(2), 30,
            [](std::string &b) { putText(b, nameAt(2), "Ma\x01"); }, "clerk names",
            [](const std::string &b) { EXPECT_EQ(getText(b, nameAt(2), 30), "Manager"); } },
        { "clerk 40 name empty", nameAt(40), 30,
            [](std::string &b) { putText(b, nameAt(40), std::string(30, '\0')); }, "clerk names",
            [](const std::string &b) { EXPECT_EQ(getText(b, nameAt(40), 30), "Clerk 40"); } },
        { "clerk 1 password empty", passwordAt(1), 10,
            [](std::string &b) { putText(b, passwordAt(1), std::string(10, '\0')); },
            "clerk passwords",
            [](const std::string &b) { EXPECT_EQ(getText(b, passwordAt(1), 10), "7351"); } },
        { "clerk 99 password of ten digits", passwordAt(99), 10,
            [](std::string &b) { putText(b, passwordAt(99), "1234567890"); }, "clerk passwords",
            [](const std::string &b) {
                EXPECT_EQ(getText(b, passwordAt(99), 10), "7351");
                EXPECT_EQ(b.substr(passwordAt(99), 10), std::string("7351\0\0\0\0\0\0", 10));
            } },
        { "clerk 3 password with letters", passwordAt(3), 10,
            [](std::string &b) { putText(b, passwordAt(3), "12a4"); }, "clerk passwords",
            [](const std::string &b) { EXPECT_EQ(getText(b, passwordAt(3), 10), "7351"); } },
        { "receipt language 4", 40694, 4, [](std::string &b) { putI32(b, 40694, 4); },
            "receipt language", [](const std::string &b) { EXPECT_EQ(getI32(b, 40694), 0); } },
        { "tax 1 rate 10000", 1144, 8, [](std::string &b) { putI64(b, 1144, 10000); }, "tax rates",
            [](const std::string &b) { EXPECT_EQ(getI64(b, 1144), 2000); } },
        { "current clerk 100", kCurrentClerkAt, 8,
            [](std::string &b) { putI64(b, kCurrentClerkAt, 100); }, "current clerk",
            [](const std::string &b) { EXPECT_EQ(getI64(b, kCurrentClerkAt), 1); } },
        { "clerk availability -1", 39346 + 4 * 50, 4,
            [](std::string &b) { putI32(b, 39346 + 4 * 50, -1); }, "clerk availability",
            [](const std::string &b) { EXPECT_EQ(getI32(b, 39346 + 4 * 50), 0); } },
        { "negative last item number", 1000, 8, [](std::string &b) { putI64(b, 1000, -1); },
            "next item number", [](const std::string &b) { EXPECT_EQ(getI64(b, 1000), 0); } },
        { "today's takings not a number", 40958, 8,
            [=](std::string &b) { putDouble(b, 40958, notANumber); }, "day totals",
            [](const std::string &b) { EXPECT_EQ(getF64(b, 40958), 0.0); } },
        { "cost of sales infinite", 41894, 8,
            [](std::string &b) { putDouble(b, 41894, std::numeric_limits<double>::infinity()); },
            "day totals", [](const std::string &b) { EXPECT_EQ(getF64(b, 41894), 0.0); } },
        { "a takings history day of 1e13", 7954 + 8 * 399, 8,
            [](std::string &b) { putDouble(b, 7954 + 8 * 399, 1e13); }, "takings history",
            [](const std::string &b) { EXPECT_EQ(getF64(b, 7954 + 8 * 399), 0.0); } },
        { "negative till float", 3342, 4, [](std::string &b) { putF32(b, 3342, -1.0f); },
            "start-of-day till total",
            [](const std::string &b) { EXPECT_EQ(getF32(b, 3342), 100.0f); } },
        { "negative day count", 320, 8, [](std::string &b) { putI64(b, 320, -3); }, "day counts",
            [](const std::string &b) { EXPECT_EQ(getI64(b, 320), 0); } },
        { "switch-off at minute 60", kSwitchOffAt, 20,
            [](std::string &b) { putI32(b, kSwitchOffAt, 60); }, "last switch-off time",
            [](const std::string &b) {
                EXPECT_EQ(b.substr(kSwitchOffAt, 20), std::string(20, '\0'));
            } },
        { "history from 30 February", kHistoryStartAt, 12,
            [](std::string &b) {
                putI32(b, kHistoryStartAt, 30);
                putI32(b, kHistoryStartAt + 4, 2);
            },
            "history dates",
            [](const std::string &b) {
                EXPECT_EQ(getI32(b, kHistoryStartAt), 5);
                EXPECT_EQ(getI32(b, kHistoryStartAt + 4), 3);
                EXPECT_EQ(getI32(b, kHistoryStartAt + 8), 2024);
            } },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.damage);
        std::string bytes = tradingBlock();
        c.spoil(bytes);
        const TillConfigRepair repair = repaired(bytes);
        ASSERT_EQ(repair.found.size(), 1u);
        EXPECT_EQ(repair.found[0], c.found);
        c.check(bytes);
        // Nothing but the spoilt value changed.
        const std::string trading = tradingBlock();
        EXPECT_TRUE(bytes.substr(0, c.area) == trading.substr(0, c.area));
        EXPECT_TRUE(bytes.substr(c.area + c.width) == trading.substr(c.area + c.width));
    }
}

TEST(TillConfigRepair, ClerksWithoutAPasswordAreListedAndTheDayOfLastUseIsOnlyReported)
{
    std::string bytes = tradingBlock();
    putText(bytes, passwordAt(2), std::string(10, '\0'));
    putText(bytes, passwordAt(17), "\xFF\xFF");
    putI32(bytes, kDayOfLastUseAt, 32);
    const TillConfigRepair repair = repaired(bytes);
    EXPECT_EQ(repair.passwordsSetBack, (std::vector<int> { 2, 17 }));
    EXPECT_EQ(repair.found, (std::vector<std::string> { "day of last use", "clerk passwords" }));
    EXPECT_EQ(getI32(bytes, kDayOfLastUseAt), 32);
}

TEST(TillConfigCopy, KeepsTheBytesAsFoundAndNeverReplacesAnEarlierCopy)
{
    TempDir dir;
    const DataDir data(dir.path());
    std::string original = "torn";
    original += std::string(70000, '\xFF'); // more than one read's worth
    writeBytes(dir.file("wr.cfg"), original);
    LocalTime now = today();
    now.minute = 7;
    now.second = 3;

    std::vector<std::string> names;
    for (int i = 0; i < 3; ++i) {
        std::optional<std::string> name = keepTillConfigCopy(data, now);
        ASSERT_TRUE(name);
        names.push_back(*name);
        writeBytes(dir.file("wr.cfg"), "changed " + std::to_string(i));
    }
    EXPECT_EQ(names,
        (std::vector<std::string> { "wr.cfg.damaged-20240305-090703",
            "wr.cfg.damaged-20240305-090703-2", "wr.cfg.damaged-20240305-090703-3" }));
    EXPECT_EQ(readBytes(dir.file(names[0])), original);
    EXPECT_EQ(readBytes(dir.file(names[1])), "changed 0");
    struct stat st { };
    ASSERT_EQ(::stat(dir.file(names[0]).c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST(TillConfigCopy, AFailedCopyLeavesNothingBehind)
{
    TempDir dir;
    const DataDir data(dir.path());
    writeBytes(dir.file("wr.cfg"), std::string(1000, 'x'));
    for (bool failSync : { false, true }) {
        FaultyFileAccess faulty;
        if (failSync)
            faulty.faultSyncNumber(1, FaultyFileAccess::Mode::Fail);
        else
            faulty.faultWriteNumber(1, FaultyFileAccess::Mode::Fail);
        setFileAccess(&faulty);
        std::string error;
        const std::optional<std::string> name = keepTillConfigCopy(data, today(), &error);
        setFileAccess(nullptr);
        EXPECT_FALSE(name) << failSync;
        EXPECT_NE(error.find("wr.cfg.damaged-20240305-090000"), std::string::npos) << error;
    }
    std::filesystem::directory_iterator files(dir.path());
    EXPECT_EQ(std::distance(files, std::filesystem::directory_iterator()), 1);

    const DataDir empty(dir.file("no such folder"));
    EXPECT_FALSE(keepTillConfigCopy(empty, today()));
}
