#include "platform/data_dir.h"
#include "sync/logic/publish_log.h"
#include "sync/logic/publisher.h"
#include "sync/logic/sync_config.h"
#include "sync_test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <unistd.h>

using namespace ovix;
using namespace ovix::test;

namespace {

class PublishingCycle : public ::testing::Test {
protected:
    void SetUp() override
    {
        fixClock(2024, 3, 5, 8, 0);
        config.setDefaultElementNames();
        writeBytes(dir.file("film.dat"), film);
    }
    void TearDown() override
    {
        releaseClock();
    }

    TempDir dir;
    DataDir data { dir.path() };
    PublishLog log;
    SyncConfig config;
    const std::string film = blankRecord(-1) + greenTeaRecord();
};

} // namespace

TEST_F(PublishingCycle, LocalFileOnlyProducesTheFileAndConnectsNowhere)
{
    SilentListener ftp;
    config.setText(ConfigText::FtpServer, QString::fromStdString(ftp.address()));
    config.setLocalFileOnly(true);
    config.setFileFormat(FileFormat::Csv);
    config.setIncluded(OptionalField::Notes, false);
    Publisher publisher(data, log);
    EXPECT_EQ(publisher.runCycle(config), Publisher::Result::LocalFileProduced);
    EXPECT_EQ(publisher.uploadsRunning(), 0);
    EXPECT_EQ(log.lines(), QStringList({ "Local file produced." }));
    EXPECT_EQ(readBytes(dir.file("inventor.dat")), film);
    EXPECT_EQ(readBytes(dir.file("inventor.csv")),
        "1042,GREEN TEA,5012345678900,GT-01,,LOOSE,1.50,2.25,3.99,12,4,2,7,DRINKS,100G,"
        "05/03/2024,14:3005/03/2024,SUP-77,6,37,SHELF 3,www.shop.test/tea\r\n");
    EXPECT_FALSE(ftp.someoneConnected());
}

TEST_F(PublishingCycle, EachUploadRunsOnAThreadOfItsOwn)
{
    TempDir served;
    LocalFtpServer server(served.path());
    if (!server.unavailable().empty())
        GTEST_SKIP() << server.unavailable();
    config.setText(ConfigText::FtpServer, QString::fromStdString(server.address()));
    config.setText(ConfigText::FtpUserName, QStringLiteral("user"));
    config.setText(ConfigText::FtpPassword, QStringLiteral("pass"));
    config.setText(ConfigText::UploadFileName, QStringLiteral("stock.xml"));
    Publisher publisher(data, log);
    EXPECT_EQ(publisher.runCycle(config), Publisher::Result::UploadStarted);
    publisher.waitForUploads();
    EXPECT_EQ(log.lines(),
        QStringList({ "Upload initiated.", "8:00 Tue Mar 5 2024", "Transfer complete.", "  " }));
    const std::string produced = readBytes(dir.file("stock.xml"));
    EXPECT_EQ(produced.substr(0, 45), "<?xml version=\"1.0\" encoding=\"WINDOWS-1252\"?>");
    EXPECT_EQ(readBytes(served.file("stock.xml")), produced);

    for (int i = 0; i < 3; ++i) // the next cycles start before the earlier uploads end
        EXPECT_EQ(publisher.runCycle(config), Publisher::Result::UploadStarted);
    publisher.waitForUploads();
    EXPECT_EQ(log.lines().count("Transfer complete."), 4) << testing::PrintToString(log.lines());
    EXPECT_EQ(readBytes(served.file("stock.xml")), produced);
}

TEST_F(PublishingCycle, MissingItemFileOrAShopFileAsUploadNameStopsTheCycle)
{
    ::unlink(dir.file("film.dat").c_str());
    Publisher publisher(data, log);
    EXPECT_EQ(publisher.runCycle(config), Publisher::Result::CopyFailed);
    EXPECT_EQ(log.lines(),
        QStringList({ "Upload initiated.", "Unable to locate or copy the OVIX inventory file" }));

    writeBytes(dir.file("film.dat"), film);
    PublishLog refused;
    Publisher local(data, refused);
    config.setLocalFileOnly(true);
    config.setText(ConfigText::UploadFileName, QStringLiteral("FILM.DAT"));
    EXPECT_EQ(local.runCycle(config), Publisher::Result::ConversionFailed);
    EXPECT_EQ(refused.lines(),
        QStringList({ "Upload filename not usable: FILM.DAT", "8:00 Tue Mar 5 2024",
            "Unable to produce upload file", "    ",
            "Unable to convert inventory file for upload" }));
    EXPECT_EQ(readBytes(dir.file("film.dat")), film);
}

TEST_F(PublishingCycle, FinishStopsUploadsThatHang)
{
    SilentListener silent;
    config.setText(ConfigText::FtpServer, QString::fromStdString(silent.address()));
    Publisher publisher(data, log);
    EXPECT_EQ(publisher.runCycle(config), Publisher::Result::UploadStarted);
    EXPECT_EQ(publisher.runCycle(config), Publisher::Result::UploadStarted);
    EXPECT_EQ(publisher.uploadsRunning(), 2);
    const auto started = std::chrono::steady_clock::now();
    publisher.finish();
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
    EXPECT_EQ(publisher.uploadsRunning(), 0);
    EXPECT_EQ(log.lines().count("Transfer failed."), 2);
}
