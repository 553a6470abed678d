#include "platform/file.h"
#include "comms/logic/ftp_upload.h"
#include "sync/logic/publish_log.h"
#include "sync_test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

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
        for (int i = 0; i < 70000; ++i) // every byte value: a text-mode transfer would show
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
    EXPECT_EQ(ftpUploadUrl("host", "caf\xC3\xA9?", "a.xml"), "ftp://host/caf%C3%A9%3F/a.xml");
    for (const char *notAHost : { "", "user@host", "host/path", "ftp://host" })
        EXPECT_EQ(ftpUploadUrl(notAHost, "", "a.xml"), "") << notAHost;
    EXPECT_EQ(ftpUploadUrl("host", "a\r\nDELE x", "a.xml"), "");
}

TEST_F(FtpUpload, FileArrivesByteForByteInTheRemoteFolder)
{
    FtpJob upload = job("stock");
    EXPECT_EQ(uploadAndLog(upload, log, stop), UploadOutcome::Complete);
    EXPECT_EQ(log.lines(), QStringList({ "14:30 Tue Mar 5 2024", "Transfer complete.", "  " }));
    EXPECT_EQ(readBytes(served.file("stock/inventor.xml")), content);

    writeBytes(local.file("inventor.xml"), "second");
    FtpJob again = job(""); // the log-on folder
    EXPECT_EQ(uploadAndLog(again, log, stop), UploadOutcome::Complete);
    EXPECT_EQ(readBytes(served.file("inventor.xml")), "second");
}

TEST_F(FtpUpload, WrongPasswordIsAConnectError)
{
    FtpJob upload = job("stock", "wrong");
    EXPECT_EQ(uploadAndLog(upload, log, stop), UploadOutcome::ConnectFailed);
    EXPECT_EQ(log.lines(),
        QStringList({ "14:30 Tue Mar 5 2024", "Internet ftp connect error 67", "  " }));
    EXPECT_FALSE(fileExists(served.file("stock/inventor.xml")));
}

TEST_F(FtpUpload, MissingRemoteFolderIsNotCreated)
{
    FtpJob upload = job("nosuch");
    EXPECT_EQ(uploadAndLog(upload, log, stop), UploadOutcome::FolderFailed);
    EXPECT_EQ(log.lines(),
        QStringList({ "Unable to set directory to nosuch", "Reported error 9", "  " }));
    EXPECT_FALSE(std::filesystem::exists(served.file("nosuch")));
    EXPECT_FALSE(fileExists(served.file("inventor.xml")));
}

TEST_F(FtpUpload, NoServerNobodyListeningAndAHostileFolder)
{
    FtpJob noServer = job("");
    noServer.server.clear();
    EXPECT_EQ(uploadAndLog(noServer, log, stop), UploadOutcome::NoServer);
    EXPECT_EQ(log.lines(),
        QStringList({ "14:30 Tue Mar 5 2024", "Please specify the FTP server in the configuration.",
            "  " }));

    PublishLog refused;
    FtpJob nobody = job("");
    nobody.server = "127.0.0.1:" + std::to_string(freeLocalPort());
    EXPECT_EQ(uploadAndLog(nobody, refused, stop), UploadOutcome::ConnectFailed);
    EXPECT_EQ(refused.lines().value(1), "Internet ftp connect error 7");

    PublishLog injected;
    FtpJob crlf = job("stock\r\nDELE inventor.xml");
    EXPECT_EQ(uploadAndLog(crlf, injected, stop), UploadOutcome::FolderFailed);
    EXPECT_EQ(injected.lines().value(1), "Reported error 3");
}

TEST_F(FtpUpload, StopAbandonsAnUploadToAServerThatNeverAnswers)
{
    SilentListener silent;
    FtpJob upload = job("");
    upload.server = silent.address();
    std::thread stopper([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        stop = true;
    });
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(uploadAndLog(upload, log, stop), UploadOutcome::TransferFailed);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
    stopper.join();
}
