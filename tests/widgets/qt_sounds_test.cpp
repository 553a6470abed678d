#include "platform/sounds.h"
#include "platform/widgets/qt_sounds.h"
#include "support/test_support.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>

using namespace ovix;
using ovix::test::getI32;
using ovix::test::readBytes;
using ovix::test::TempDir;
using ovix::test::writeBytes;

namespace {

std::string resourceBytes(int resource)
{
    QFile file(QtSounds::resourcePath(resource));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().toStdString();
}

uint16_t getU16(const std::string &bytes, size_t offset)
{
    return static_cast<uint16_t>(static_cast<unsigned char>(bytes[offset])
        | static_cast<unsigned char>(bytes[offset + 1]) << 8);
}

// A stand-in player: appends its arguments to args.txt and copies the WAV
// it was given to played.wav.
std::string makeRecordingPlayer(const TempDir &folder)
{
    const std::string script = folder.file("player.sh");
    writeBytes(script,
        "#!/bin/sh\n"
        "for last; do :; done\n"
        "echo \"$@\" >> '"
            + folder.file("args.txt")
            + "'\n"
              "cp \"$last\" '"
            + folder.file("played.wav") + "'\n");
    chmod(script.c_str(), 0755);
    return script;
}

bool waitUntilQuiet(const QtSounds &sounds)
{
    return QTest::qWaitFor([&] { return sounds.playing() == 0; }, 10000);
}

} // namespace

// Each sound is a short 16-bit mono PCM WAV at 22050 Hz, compiled into the program.
TEST(QtSoundsTest, ResourcesAreShortMonoPcmWaves)
{
    for (int resource : { kKeySound, kVoidSound, kAddSound }) {
        SCOPED_TRACE(resource);
        const std::string wav = resourceBytes(resource);
        ASSERT_GE(wav.size(), 44u);
        EXPECT_EQ(wav.substr(0, 4), "RIFF");
        EXPECT_EQ(static_cast<size_t>(getI32(wav, 4)) + 8, wav.size());
        EXPECT_EQ(wav.substr(8, 4), "WAVE");
        // Walk the chunks for "fmt " and "data".
        size_t offset = 12;
        size_t dataSize = 0;
        bool sawFormat = false;
        while (offset + 8 <= wav.size()) {
            const std::string id = wav.substr(offset, 4);
            const size_t size = static_cast<uint32_t>(getI32(wav, offset + 4));
            ASSERT_LE(offset + 8 + size, wav.size());
            if (id == "fmt ") {
                sawFormat = true;
                EXPECT_EQ(getU16(wav, offset + 8), 1); // PCM
                EXPECT_EQ(getU16(wav, offset + 10), 1); // mono
                EXPECT_EQ(getI32(wav, offset + 12), 22050);
                EXPECT_EQ(getU16(wav, offset + 22), 16);
            } else if (id == "data") {
                dataSize = size;
            }
            offset += 8 + size + (size & 1);
        }
        EXPECT_TRUE(sawFormat);
        const double seconds = static_cast<double>(dataSize) / (22050 * 2);
        EXPECT_GT(seconds, 0.01);
        EXPECT_LT(seconds, 0.3);
    }
    EXPECT_TRUE(QtSounds::resourcePath(8005).isEmpty());
}

// With whatever player this machine has (none, or one without a sound card
// under the test run) playing returns at once, and a player that fails is
// not tried again.
TEST(QtSoundsTest, InstalledPlayersNeverBlockNorRepeatFailures)
{
    QtSounds sounds;
    QElapsedTimer clock;
    clock.start();
    for (int resource : { kKeySound, kVoidSound, kAddSound, 1234, 0, -1 })
        sounds.play(resource);
    EXPECT_LT(clock.elapsed(), 500);
    EXPECT_LE(sounds.playing(), 3);
    ASSERT_TRUE(waitUntilQuiet(sounds));
    if (sounds.gaveUp()) {
        sounds.play(kAddSound);
        EXPECT_EQ(sounds.playing(), 0);
    }
}

TEST(QtSoundsTest, PlaysTheCompiledInWaveAndIgnoresUnknownNumbers)
{
    TempDir folder;
    QtSounds sounds({ { QString::fromStdString(makeRecordingPlayer(folder)), { "-q" } } });
    sounds.play(8001);
    sounds.play(8005);
    EXPECT_EQ(sounds.playing(), 0);

    sounds.play(kVoidSound);
    EXPECT_EQ(sounds.playing(), 1);
    ASSERT_TRUE(waitUntilQuiet(sounds));
    EXPECT_FALSE(sounds.gaveUp());
    const std::string args = readBytes(folder.file("args.txt"));
    EXPECT_EQ(args.substr(0, 3), "-q ");
    EXPECT_NE(args.find("/8003.wav\n"), std::string::npos);
    EXPECT_EQ(readBytes(folder.file("played.wav")), resourceBytes(kVoidSound));

    sounds.play(kAddSound);
    ASSERT_TRUE(waitUntilQuiet(sounds));
    EXPECT_EQ(readBytes(folder.file("played.wav")), resourceBytes(kAddSound));
}

// A player that cannot start or exits with an error gives way to the next;
// once all have failed nothing more is started.
TEST(QtSoundsTest, FailedPlayersGiveWayToTheNextThenToSilence)
{
    TempDir folder;
    const QString recorder = QString::fromStdString(makeRecordingPlayer(folder));
    QtSounds sounds({ { QString::fromStdString(folder.file("missing-player")), {} },
        { "/bin/false", {} }, { recorder, {} } });
    sounds.play(kAddSound);
    ASSERT_TRUE(waitUntilQuiet(sounds));
    sounds.play(kAddSound);
    ASSERT_TRUE(waitUntilQuiet(sounds));
    EXPECT_TRUE(readBytes(folder.file("args.txt")).empty());
    sounds.play(kAddSound);
    ASSERT_TRUE(waitUntilQuiet(sounds));
    EXPECT_FALSE(sounds.gaveUp());
    EXPECT_EQ(readBytes(folder.file("played.wav")), resourceBytes(kAddSound));

    QtSounds failing(std::vector<QtSounds::Player> { { "/bin/false", {} } });
    failing.play(kKeySound);
    ASSERT_TRUE(waitUntilQuiet(failing));
    EXPECT_TRUE(failing.gaveUp());
    failing.play(kKeySound);
    EXPECT_EQ(failing.playing(), 0);

    QtSounds none(std::vector<QtSounds::Player> {});
    none.play(kKeySound);
    EXPECT_TRUE(none.gaveUp());
    EXPECT_EQ(none.playing(), 0);
}

// Players that do not finish are capped at three, and closing the till
// stops them without waiting for them.
TEST(QtSoundsTest, SlowPlayersAreCappedAndStoppedOnClose)
{
    TempDir folder;
    const std::string slow = folder.file("slow.sh");
    writeBytes(slow, "#!/bin/sh\nexec sleep 20\n");
    chmod(slow.c_str(), 0755);
    QElapsedTimer clock;
    {
        QtSounds sounds(std::vector<QtSounds::Player> { { QString::fromStdString(slow), {} } });
        for (int i = 0; i < 6; ++i)
            sounds.play(kAddSound);
        EXPECT_EQ(sounds.playing(), 3);
        clock.start();
    }
    EXPECT_LT(clock.elapsed(), 2000);
}
