#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/file_access.h"
#include "platform/scripted_messages.h"
#include "print/logic/till_drawer.h"
#include "print/pseudo_terminal.h"
#include "platform/clock.h"
#include "store/shop.h"
#include "store/till_config.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ovix {
namespace {

using test::PseudoTerminal;
using test::TempDir;

// The drawer settings laid into a wr.cfg image byte by byte.
TillConfig drawerConfig(int64_t mode, int64_t port, int64_t character, int64_t repeat,
    std::string_view sequence = "27,112,0,25,250")
{
    std::string block(kTillConfigSize, '\0');
    test::putI64(block, 912, repeat);
    test::putI64(block, 928, character);
    test::putI64(block, 944, port);
    test::putI32(block, 40586, static_cast<int32_t>(mode));
    test::putText(block, 34154, sequence);
    TillConfig config;
    config.assign(block);
    return config;
}

class TillDrawerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pty.ready());
        test::writeBytes(folder.file("ports.cfg"),
            "# drawer and cutter on the test terminal\nCOM3=" + pty.slavePath()
                + "\nLPT2=" + pty.slavePath() + "\nCOM1=" + folder.file("gone") + "\n");
    }

    TempDir folder;
    DataDir dataDir { folder.path() };
    PseudoTerminal pty;
    ScriptedMessages messages;
};

TEST_F(TillDrawerTest, DirectConnectSendsTheOpenCharacterRepeatTimes)
{
    EXPECT_TRUE(openTillDrawer(drawerConfig(0, 2, 7, 3), dataDir, messages));
    EXPECT_EQ(pty.readAll(), std::string(3, '\x07'));
    // Byte 0A goes out as it is, not as 0D 0A; only the low byte is sent.
    EXPECT_TRUE(openTillDrawer(drawerConfig(0, 2, 0x10A, 2), dataDir, messages));
    EXPECT_EQ(pty.readAll(), "\n\n");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(TillDrawerTest, ANoSaleOpeningIsLoggedWithTheClerkAfterTheDrawerOpens)
{
    setFixedLocalTime(LocalTime { .year = 2026, .month = 3, .day = 7, .hour = 17, .minute = 45 });
    Shop shop(folder.path());
    shop.config = drawerConfig(0, 2, 7, 2);
    shop.config.setClerkName(3, "Clerk 3");
    shop.config.set(cfg::currentClerk, 3);
    EXPECT_TRUE(openDrawerWithoutSale(shop, messages));
    // Through the receipt printer with no sequence nothing is sent: said so.
    shop.config = drawerConfig(2, 2, 7, 2, "");
    shop.config.set(cfg::currentClerk, 1);
    shop.config.setClerkName(1, "Administrator");
    EXPECT_FALSE(openDrawerWithoutSale(shop, messages));
    setFixedLocalTime(std::nullopt);
    EXPECT_EQ(pty.readAll(), "\x07\x07");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(test::readBytes(folder.file("bun4.dat")),
        "\r\n17:45 07/03/2026 No sale, drawer opened\r\nClerk: 3, Clerk 3\r\n"
        "\r\n17:45 07/03/2026 No sale, drawer did not open\r\nClerk: 1, Administrator\r\n");
}

TEST_F(TillDrawerTest, RepeatFromADamagedFileIsClamped)
{
    EXPECT_TRUE(openTillDrawer(drawerConfig(0, 2, 7, 0), dataDir, messages));
    EXPECT_EQ(pty.readAll(), "\x07");
    EXPECT_TRUE(openTillDrawer(drawerConfig(0, 2, 7, 1LL << 40), dataDir, messages));
    EXPECT_EQ(pty.readAll(), std::string(10, '\x07'));
    EXPECT_TRUE(openTillDrawer(drawerConfig(0, 2, 7, -5), dataDir, messages));
    EXPECT_EQ(pty.readAll(), "\x07");
}

TEST_F(TillDrawerTest, MissingPortIsReportedAtOnce)
{
    // Port index 42 is out of range and means COM1, which is missing here.
    auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(openTillDrawer(drawerConfig(0, 42, 7, 1), dataDir, messages));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.lastText(), "Unable to open port");
    EXPECT_EQ(messages.lastCaption(), "Till drawer");
    EXPECT_EQ(pty.readAll(), "");
}

TEST_F(TillDrawerTest, UnusablePortsAreReported)
{
    // A folder where the device should be, then a port another program holds.
    test::writeBytes(
        folder.file("ports.cfg"), "COM2=" + folder.path() + "\nCOM3=" + pty.slavePath() + "\n");
    EXPECT_FALSE(openTillDrawer(drawerConfig(0, 1, 7, 1), dataDir, messages));
    EXPECT_EQ(messages.lastText(), "Unable to open port");

    int holder = ::open(pty.slavePath().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(::flock(holder, LOCK_EX | LOCK_NB), 0);
    EXPECT_FALSE(openTillDrawer(drawerConfig(0, 2, 7, 1), dataDir, messages));
    ::close(holder);
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.lastText(), "Unable to open port");
    EXPECT_EQ(pty.readAll(), "");
}

