#include "platform/data_dir.h"
#include "platform/file.h"
#include "sync/logic/publish_log.h"
#include "sync/logic/publisher.h"
#include "sync/logic/sync_config.h"
#include "sync_test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <sys/stat.h>
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
    EXPECT_EQ(log.lines(),
        QStringList({ "Local file produced.",
            QString::fromStdString("File: " + dir.file("inventor.csv")) }));
    EXPECT_EQ(readBytes(dir.file("inventor.dat")), film);
    EXPECT_EQ(readBytes(dir.file("inventor.csv")),
        "1042,GREEN TEA,5012345678900,GT-01,,LOOSE,1.50,2.25,3.99,12,4,2,7,DRINKS,100G,"
        "05/03/2024,14:3005/03/2024,SUP-77,6,37,SHELF 3,www.shop.test/tea\r\n");
    EXPECT_FALSE(ftp.someoneConnected());
}

TEST_F(PublishingCycle, TheProducedFileIsNamedByItsWholePathAndALongOneKeepsItsEnd)
{
    config.setLocalFileOnly(true);
    const struct {
        std::string folder; // under the test folder
        QString fileLine;   // "" = "File: " and the whole path
    } cases[] = {
        { "shop", "" },
        { "shop/../shop", "" },
        { std::string(120, 'a') + "/" + std::string(120, 'b'),
            QString::fromStdString("File: ..." + std::string(56, 'a') + "/"
                + std::string(120, 'b') + "/inventor.xml") },
    };
    for (const auto &c : cases) {
        const std::string folder = dir.file(c.folder);
        ASSERT_EQ(std::system(("mkdir -p '" + folder + "'").c_str()), 0);
        writeBytes(folder + "/film.dat", film);
        PublishLog cycleLog;
        Publisher publisher(DataDir(folder), cycleLog);
        EXPECT_EQ(publisher.runCycle(config), Publisher::Result::LocalFileProduced);
        const QStringList lines = cycleLog.lines();
        ASSERT_EQ(lines.size(), 2) << c.folder;
        EXPECT_EQ(lines[0], "Local file produced.");
        const QString whole = QString::fromStdString("File: " + dir.file("shop/inventor.xml"));
        EXPECT_EQ(lines[1], c.fileLine.isEmpty() ? whole : c.fileLine) << c.folder;
        EXPECT_LE(lines[1].size(), PublishLog::kMaxLineLength);
    }
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

TEST_F(PublishingCycle, AnUploadNameOfTheTillsFilesIsRefusedAndTheFileKept)
{
    config.setLocalFileOnly(true);
    const char *const names[] = { "ports.cfg", "PORTS.CFG", "Ports.Cfg", "ovix.jnl", "OVIX.JNL",
        "wr.cfg", "Wr.Cfg", "receipt.bmp", "RECEIPT.BMP", "m1042.bmp", "M1042.BMP", "stock3.bmp",
        "STOCK3.BMP", "saleslog.dat", "SalesLog.Dat", "input.txt", "OUTPUT.TXT", "base.dat",
        "inventor.dat", "INVENTOR.DAT", "vx.cfg", "VX.CFG", "2026", "wr.cfg.new~", "basket.sav",
        "Basket.Sav" };
    for (const char *name : names) {
        SCOPED_TRACE(name);
        TempDir shop;
        writeBytes(shop.file("film.dat"), film);
        // The till's file under its own name, in lower case, as the till makes it.
        const std::string own = QString::fromLatin1(name).toLower().toStdString();
        const std::string bytes = std::string("the till's ") + name;
        writeBytes(shop.file(own), bytes);
        config.setText(ConfigText::UploadFileName, QString::fromLatin1(name));
        PublishLog refusedLog;
        Publisher publisher(DataDir(shop.path()), refusedLog);
        EXPECT_EQ(publisher.runCycle(config), Publisher::Result::ConversionFailed);
        EXPECT_EQ(refusedLog.lines().value(0),
            QStringLiteral("Upload filename not usable: ") + QString::fromLatin1(name));
        if (own != "inventor.dat") { // the cycle's own copy of film.dat
            EXPECT_EQ(readBytes(shop.file(own)), bytes);
        }
        EXPECT_FALSE(fileExists(shop.file(own + ".new~")));
        EXPECT_FALSE(fileExists(shop.file(std::string(name) + ".new~")));
    }
}

TEST_F(PublishingCycle, CopiesOfTheItemFileAreNoMoreOpenThanIt)
{
    const mode_t oldUmask = ::umask(022);
    config.setLocalFileOnly(true);
    for (mode_t filmMode : { 0600, 0640 }) {
        SCOPED_TRACE(filmMode);
        ASSERT_EQ(::chmod(dir.file("film.dat").c_str(), filmMode), 0);
        // Copies left by an earlier version, open to everyone.
        writeBytes(dir.file("inventor.dat"), "old copy");
        ::chmod(dir.file("inventor.dat").c_str(), 0666);
        writeBytes(dir.file("inventor.xml"), "old stock file");
        ::chmod(dir.file("inventor.xml").c_str(), 0666);
        Publisher publisher(data, log);
        EXPECT_EQ(publisher.runCycle(config), Publisher::Result::LocalFileProduced);
        struct stat st { };
        ASSERT_EQ(::stat(dir.file("inventor.dat").c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, filmMode);
        ASSERT_EQ(::stat(dir.file("inventor.xml").c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, filmMode);
        EXPECT_EQ(readBytes(dir.file("inventor.dat")), film);
    }
    ::umask(oldUmask);
}
