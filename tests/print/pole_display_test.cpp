#include "platform/data_dir.h"
#include "platform/file_access.h"
#include "platform/scripted_messages.h"
#include "print/logic/pole_display.h"
#include "print/logic/serial_custom_baud.h"
#include "print/logic/serial_port.h"
#include "print/pseudo_terminal.h"
#include "store/till_config.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace ovix {
namespace {

using test::PseudoTerminal;
using test::TempDir;

const std::string kOff = "\x1B\x3D\x02";
const std::string kOn = "\x1B\x3D\x01";
const std::string kFirst = std::string("\x0C\x0B", 2);

// Pole settings laid into a wr.cfg image byte by byte: display on COM4,
// 19200 baud, odd parity, 8 data bits, 2 stop bits.
std::string poleBlock()
{
    std::string block(kTillConfigSize, '\0');
    test::putText(block, 33314, "WELCOME");
    test::putText(block, 33314 + 32, "27,61,1");
    test::putText(block, 33314 + 64, "27,61,2");
    test::putText(block, 33314 + 96, "12");
    test::putText(block, 33314 + 128, "11");
    test::putText(block, 33314 + 160, "11,10");
    test::putI32(block, 40550, 2);
    test::putI32(block, 40558, 3);
    test::putI32(block, 40854, 2);
    test::putI32(block, 40858, 7);
    test::putI32(block, 40862, 0);
    test::putI32(block, 40866, 2);
    return block;
}

TillConfig configFrom(const std::string &block)
{
    TillConfig config;
    config.assign(block);
    return config;
}

class PoleDisplayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pty.ready());
        test::writeBytes(folder.file("ports.cfg"),
            "COM4=" + pty.slavePath() + "\nCOM1=" + folder.file("unplugged") + "\n");
    }

    TempDir folder;
    DataDir dataDir { folder.path() };
    PseudoTerminal pty;
    ScriptedMessages messages;
    TillConfig config = configFrom(poleBlock());
};

TEST(PoleItemText, TwelveCharactersWholeThirteenCut)
{
    EXPECT_EQ(poleItemText("MILK", 0.5), "MILK 0.50");
    EXPECT_EQ(poleItemText("ABCDEFGHIJKL", 1.5), "ABCDEFGHIJKL 1.50");
    EXPECT_EQ(poleItemText("ABCDEFGHIJKLM", 1234.5), "ABCDEFGHIJKL  1234.50");
    // At most 10 characters of blanks and price follow the cut description.
    EXPECT_EQ(poleItemText("ABCDEFGHIJKLM", 123456.78), "ABCDEFGHIJKL  123456.7");
}

