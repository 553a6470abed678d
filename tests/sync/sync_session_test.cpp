#include "platform/data_dir.h"
#include "sync/logic/sync_session.h"
#include "sync_test_support.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace ovix;
using namespace ovix::test;

namespace {

class Session : public ::testing::Test {
protected:
    void SetUp() override
    {
        fixClock(2024, 3, 5, 17, 45);
    }
    void TearDown() override
    {
        releaseClock();
    }

    TempDir dir;
    const QStringList opening = { "  ", "ovixsync - website stock publisher for OVIX Retail", "  ",
        "Session start:", "17:45 Tue Mar 5 2024", "  ", "Upload frequency:" };
};

} // namespace

TEST_F(Session, FirstStartSetsDefaultNamesLogsAndAsksForHelpOnce)
{
    SyncSession session { DataDir(dir.path()) };
    session.start();
    EXPECT_EQ(session.log().lines(), opening + QStringList({ "Manual", "  " }));
    EXPECT_EQ(utf8(session.config().elementName(Element::Notes)), "notes");
    EXPECT_EQ(session.timerPeriod(), 0);
    EXPECT_TRUE(session.takeFirstHelp());
    EXPECT_FALSE(session.takeFirstHelp());
    ASSERT_TRUE(session.storeConfig());

    SyncSession again { DataDir(dir.path()) };
    again.start();
    EXPECT_FALSE(again.takeFirstHelp());
}

TEST_F(Session, NamesAreLeftAloneWhenTheItemNameIsSet)
{
    std::string bytes(40320, '\0');
    putI32(bytes, 0, 2);
    putText(bytes, 13280, std::string("p\0", 2)); // item "p" in UTF-16
    writeBytes(dir.file("vx.cfg"), bytes);
    SyncSession session { DataDir(dir.path()) };
    session.start();
    EXPECT_EQ(utf8(session.config().elementName(Element::Item)), "p");
    EXPECT_EQ(utf8(session.config().elementName(Element::Number)), "");
    EXPECT_EQ(session.timerPeriod(), 600000);
    EXPECT_EQ(session.log().lines(), opening + QStringList({ "10 minutes", "  " }));
}

TEST_F(Session, ConfigurationChoiceIsStoredAndLogged)
{
    SyncSession session { DataDir(dir.path()) };
    ConfigurationChoice choice;
    choice.ftpServer = QStringLiteral("ftp.shop.test");
    choice.ftpPassword = QStringLiteral("secret");
    choice.uploadFileName = QStringLiteral("inventor.csv");
    choice.uploadInterval = 3;
    choice.localFileOnly = true;
    choice.fileFormat = FileFormat::Csv;
    session.applyConfiguration(choice);
    const SyncConfig &config = session.config();
    EXPECT_EQ(utf8(config.text(ConfigText::FtpServer)), "ftp.shop.test");
    EXPECT_EQ(utf8(config.text(ConfigText::FtpPassword)), "secret");
    EXPECT_EQ(session.timerPeriod(), 900000);
    EXPECT_TRUE(config.localFileOnly());
    EXPECT_EQ(config.fileFormat(), FileFormat::Csv);
    EXPECT_EQ(session.log().lines(), QStringList({ "Upload frequency:", "15 minutes", "  " }));

    choice.uploadInterval = -1; // none selected: the stored one stays
    session.applyConfiguration(choice);
    EXPECT_EQ(session.config().uploadInterval(), 3);
}

TEST_F(Session, DamagedSettingsAreSaidAndAnUnreadableFileIsKept)
{
    writeBytes(dir.file("vx.cfg"), std::string(100, '\0'));
    SyncSession shortFile { DataDir(dir.path()) };
    shortFile.start();
    EXPECT_TRUE(shortFile.log().lines().front().startsWith("vx.cfg is not 40320 bytes long"));
    ASSERT_TRUE(shortFile.storeConfig());
    EXPECT_EQ(readBytes(dir.file("vx.cfg")).size(), 40320u);

    // A vx.cfg that opens but cannot be read (here a folder of that name).
    std::remove(dir.file("vx.cfg").c_str());
    ::mkdir(dir.file("vx.cfg").c_str(), 0700);
    writeBytes(dir.file("vx.cfg/kept"), "x");
    SyncSession unreadable { DataDir(dir.path()) };
    unreadable.start();
    EXPECT_TRUE(unreadable.log().lines().front().startsWith("Unable to read vx.cfg"));
    EXPECT_TRUE(unreadable.storeConfig());
    EXPECT_EQ(readBytes(dir.file("vx.cfg/kept")), "x");
}
