#include "platform/data_dir.h"
#include "sync/logic/publish_log.h"
#include "sync/logic/publisher.h"
#include "sync/logic/sync_config.h"
#include "sync_test_support.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <arpa/inet.h>
#include <chrono>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace ovix;
using namespace ovix::test;

namespace {

// A TCP listener on 127.0.0.1 that only notes whether anyone connected.
class Listener {
public:
    Listener()
    {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        ::bind(fd_, reinterpret_cast<sockaddr *>(&address), sizeof address);
        ::listen(fd_, 4);
        ::getsockname(fd_, reinterpret_cast<sockaddr *>(&address), &length);
        port_ = ntohs(address.sin_port);
    }
    ~Listener()
    {
        ::close(fd_);
    }
    std::string address() const
    {
        return "127.0.0.1:" + std::to_string(port_);
    }
    bool someoneConnected() const
    {
        pollfd waiting { fd_, POLLIN, 0 };
        return ::poll(&waiting, 1, 200) > 0;
    }

private:
    int fd_ = -1;
    int port_ = 0;
};

class PublishingCycle : public ::testing::Test {
protected:
    void SetUp() override
    {
        fixClock(2024, 3, 5, 8, 0);
        config.setDefaultElementNames();
        film = blankRecord(-1) + greenTeaRecord();
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
    std::string film;
};

} // namespace

TEST_F(PublishingCycle, LocalFileOnlyProducesTheFileAndConnectsNowhere)
{
    Listener ftp;
    config.setText(ConfigText::FtpServer, QString::fromStdString(ftp.address()));
    config.setLocalFileOnly(true);
    config.setFileFormat(FileFormat::Csv);
    Publisher publisher(data, log);
    EXPECT_EQ(publisher.runCycle(config), Publisher::Result::LocalFileProduced);
    EXPECT_EQ(publisher.uploadsRunning(), 0);
    EXPECT_EQ(log.lines(), QStringList({ "Local file produced." }));
    EXPECT_EQ(readBytes(dir.file("inventor.dat")), film);
    EXPECT_EQ(readBytes(dir.file("inventor.csv")),
        "1042,GREEN TEA,5012345678900,GT-01,,LOOSE,1.50,2.25,3.99,12,4,2,7,DRINKS,100G,"
        "05/03/2024,14:3005/03/2024,SUP-77,6,37,SHELF 3,www.shop.test/tea,"
        "Caf\xE9 blend \x80"
        "5\r\n");
    EXPECT_FALSE(ftp.someoneConnected());
}

TEST_F(PublishingCycle, UploadsOnAThreadOfItsOwn)
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

    // Cycles one after another, each with its own thread.
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(publisher.runCycle(config), Publisher::Result::UploadStarted);
    publisher.waitForUploads();
    EXPECT_EQ(log.lines().count("Transfer complete."), 4);
    EXPECT_EQ(readBytes(served.file("stock.xml")), produced);
}

TEST_F(PublishingCycle, MissingItemFileStopsTheCycle)
{
    ::unlink(dir.file("film.dat").c_str());
    writeBytes(dir.file("inventor.xml"), "last good list");
    Publisher publisher(data, log);
    EXPECT_EQ(publisher.runCycle(config), Publisher::Result::CopyFailed);
    EXPECT_EQ(log.lines(),
        QStringList({ "Upload initiated.", "Unable to locate or copy the OVIX inventory file" }));
    EXPECT_EQ(readBytes(dir.file("inventor.xml")), "last good list");
}

TEST_F(PublishingCycle, AnUploadNameOfAShopFileIsNeverWritten)
{
    config.setLocalFileOnly(true);
    config.setText(ConfigText::UploadFileName, QStringLiteral("FILM.DAT"));
    Publisher publisher(data, log);
    EXPECT_EQ(publisher.runCycle(config), Publisher::Result::ConversionFailed);
    EXPECT_EQ(log.lines(),
        QStringList({ "Upload filename not usable: FILM.DAT", "8:00 Tue Mar 5 2024",
            "Unable to produce upload file", "    ",
            "Unable to convert inventory file for upload" }));
    EXPECT_EQ(readBytes(dir.file("film.dat")), film);
}

TEST_F(PublishingCycle, FinishStopsUploadsThatHang)
{
    Listener silent;
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
