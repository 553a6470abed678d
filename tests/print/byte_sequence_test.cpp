#include "print/logic/byte_sequence.h"
#include "print/logic/port_map.h"

#include <gtest/gtest.h>

#include <string>

namespace ovix {
namespace {

std::string bytes(std::initializer_list<int> values)
{
    std::string out;
    for (int value : values)
        out.push_back(static_cast<char>(value));
    return out;
}

TEST(ByteSequence, ValuesBecomeBytes)
{
    EXPECT_EQ(parseByteSequence("27,112,0,25,250"), bytes({ 0x1B, 0x70, 0x00, 0x19, 0xFA }));
    EXPECT_EQ(parseByteSequence("7"), bytes({ 0x07 }));
    EXPECT_EQ(parseByteSequence(""), "");
}

TEST(ByteSequence, ValuesKeepTheirLowEightBits)
{
    EXPECT_EQ(parseByteSequence("300"), bytes({ 0x2C }));
    EXPECT_EQ(parseByteSequence("-1"), bytes({ 0xFF }));
    // A digit run far beyond any integer type.
    EXPECT_EQ(parseByteSequence("12345678901234567890123"), bytes({ 0xCB }));
}

TEST(ByteSequence, BlanksLettersAndEmptyItems)
{
    EXPECT_EQ(parseByteSequence("27,,64"), bytes({ 0x1B, 0x00, 0x40 }));
    EXPECT_EQ(parseByteSequence(" 27, 64x,abc"), bytes({ 0x1B, 0x40, 0x00 }));
    EXPECT_EQ(parseByteSequence("27,"), bytes({ 0x1B, 0x00 }));
    EXPECT_EQ(parseByteSequence("27 1"), bytes({ 0x1B }));
}

TEST(ByteSequence, OnlyThirtyTwoCharactersAreRead)
{
    // The item open at character 32 ("1" of "1234567") is dropped.
    std::string text = "27,112,0,25,250,27,112,0,25,250,1234567";
    ASSERT_EQ(text.size(), 39u);
    EXPECT_EQ(parseByteSequence(text), bytes({ 27, 112, 0, 25, 250, 27, 112, 0, 25, 250 }));
    // 32 commas: 32 closed empty items and the one ended by the text's end.
    EXPECT_EQ(parseByteSequence(std::string(32, ',')), std::string(33, '\0'));
    // Beyond 32 characters nothing more comes, whatever the length.
    EXPECT_EQ(parseByteSequence(std::string(200, ',')), std::string(32, '\0'));
}

TEST(PortMap, DefaultsAndOverrides)
{
    PortMap map;
    EXPECT_EQ(map.devicePath(0), "/dev/ttyS0");
    EXPECT_EQ(map.devicePath(7), "/dev/ttyS7");
    EXPECT_EQ(map.devicePath(8), "/dev/lp0");
    EXPECT_EQ(map.devicePath(9), "/dev/lp1");
    EXPECT_EQ(map.devicePath(10), "/dev/ttyS0");
    EXPECT_EQ(map.devicePath(-1), "/dev/ttyS0");
    EXPECT_EQ(PortMap::portName(8), "LPT1");
    EXPECT_EQ(PortMap::portName(3), "COM4");

    map.applyOverrides("# pole on the adapter\r\n"
                       "com1 = /dev/ttyUSB0\r\n"
                       "LPT2=/dev/usb/lp0\n"
                       "COM9=/dev/nothing\n"
                       "COM2=\n"
                       "garbage line\n"
                       "  COM3=/dev/ttyACM0  ");
    EXPECT_EQ(map.devicePath(0), "/dev/ttyUSB0");
    EXPECT_EQ(map.devicePath(1), "/dev/ttyS1");
    EXPECT_EQ(map.devicePath(2), "/dev/ttyACM0");
    EXPECT_EQ(map.devicePath(9), "/dev/usb/lp0");
}

TEST(PortMap, PathsThatNameNoDeviceAreSkipped)
{
    const struct {
        const char *line;
        const char *path; // COM1's device afterwards
    } cases[] = {
        { "COM1=/dev/ttyUSB0", "/dev/ttyUSB0" },
        { "COM1=/home/shop/pole", "/home/shop/pole" },
        // Found from the data folder: film.dat or the undo journal.
        { "COM1=film.dat", "/dev/ttyS0" },
        { "COM1=../ovix/wr.cfg", "/dev/ttyS0" },
        { "COM1=~/pole", "/dev/ttyS0" },
        // The file opened would not be the one written.
        { "COM1=/dev/ttyUSB0\x01", "/dev/ttyS0" },
        { "COM1=/dev/tty\tUSB0", "/dev/ttyS0" },
        { "COM1=/dev/ttyUSB0\x7f", "/dev/ttyS0" },
    };
    for (const auto &each : cases) {
        PortMap map;
        map.applyOverrides(each.line);
        EXPECT_EQ(map.devicePath(0), each.path) << each.line;
    }

    // A NUL inside the path: everything after it would be dropped on opening.
    const char withNul[] = "COM2=/dev/ttyS5\0/x\nCOM3=/dev/ttyACM0\n";
    PortMap map;
    map.applyOverrides(std::string_view(withNul, sizeof withNul - 1));
    EXPECT_EQ(map.devicePath(1), "/dev/ttyS1");
    EXPECT_EQ(map.devicePath(2), "/dev/ttyACM0");
    // A skipped line leaves the port as an earlier line set it.
    map.applyOverrides("COM3=relative\n");
    EXPECT_EQ(map.devicePath(2), "/dev/ttyACM0");
}

} // namespace
} // namespace ovix
