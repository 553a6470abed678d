// The head-office items of the Activity popup at the till: the "Upload
// configuration" dialog and the upload on a background job, against a real
// FTP server on 127.0.0.1.

#include "comms/logic/upload_config.h"
#include "platform/background_jobs.h"
#include "platform/scripted_messages.h"
#include "sales/logic/till_state.h"
#include "sales/widgets/till_window.h"
#include "store/till_config.h"
#include "support/local_ftp_server.h"
#include "support/test_support.h"
#include "till/logic/clerks.h"
#include "till/widgets/head_office_upload_commands.h"
#include "till/widgets/upload_config_dialog.h"
#include "widgets/modal_dialogs.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <chrono>
#include <map>

using namespace ovix;
using namespace ovix::test;

namespace {

class JobWindow : public TillWindow {
public:
    ~JobWindow() override
    {
        endBackgroundJobs();
    }
    void registerCommand(Command command, std::function<void()> work) override
    {
        work_[command] = std::move(work);
    }
    QWidget *widget() override
    {
        return &parent_;
    }
    void setTenderAmountBox(QWidget *) override { }
    void focusItemBox() override { }
    void run(Command command)
    {
        work_.at(command)();
    }

private:
    QWidget parent_;
    std::map<Command, std::function<void()>> work_;
};

// Spins the event loop until `done` or 20 seconds have passed.
template <typename Done>
bool waitFor(Done done)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!done() && std::chrono::steady_clock::now() < deadline)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return done();
}

class HeadOfficeUpload : public ::testing::Test {
protected:
    void SetUp() override
    {
        connectHeadOfficeUploadCommands(window, state, messages);
        state.heading.setLine(HeadingLine::SiteName, "CORNER SHOP");
        writeBytes(shop.file("film.dat"), std::string(1874, '\0'));
    }

    void configure(const std::string &server, const std::string &password)
    {
        UploadConfig upload;
        upload.setServer(server);
        upload.setUserName("user");
        upload.setPassword(password);
        upload.presetEmptyNames();
        ASSERT_TRUE(writeUploadConfig(state.dir, upload));
        state.config.set(cfg::headOfficeUpload, 2, 2); // the reorder list only
    }

    TempDir shop;
    TempDir served;
    TillState state { shop.path() };
    ScriptedMessages messages;
    JobWindow window;
};

} // namespace

TEST_F(HeadOfficeUpload, TheReorderListGoesOnAJobWhileTheTitleSaysSo)
{
    LocalFtpServer server(served.path());
    if (!server.unavailable().empty())
        GTEST_SKIP() << server.unavailable();
    configure(server.address(), "pass");
    window.widget()->setWindowTitle(QString::fromUtf8(clerkCaption(state)));

    window.run(Command::UploadHeadOfficeReport);
    EXPECT_EQ(window.widget()->windowTitle(), "Upload in progress");
    ASSERT_TRUE(waitFor([&] { return !messages.shown.empty(); }));
    EXPECT_EQ(messages.lastText(), "Transfer complete");
    EXPECT_EQ(messages.lastCaption(), "Transmission");
    EXPECT_EQ(window.widget()->windowTitle(), QString::fromUtf8(clerkCaption(state)));
    EXPECT_EQ(readBytes(served.file("Reorder.txt")), readBytes(shop.file("Reorder.txt")));
    EXPECT_EQ(readBytes(served.file("Reorder.txt")).rfind("Reorder list: CORNER SHOP\r\n", 0), 0u);
    EXPECT_FALSE(fileExists(served.file("Activity.txt")));
    EXPECT_FALSE(fileExists(shop.file("Activity.txt")));
}

TEST_F(HeadOfficeUpload, AWrongPasswordTellsTheConnectErrorAndKeepsTheFile)
{
    LocalFtpServer server(served.path());
    if (!server.unavailable().empty())
        GTEST_SKIP() << server.unavailable();
    configure(server.address(), "wrong");

    window.run(Command::UploadHeadOfficeReport);
    ASSERT_TRUE(waitFor([&] { return !messages.shown.empty(); }));
    EXPECT_EQ(messages.lastText(), "Internet ftp connect error");
    EXPECT_EQ(messages.lastCaption(), "Problem");
    EXPECT_FALSE(fileExists(served.file("Reorder.txt")));
    EXPECT_TRUE(fileExists(shop.file("Reorder.txt")));
}

TEST_F(HeadOfficeUpload, WithoutSettingsTheDialogComesFirstAndCancelEndsTheCommand)
{
    whenModalOpens<UploadConfigDialog>([](UploadConfigDialog *dialog) {
        EXPECT_EQ(dialog->passwordBox()->echoMode(), QLineEdit::Password);
        EXPECT_EQ(dialog->fileNameBox(HeadOfficeReport::DailyItems)->text(), "Dlyitems.txt");
        EXPECT_TRUE(clickNamed(dialog, "cancel"));
    });
    window.run(Command::UploadHeadOfficeReport);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(fileExists(shop.file("upload.cfg")));
    EXPECT_EQ(window.backgroundJobs().running(), 0);
}

TEST_F(HeadOfficeUpload, TheSetupStoresWhatTheDialogHolds)
{
    whenModalOpens<UploadConfigDialog>([](UploadConfigDialog *dialog) {
        dialog->serverBox()->setText("ftp.head.test");
        dialog->passwordBox()->setText("secret");
        dialog->uploadBox(HeadOfficeReport::DailyOverview)->setChecked(true);
        dialog->fileNameBox(HeadOfficeReport::DailyOverview)->setText("DAY.TXT");
        EXPECT_TRUE(clickNamed(dialog, "ok"));
    });
    window.run(Command::HeadOfficeReportSetup);
    const std::optional<UploadConfig> stored = readUploadConfig(state.dir);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->server(), "ftp.head.test");
    EXPECT_EQ(stored->password(), "secret");
    EXPECT_EQ(stored->fileName(HeadOfficeReport::DailyOverview), "DAY.TXT");
    EXPECT_EQ(stored->fileName(HeadOfficeReport::ReorderList), "Reorder.txt");
    EXPECT_EQ(state.config.get(cfg::headOfficeUpload, 0), 2);
    EXPECT_EQ(state.config.get(cfg::headOfficeUpload, 1), 0);
}

TEST_F(HeadOfficeUpload, NothingChosenIsToldBeforeAnythingIsWritten)
{
    configure("127.0.0.1:1", "pass");
    state.config.set(cfg::headOfficeUpload, 2, 0);
    window.run(Command::UploadHeadOfficeReport);
    EXPECT_EQ(messages.lastText(), "No reports selected.");
    EXPECT_EQ(window.backgroundJobs().running(), 0);
    EXPECT_NE(window.widget()->windowTitle(), "Upload in progress");
}
