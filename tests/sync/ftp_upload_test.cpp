#include "platform/file.h"
#include "sync/logic/ftp_upload.h"
#include "sync/logic/publish_log.h"
#include "sync_test_support.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <arpa/inet.h>
#include <chrono>
#include <filesystem>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

using namespace ovix;
using namespace ovix::test;

namespace {

class FtpUpload : public ::testing::Test {
protected:
    void SetUp() override
    {
        fixClock(2024, 3, 5, 14, 30);
        std::filesystem::create_directory(served.file("stock"));
        server = std::make_unique<LocalFtpServer>(served.path());
        if (!server->unavailable().empty())
            GTEST_SKIP() << server->unavailable();
        // Bytes of every value, so that a text-mode transfer would show.
        for (int i = 0; i < 70000; ++i)
            content += static_cast<char>(i * 7 % 256);
        content += "\r\n\n\r";
        writeBytes(local.file("inventor.xml"), content);
    }
    void TearDown() override
    {
        releaseClock();
    }

    FtpJob job(const std::string &folder, const std::string &password = "pass")
    {
        FtpJob job;
        job.server = server->address();
        job.userName = "user";
        job.password = password;
        job.remoteFolder = folder;
        job.remoteName = "inventor.xml";
        job.file = File::open(local.file("inventor.xml"), File::Mode::Read);
        return job;
    }

    TempDir served;
    TempDir local;
    std::unique_ptr<LocalFtpServer> server;
    std::string content;
    PublishLog log;
    std::atomic<bool> stop { false };
};

} // namespace

TEST(FtpUploadUrl, HostPortFolderAndNameEncoded)
{
    EXPECT_EQ(
        ftpUploadUrl("ftp.shop.test", "", "inventor.xml"), "ftp://ftp.shop.test/inventor.xml");
    EXPECT_EQ(ftpUploadUrl("127.0.0.1:2121", "public_html/stock/", "my stock#1.csv"),
        "ftp://127.0.0.1:2121/public_html/stock/my%20stock%231.csv");
    EXPECT_EQ(ftpUploadUrl("host", "/www", "a.xml"), "ftp://host/%2Fwww/a.xml");
    EXPECT_EQ(ftpUploadUrl("host", "/", "a.xml"), "ftp://host/%2Fa.xml");
    EXPECT_EQ(ftpUploadUrl("host", "caf\xC3\xA9?", "a.xml"), "ftp://host/caf%C3%A9%3F/a.xml");
    EXPECT_EQ(ftpUploadUrl("[::1]:21", "", "a"), "ftp://[::1]:21/a");
    // Not a host: nothing to connect to.
    EXPECT_EQ(ftpUploadUrl("", "", "a.xml"), "");
    EXPECT_EQ(ftpUploadUrl("user@host", "", "a.xml"), "");
    EXPECT_EQ(ftpUploadUrl("host/path", "", "a.xml"), "");
    EXPECT_EQ(ftpUploadUrl("host", "a\r\nDELE x", "a.xml"), "");
}

TEST_F(FtpUpload, FileArrivesByteForByteInTheRemoteFolder)
{
    FtpJob upload = job("stock");
    EXPECT_EQ(uploadByFtp(upload, log, stop), UploadOutcome::Complete);
    EXPECT_EQ(log.lines(), QStringList({ "14:30 Tue Mar 5 2024", "Transfer complete.", "  " }));
    EXPECT_EQ(readBytes(served.file("stock/inventor.xml")), content);

    // Again, over the file now there, and into the log-on folder.
    content = "second";
    writeBytes(local.file("inventor.xml"), content);
    FtpJob again = job("");
    EXPECT_EQ(uploadByFtp(again, log, stop), UploadOutcome::Complete);
    EXPECT_EQ(readBytes(served.file("inventor.xml")), "second");
}

TEST_F(FtpUpload, WrongPasswordIsAConnectError)
{
    FtpJob upload = job("stock", "wrong");
    EXPECT_EQ(uploadByFtp(upload, log, stop), UploadOutcome::ConnectFailed);
    EXPECT_EQ(log.lines(),
        QStringList({ "14:30 Tue Mar 5 2024", "Internet ftp connect error 67", "  " }));
    EXPECT_FALSE(fileExists(served.file("stock/inventor.xml")));
}

TEST_F(FtpUpload, MissingRemoteFolderIsNotCreated)
{
    FtpJob upload = job("nosuch");
    EXPECT_EQ(uploadByFtp(upload, log, stop), UploadOutcome::FolderFailed);
    EXPECT_EQ(log.lines(),
        QStringList({ "Unable to set directory to nosuch", "Reported error 9", "  " }));
    EXPECT_FALSE(std::filesystem::exists(served.file("nosuch")));
    EXPECT_FALSE(fileExists(served.file("inventor.xml")));
}

TEST_F(FtpUpload, NoServerNobodyListeningAndNoFileName)
{
    FtpJob noServer = job("");
    noServer.server.clear();
    EXPECT_EQ(uploadByFtp(noServer, log, stop), UploadOutcome::NoServer);
    EXPECT_EQ(log.lines(),
        QStringList({ "14:30 Tue Mar 5 2024", "Please specify the FTP server in the configuration.",
            "  " }));

    PublishLog refused;
    FtpJob nobody = job("");
    nobody.server = "127.0.0.1:" + std::to_string(freeLocalPort());
    EXPECT_EQ(uploadByFtp(nobody, refused, stop), UploadOutcome::ConnectFailed);
    EXPECT_EQ(refused.lines(),
        QStringList({ "14:30 Tue Mar 5 2024", "Internet ftp connect error 7", "  " }));

    PublishLog injected;
    FtpJob crlf = job("stock\r\nDELE inventor.xml");
    EXPECT_EQ(uploadByFtp(crlf, injected, stop), UploadOutcome::FolderFailed);
    EXPECT_EQ(injected.lines().value(1), "Reported error 3");
}

TEST_F(FtpUpload, StopAbandonsAnUploadToAServerThatNeverAnswers)
{
    // A listener that accepts connections and says nothing.
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(fd, 4), 0);
    ASSERT_EQ(::getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length), 0);

    FtpJob silent = job("");
    silent.server = "127.0.0.1:" + std::to_string(ntohs(address.sin_port));
    std::thread stopper([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        stop = true;
    });
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(uploadByFtp(silent, log, stop), UploadOutcome::TransferFailed);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
    stopper.join();
    ::close(fd);
}