TEST_F(TillDrawerTest, FailedWriteIsReported)
{
    FaultyFileAccess faulty;
    faulty.faultWriteNumber(1, FaultyFileAccess::Mode::Fail);
    setFileAccess(&faulty);
    bool sent = openTillDrawer(drawerConfig(0, 2, 7, 3), dataDir, messages);
    setFileAccess(nullptr);
    EXPECT_FALSE(sent);
    EXPECT_EQ(messages.lastText(), "Unable write to port");
    EXPECT_EQ(messages.lastCaption(), "Problem");
}

TEST_F(TillDrawerTest, CutterSequenceGoesOutRaw)
{
    EXPECT_TRUE(sendPortSequence(dataDir, 9, "29,86,65,10", messages));
    EXPECT_EQ(pty.readAll(), std::string("\x1D\x56\x41\x0A", 4));
    EXPECT_TRUE(sendPortSequence(dataDir, 9, "", messages));
    EXPECT_EQ(pty.readAll(), "");
    EXPECT_TRUE(messages.shown.empty());

    EXPECT_FALSE(sendPortSequence(dataDir, 0, "27,105", messages));
    EXPECT_EQ(messages.lastText(), "Unable to open port");
    EXPECT_EQ(messages.lastCaption(), "Problem");
}

TEST_F(TillDrawerTest, CutterSettingsFromTheCustomReceipt)
{
    std::string block(kTillConfigSize, '\0');
    test::putText(block, 33184, "27,105,10");
    test::putI32(block, 40886, 9);
    TillConfig config;
    config.assign(block);
    EXPECT_TRUE(sendCutterSequence(config, dataDir, messages));
    EXPECT_EQ(pty.readAll(), "\x1B\x69\x0A");
}

TEST_F(TillDrawerTest, DeviceThatTakesNoBytesDoesNotHoldTheTill)
{
    // Fill the terminal until it takes nothing more, as a jammed device would.
    termios line = pty.lineSettings();
    line.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    ASSERT_EQ(::tcsetattr(pty.slave(), TCSANOW, &line), 0);
    // The kernel moves buffered bytes on in the background, so fill until a
    // pause frees no more room.
    std::string filler(4096, 'x');
    for (bool tookMore = true; tookMore;) {
        tookMore = false;
        while (::write(pty.slave(), filler.data(), 1) > 0)
            tookMore = true;
        ::usleep(50 * 1000);
    }
    auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(openTillDrawer(drawerConfig(0, 2, 7, 3), dataDir, messages));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(6));
    EXPECT_EQ(messages.lastText(), "Unable write to port");
}

// A stand-in for the spooler's lp command, first in PATH for one test.
class StubSpooler {
public:
    explicit StubSpooler(int exitCode)
    {
        std::string script = "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + folder.file("argv")
            + "'\ncat > '" + folder.file("stdin") + "'\nexit " + std::to_string(exitCode) + "\n";
        test::writeBytes(folder.file("lp"), script);
        ::chmod(folder.file("lp").c_str(), 0755);
        const char *path = std::getenv("PATH");
        oldPath_ = path != nullptr ? path : "";
        ::setenv("PATH", (folder.path() + ":" + oldPath_).c_str(), 1);
    }
    ~StubSpooler()
    {
        ::setenv("PATH", oldPath_.c_str(), 1);
    }

    bool ran() const
    {
        return fileExists(folder.file("argv"));
    }
    std::string arguments() const
    {
        return test::readBytes(folder.file("argv"));
    }
    std::string input() const
    {
        return test::readBytes(folder.file("stdin"));
    }

    TempDir folder;

private:
    std::string oldPath_;
};

TEST_F(TillDrawerTest, ThroughTheReceiptPrinterAsARawJob)
{
    StubSpooler spooler(0);
    TillConfig config = drawerConfig(2, 2, 7, 3);
    config.set(cfg::receiptPrinterIndex, 1);
    config.setText(cfg::receiptPrinterDevice, "TM-T88");
    EXPECT_TRUE(openTillDrawer(config, dataDir, messages));
    EXPECT_EQ(spooler.arguments(), "-d\nTM-T88\n-o\nraw\n-t\nOVIX\n");
    EXPECT_EQ(spooler.input(), std::string("\x1B\x70\x00\x19\xFA", 5));
    EXPECT_EQ(pty.readAll(), "");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(TillDrawerTest, DefaultPrinterChoiceNamesNoQueue)
{
    StubSpooler spooler(0);
    TillConfig config = drawerConfig(2, 2, 7, 3, "7");
    config.setText(cfg::receiptPrinterDevice, "stale name");
    EXPECT_TRUE(openTillDrawer(config, dataDir, messages));
    EXPECT_EQ(spooler.arguments(), "-o\nraw\n-t\nOVIX\n");
    EXPECT_EQ(spooler.input(), "\x07");
}

TEST_F(TillDrawerTest, EmptyPrinterSequenceSendsNothing)
{
    StubSpooler spooler(0);
    EXPECT_FALSE(openTillDrawer(drawerConfig(2, 2, 7, 3, ""), dataDir, messages));
    EXPECT_FALSE(spooler.ran());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(TillDrawerTest, SpoolerFailureIsReported)
{
    StubSpooler spooler(1);
    EXPECT_FALSE(openTillDrawer(drawerConfig(2, 2, 7, 3), dataDir, messages));
    EXPECT_EQ(messages.lastText(), "Unable to open printer for till drawer");
    EXPECT_EQ(messages.lastCaption(), "Problem");
}

} // namespace
} // namespace ovix