TEST_F(PoleDisplayTest, EveryMessageIsBracketedBySwitchSequences)
{
    EXPECT_TRUE(poleShowPassive(config, dataDir, messages));
    EXPECT_EQ(pty.readAll(), kOff + kFirst + "WELCOME" + kOn);

    EXPECT_TRUE(poleShowItem(config, dataDir, messages, "ABCDEFGHIJKLM", 2.25));
    EXPECT_EQ(pty.readAll(), kOff + kFirst + "ABCDEFGHIJKL  2.25" + kOn);

    EXPECT_TRUE(poleShowTotal(config, dataDir, messages, 17.5));
    EXPECT_EQ(pty.readAll(), kOff + kFirst + "Total: 17.50" + kOn);

    // The second-line cursor holds byte 0A, which must reach the display raw.
    EXPECT_TRUE(poleShowTenderChange(config, dataDir, messages, 20, 2.5));
    EXPECT_EQ(pty.readAll(), kOff + kFirst + "Tender: 20.00" + "\x0B\x0A" + "Change: 2.50" + kOn);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(PoleDisplayTest, EmptySequencesAddNothing)
{
    std::string block = poleBlock();
    for (int text = 1; text <= 5; ++text)
        block.replace(33314 + 32 * text, 32, 32, '\0');
    config = configFrom(block);
    EXPECT_TRUE(poleShowTenderChange(config, dataDir, messages, 5, 0));
    EXPECT_EQ(pty.readAll(), "Tender: 5.00Change: 0.00");
}

// A pseudo-terminal keeps speed, PARODD and CSTOPB as set but forces CS8 and
// clears PARENB itself; those two are checked on the described settings.
TEST_F(PoleDisplayTest, LineSettingsReachTheTerminal)
{
    EXPECT_TRUE(poleShowTotal(config, dataDir, messages, 1));
    termios line = pty.lineSettings();
    EXPECT_EQ(cfgetospeed(&line), static_cast<speed_t>(B19200));
    EXPECT_NE(line.c_cflag & PARODD, 0u);
    EXPECT_NE(line.c_cflag & CSTOPB, 0u);
    EXPECT_EQ(line.c_oflag & OPOST, 0u);

    std::string block = poleBlock();
    test::putI32(block, 40858, 8); // 38400
    test::putI32(block, 40866, 1); // even
    test::putI32(block, 40854, 0); // 1 stop bit
    config = configFrom(block);
    EXPECT_TRUE(poleShowPassive(config, dataDir, messages));
    line = pty.lineSettings();
    EXPECT_EQ(cfgetospeed(&line), static_cast<speed_t>(B38400));
    EXPECT_EQ(line.c_cflag & PARODD, 0u);
    EXPECT_EQ(line.c_cflag & CSTOPB, 0u);
}

TEST(SerialLineDescription, ParityDataAndStopBits)
{
    termios line {};
    line.c_oflag = OPOST | ONLCR;
    SerialPort::describeLine({ 7, 1, 4, 1 }, line);
    EXPECT_EQ(cfgetospeed(&line), static_cast<speed_t>(B19200));
    EXPECT_EQ(line.c_cflag & (PARENB | PARODD), static_cast<tcflag_t>(PARENB));
    EXPECT_EQ(line.c_cflag & CSIZE, static_cast<tcflag_t>(CS7));
    EXPECT_NE(line.c_cflag & CSTOPB, 0u); // 1.5 stop bits as 2
    EXPECT_NE(line.c_cflag & CLOCAL, 0u);
    EXPECT_EQ(line.c_oflag & OPOST, 0u);

    SerialPort::describeLine({ 0, 2, 1, 0 }, line);
    EXPECT_EQ(cfgetospeed(&line), static_cast<speed_t>(B9600));
    EXPECT_EQ(line.c_cflag & (PARENB | PARODD), static_cast<tcflag_t>(PARENB | PARODD));
    EXPECT_EQ(line.c_cflag & CSIZE, static_cast<tcflag_t>(CS5)); // 4 bits as 5
    EXPECT_EQ(line.c_cflag & CSTOPB, 0u);

    SerialPort::describeLine({ 8, 0, 3, 2 }, line);
    EXPECT_EQ(cfgetospeed(&line), static_cast<speed_t>(B38400));
    EXPECT_EQ(line.c_cflag & PARENB, 0u);
    EXPECT_EQ(line.c_cflag & CSIZE, static_cast<tcflag_t>(CS6));
}

TEST_F(PoleDisplayTest, DamagedAndUnusualLineIndexes)
{
    std::string block = poleBlock();
    test::putI32(block, 40858, 6); // 14400, a rate without a termios constant
    config = configFrom(block);
    EXPECT_TRUE(poleShowTotal(config, dataDir, messages, 1));
    EXPECT_EQ(readBaudRate(pty.slave()), 14400);

    test::putI32(block, 40858, 13); // out of the list: 9600
    test::putI32(block, 40866, -7); // no parity
    test::putI32(block, 40862, 99999); // 8 bits
    config = configFrom(block);
    EXPECT_TRUE(poleShowTotal(config, dataDir, messages, 1));
    termios line = pty.lineSettings();
    EXPECT_EQ(cfgetospeed(&line), static_cast<speed_t>(B9600));
    EXPECT_EQ(line.c_cflag & PARODD, 0u);
    EXPECT_EQ(
        pty.readAll(), kOff + kFirst + "Total: 1.00" + kOn + kOff + kFirst + "Total: 1.00" + kOn);
}

TEST_F(PoleDisplayTest, MissingPortIsToldOnceWithTheMessagesCaption)
{
    std::string block = poleBlock();
    test::putI32(block, 40558, 0); // COM1, unplugged
    config = configFrom(block);
    EXPECT_FALSE(poleShowPassive(config, dataDir, messages));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.lastText(), "Unable to open port");
    EXPECT_EQ(messages.lastCaption(), "Pole display");

    EXPECT_FALSE(poleShowTenderChange(config, dataDir, messages, 10, 1));
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.lastText(), "Unable to open port");
    EXPECT_EQ(messages.lastCaption(), "Problem");
    EXPECT_EQ(pty.readAll(), "");
}

TEST_F(PoleDisplayTest, OnlyTheSecondTenderWriteDecidesTheMessage)
{
    // Writes: off sequence, tender line, change line, on sequence.
    FaultyFileAccess faulty;
    faulty.faultWriteNumber(2, FaultyFileAccess::Mode::Fail);
    setFileAccess(&faulty);
    bool first = poleShowTenderChange(config, dataDir, messages, 10, 1);
    setFileAccess(nullptr);
    EXPECT_TRUE(first);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(pty.readAll(), kOff + "\x0B\x0A" + "Change: 1.00" + kOn);

    faulty = FaultyFileAccess();
    faulty.faultWriteNumber(3, FaultyFileAccess::Mode::Fail);
    setFileAccess(&faulty);
    bool second = poleShowTenderChange(config, dataDir, messages, 10, 1);
    setFileAccess(nullptr);
    EXPECT_FALSE(second);
    EXPECT_EQ(messages.lastText(), "Unable write to port");
    EXPECT_EQ(messages.lastCaption(), "Problem");
    // The switch-on sequence still follows.
    EXPECT_EQ(pty.readAll(), kOff + kFirst + "Tender: 10.00" + kOn);
}

} // namespace
} // namespace ovix
