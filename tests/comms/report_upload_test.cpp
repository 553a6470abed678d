#include "comms/logic/ftp_upload.h"
#include "comms/logic/report_upload.h"
#include "comms/logic/upload_config.h"
#include "platform/data_dir.h"
#include "support/local_ftp_server.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using namespace ovix;
using namespace ovix::test;

namespace {

class ReportUpload : public ::testing::Test {
protected:
    void SetUp() override
    {
        server = std::make_unique<LocalFtpServer>(served.path(), commands.file("ftp.log"));
        if (!server->unavailable().empty())
            GTEST_SKIP() << server->unavailable();
        settings.setServer(server->address());
        settings.setUserName("user");
        settings.setPassword("pass");
        for (int i = 0; i < 3000; ++i) // every byte value and bare line ends
            reorder += static_cast<char>(i * 13 % 256);
        writeBytes(shop.file("Activity.txt"), "Overview\r\nline 2");
        writeBytes(shop.file("Dlyitems.txt"), "Daily item list: SHOP\r\n\n\r");
        writeBytes(shop.file("Reorder.txt"), reorder);
    }

    TempDir served;
    TempDir shop;
    TempDir commands;
    std::unique_ptr<LocalFtpServer> server;
    UploadConfig settings;
    std::string reorder;
    std::atomic<bool> stop { false };
};

} // namespace

TEST_F(ReportUpload, EveryFileArrivesByteForByteOverActiveConnections)
{
    const ReportUploadMessage told = uploadReportFiles(
        settings, DataDir(shop.path()), { "Activity.txt", "Dlyitems.txt", "Reorder.txt" }, stop);
    EXPECT_EQ(told.text, "Transfer complete");
    EXPECT_EQ(told.caption, "Transmission");
    for (const char *name : { "Activity.txt", "Dlyitems.txt", "Reorder.txt" })
        EXPECT_EQ(readBytes(served.file(name)), readBytes(shop.file(name))) << name;

    const std::string log = readBytes(commands.file("ftp.log"));
    EXPECT_NE(log.find("EPRT"), std::string::npos) << "the server opened the data connections";
    EXPECT_EQ(log.find("EPSV"), std::string::npos);
    EXPECT_EQ(log.find("PASV"), std::string::npos);
}

TEST_F(ReportUpload, OnlyTheNamedFileIsSentAndAnOldOneReplaced)
{
    writeBytes(served.file("Reorder.txt"), "yesterday's, longer than today's list........");
    const ReportUploadMessage told
        = uploadReportFiles(settings, DataDir(shop.path()), { "Reorder.txt" }, stop);
    EXPECT_EQ(told.text, "Transfer complete");
    EXPECT_EQ(readBytes(served.file("Reorder.txt")), reorder);
    EXPECT_FALSE(fileExists(served.file("Activity.txt")));
    EXPECT_FALSE(fileExists(served.file("Dlyitems.txt")));
}

TEST_F(ReportUpload, RefusalsAndFailuresEachTellTheirMessage)
{
    const std::string nobody = "127.0.0.1:" + std::to_string(freeLocalPort());
    const struct {
        const char *what;
        std::string server;
        std::string password;
        std::vector<std::string> names;
        const char *text;
        const char *caption;
    } cases[] = {
        { "wrong password", server->address(), "wrong", { "Activity.txt", "Reorder.txt" },
            "Internet ftp connect error", "Problem" },
        { "nobody listening", nobody, "pass", { "Activity.txt" }, "Internet ftp connect error",
            "Problem" },
        { "no server", "", "pass", { "Activity.txt" },
            "Please specify the FTP server in the configuration", "Problem" },
        { "not a host name", "host/path", "pass", { "Activity.txt" },
            "Internet ftp connect error", "Problem" },
        { "a file gone from the shop folder", server->address(), "pass",
            { "Gone.txt", "Reorder.txt" }, "Transfer failed", "Transmission" },
    };
    for (const auto &c : cases) {
        UploadConfig config = settings;
        config.setServer(c.server);
        config.setPassword(c.password);
        const ReportUploadMessage told = uploadReportFiles(config, DataDir(shop.path()), c.names, stop);
        EXPECT_EQ(told.text, c.text) << c.what;
        EXPECT_EQ(told.caption, c.caption) << c.what;
    }
    EXPECT_FALSE(fileExists(served.file("Activity.txt"))) << "nothing went with a refused log-on";
    EXPECT_EQ(readBytes(served.file("Reorder.txt")), reorder) << "the file that could be sent";
    EXPECT_EQ(readBytes(shop.file("Activity.txt")), "Overview\r\nline 2") << "kept in the shop";
}

TEST_F(ReportUpload, StopAbandonsAServerThatNeverAnswersAndSendsNothingMore)
{
    SilentListener silent;
    UploadConfig config = settings;
    config.setServer(silent.address());
    std::thread stopper([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        stop = true;
    });
    const auto started = std::chrono::steady_clock::now();
    const ReportUploadMessage told = uploadReportFiles(
        config, DataDir(shop.path()), { "Activity.txt", "Dlyitems.txt", "Reorder.txt" }, stop);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
    EXPECT_EQ(told.text, "Transfer failed");
    stopper.join();
}
