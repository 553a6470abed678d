// ovixcardsim's own command line: --help lists every option, a wrong one is
// refused with status 2, and --count ends it after that many requests.

#include "comms/logic/card_exchange.h"
#include "support/test_support.h"

#include <QProcess>
#include <gtest/gtest.h>

#include <filesystem>

namespace ovix::test {
namespace {

struct SimulatorRun {
    int status = -1;
    std::string out;
    std::string err;
};

SimulatorRun runSimulator(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(OVIXCARDSIM_PATH), arguments);
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished();
    }
    return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        process.readAllStandardOutput().toStdString(),
        process.readAllStandardError().toStdString() };
}

TEST(CardSimulatorProgram, HelpListsEveryOption)
{
    const SimulatorRun run = runSimulator({ QStringLiteral("--help") });
    EXPECT_EQ(run.status, 0);
    for (const char *option : { "--folder", "--code", "--delay", "--pieces", "--piece-pause",
             "--reply", "--never", "--count" })
        EXPECT_NE(run.out.find(option), std::string::npos) << option;
}

TEST(CardSimulatorProgram, RefusesAWrongCommandLine)
{
    const QStringList wrong[] = {
        {},
        { QStringLiteral("--folder"), QStringLiteral("/tmp/x"), QStringLiteral("--code"),
            QStringLiteral("100") },
        { QStringLiteral("--folder"), QStringLiteral("/tmp/x"), QStringLiteral("--delay"),
            QStringLiteral("-1") },
        { QStringLiteral("--folder"), QStringLiteral("/tmp/x"), QStringLiteral("--pieces") },
        { QStringLiteral("--folder"), QStringLiteral("/tmp/x"), QStringLiteral("--colour"),
            QStringLiteral("red") },
    };
    for (const QStringList &arguments : wrong) {
        const SimulatorRun run = runSimulator(arguments);
        EXPECT_EQ(run.status, 2) << arguments.join(' ').toStdString();
        EXPECT_NE(run.err.find("ovixcardsim:"), std::string::npos);
    }
}

TEST(CardSimulatorProgram, TakesTheRequestAndAnswersCountTimes)
{
    TempDir temp;
    const std::string folder = temp.file("eft");
    std::filesystem::create_directory(folder);
    writeBytes(folder + "/" + kCardRequestName, "1=9\n2=0\n3=1.00\n99=0");
    const SimulatorRun run = runSimulator({ QStringLiteral("--folder"), QString::fromStdString(folder),
        QStringLiteral("--code"), QStringLiteral("31"), QStringLiteral("--delay"),
        QStringLiteral("0"), QStringLiteral("--count"), QStringLiteral("1") });
    EXPECT_EQ(run.status, 0);
    EXPECT_FALSE(std::filesystem::exists(folder + "/" + kCardRequestName));
    EXPECT_EQ(readBytes(folder + "/" + kCardReplyName), "3=31\n");
}

} // namespace
} // namespace ovix::test
