// Device bytes go only to devices: a port that ports.cfg (or a default)
// points at a shop file, a folder or a pipe is refused as a port that cannot
// be opened, and the file keeps every byte it had.

#include "platform/data_dir.h"
#include "platform/scripted_messages.h"
#include "print/logic/pole_display.h"
#include "print/logic/till_drawer.h"
#include "print/pseudo_terminal.h"
#include "store/till_config.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace ovix {
namespace {

using test::TempDir;

// Drawer (direct, COM2, open character 7 twice), pole display (COM2, with
// switch sequences) and cutter (COM2) all on the same port.
TillConfig devicesOnCom2()
{
    std::string block(kTillConfigSize, '\0');
    test::putI64(block, 912, 2);
    test::putI64(block, 928, 7);
    test::putI64(block, 944, 1);
    test::putText(block, 33314, "WELCOME");
    test::putText(block, 33314 + 32, "27,61,1");
    test::putText(block, 33314 + 64, "27,61,2");
    test::putI32(block, 40558, 1);
    test::putText(block, 33184, "27,105");
    test::putI32(block, 40886, 1);
    TillConfig config;
    config.assign(block);
    return config;
}

struct DeviceAction {
    const char *name;
    const char *caption;
    std::function<bool(const TillConfig &, const DataDir &, Messages &)> run;
};

const DeviceAction kActions[] = {
    { "drawer", "Till drawer", openTillDrawer },
    { "pole passive text", "Pole display", poleShowPassive },
    { "pole tender and change", "Problem",
        [](const TillConfig &config, const DataDir &dir, Messages &messages) {
            return poleShowTenderChange(config, dir, messages, 20, 2.5);
        } },
    { "cutter", "Problem", sendCutterSequence },
};

const std::string kItemBytes = "item record bytes that must survive\n";

// Each kind of non-device that a port line may name, made in `folder`;
// returns the path for COM2 and the file whose bytes must stay as they are.
struct Target {
    const char *kind;
    std::function<std::string(const TempDir &)> make;
};

const Target kTargets[] = {
    { "a shop data file",
        [](const TempDir &folder) {
            test::writeBytes(folder.file("film.dat"), kItemBytes);
            return folder.file("film.dat");
        } },
    { "a link to a shop data file",
        [](const TempDir &folder) {
            test::writeBytes(folder.file("film.dat"), kItemBytes);
            EXPECT_EQ(::symlink(folder.file("film.dat").c_str(), folder.file("com2").c_str()), 0);
            return folder.file("com2");
        } },
    { "a named pipe",
        [](const TempDir &folder) {
            EXPECT_EQ(::mkfifo(folder.file("pipe").c_str(), 0600), 0);
            return folder.file("pipe");
        } },
    { "an empty file",
        [](const TempDir &folder) {
            test::writeBytes(folder.file("empty"), "");
            return folder.file("empty");
        } },
};

TEST(DevicePortType, EveryDeviceRefusesAPortThatIsNotADevice)
{
    for (const Target &target : kTargets) {
        for (const DeviceAction &action : kActions) {
            SCOPED_TRACE(std::string(action.name) + " on " + target.kind);
            TempDir folder;
            DataDir dataDir(folder.path());
            const std::string path = target.make(folder);
            test::writeBytes(folder.file("ports.cfg"), "COM2=" + path + "\n");
            struct stat before {};
            ASSERT_EQ(::stat(path.c_str(), &before), 0);
            const std::string bytesBefore
                = S_ISREG(before.st_mode) ? test::readBytes(path) : std::string();

            ScriptedMessages messages;
            EXPECT_FALSE(action.run(devicesOnCom2(), dataDir, messages));
            ASSERT_EQ(messages.shown.size(), 1u);
            EXPECT_EQ(messages.lastText(), "Unable to open port");
            EXPECT_EQ(messages.lastCaption(), action.caption);

            struct stat after {};
            ASSERT_EQ(::stat(path.c_str(), &after), 0);
            EXPECT_EQ(after.st_size, before.st_size);
            EXPECT_EQ(after.st_mode, before.st_mode);
            if (S_ISREG(before.st_mode)) {
                EXPECT_EQ(test::readBytes(path), bytesBefore);
            }
        }
    }
}

TEST(DevicePortType, AMissingPortIsNotCreated)
{
    TempDir folder;
    DataDir dataDir(folder.path());
    test::writeBytes(folder.file("ports.cfg"), "COM2=" + folder.file("drawer") + "\n");
    for (const DeviceAction &action : kActions) {
        SCOPED_TRACE(action.name);
        ScriptedMessages messages;
        EXPECT_FALSE(action.run(devicesOnCom2(), dataDir, messages));
        EXPECT_EQ(messages.lastText(), "Unable to open port");
        EXPECT_EQ(::access(folder.file("drawer").c_str(), F_OK), -1);
    }
}

TEST(DevicePortType, ALinkToATerminalStillWorks)
{
    // The stable names of USB serial adapters are links to the device.
    test::PseudoTerminal pty;
    ASSERT_TRUE(pty.ready());
    TempDir folder;
    DataDir dataDir(folder.path());
    ASSERT_EQ(::symlink(pty.slavePath().c_str(), folder.file("by-id").c_str()), 0);
    test::writeBytes(folder.file("ports.cfg"), "COM2=" + folder.file("by-id") + "\n");
    ScriptedMessages messages;
    EXPECT_TRUE(openTillDrawer(devicesOnCom2(), dataDir, messages));
    EXPECT_EQ(pty.readAll(), "\x07\x07");
    EXPECT_TRUE(messages.shown.empty());
}

} // namespace
} // namespace ovix
