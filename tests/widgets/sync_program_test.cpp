// The real publisher program, stopped by a signal as a desktop logout or
// `kill` stops it: it stores vx.cfg as when File "Exit" is chosen.

#include "support/test_support.h"

#include <QProcess>
#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <string>
#include <sys/stat.h>

using ovix::test::TempDir;

namespace {

// Whether process `pid` catches signal `number` (its handler is installed).
bool catchesSignal(qint64 pid, int number)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("SigCgt:", 0) == 0) {
            const unsigned long long mask = std::stoull(line.substr(7), nullptr, 16);
            return (mask >> (number - 1)) & 1U;
        }
    }
    return false;
}

} // namespace

TEST(SyncProgram, AStopSignalStoresTheSettingsAsExitDoes)
{
    for (int signal : { SIGTERM, SIGINT }) {
        SCOPED_TRACE(signal);
        TempDir shop;
        // Help already shown (no browser started); the element names empty,
        // so the run sets the defaults and the stored file shows it.
        std::string settings(40320, '\0');
        ovix::test::putI32(settings, 16, 2);
        ovix::test::writeBytes(shop.file("vx.cfg"), settings);
        ::chmod(shop.file("vx.cfg").c_str(), 0644);

        QProcess publisher;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        publisher.setProcessEnvironment(environment);
        publisher.setWorkingDirectory(QString::fromStdString(shop.path()));
        publisher.setProcessChannelMode(QProcess::MergedChannels);
        publisher.start(QStringLiteral(OVIXSYNC_PATH), {});
        ASSERT_TRUE(publisher.waitForStarted(10000));
        bool ready = false;
        for (int i = 0; i < 300 && !ready; ++i) {
            ready = catchesSignal(publisher.processId(), SIGTERM)
                && catchesSignal(publisher.processId(), SIGINT);
            if (!ready)
                publisher.waitForFinished(100);
        }
        ASSERT_TRUE(ready) << publisher.readAll().toStdString();
        ASSERT_EQ(::kill(static_cast<pid_t>(publisher.processId()), signal), 0);
        ASSERT_TRUE(publisher.waitForFinished(20000));
        EXPECT_EQ(publisher.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(publisher.exitCode(), 0) << publisher.readAll().toStdString();

        const std::string stored = ovix::test::readBytes(shop.file("vx.cfg"));
        ASSERT_EQ(stored.size(), 40320u);
        EXPECT_EQ(stored.substr(13280, 10), std::string("i\0t\0e\0m\0\0\0", 10));
        struct stat st {};
        ASSERT_EQ(::stat(shop.file("vx.cfg").c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0600u);
    }
}
