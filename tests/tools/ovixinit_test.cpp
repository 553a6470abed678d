#include "platform/data_lock.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <map>
#include <sys/wait.h>
#include <unistd.h>

using ovix::test::TempDir;

namespace {

struct InitRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the real ovixinit in `folder` with `option` (none when empty) under the
// locale `locale`; its output is caught in files outside that folder.
InitRun runInit(const std::string &folder, const char *option, const char *locale = "en_GB.UTF-8")
{
    TempDir output;
    const std::string outPath = output.file("out");
    const std::string errPath = output.file("err");
    pid_t pid = fork();
    if (pid == 0) {
        int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out < 0 || err < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0 ||
            chdir(folder.c_str()) != 0)
            _exit(120);
        setenv("LC_ALL", locale, 1);
        setenv("LANG", locale, 1);
        if (option && *option)
            execl(OVIXINIT_PATH, "ovixinit", option, static_cast<char *>(nullptr));
        else
            execl(OVIXINIT_PATH, "ovixinit", static_cast<char *>(nullptr));
        _exit(121);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    InitRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    run.out = ovix::test::readBytes(outPath);
    run.err = ovix::test::readBytes(errPath);
    return run;
}

std::map<std::string, std::string> snapshot(const std::string &folder)
{
    std::map<std::string, std::string> files;
    for (const auto &entry : std::filesystem::directory_iterator(folder))
        files[entry.path().filename().string()] = ovix::test::readBytes(entry.path().string());
    return files;
}

} // namespace

TEST(OvixInit, CreatesOnceThenRefusesAndChangesNothing)
{
    TempDir dir;
    InitRun first = runInit(dir.path(), "");
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_NE(first.out.find("New data set created."), std::string::npos) << first.out;
    auto files = snapshot(dir.path());
    ASSERT_EQ(files.size(), 5u);
    EXPECT_EQ(files["film.dat"].size(), 1874u);
    EXPECT_EQ(ovix::test::getI64(files["film.dat"], 0), -1);
    EXPECT_EQ(files["member.dat"].size(), 2094u);
    EXPECT_EQ(files["mans.dat"].size(), 1058u);
    EXPECT_EQ(files["resn.dat"].size(), 30u * 12932u);
    ASSERT_EQ(files["wr.cfg"].size(), 42550u);
    // The currency symbol comes from the locale, as Windows-1252.
    EXPECT_EQ(ovix::test::getText(files["wr.cfg"], 1368, 5), "\xA3");

    InitRun second = runInit(dir.path(), "--demo");
    EXPECT_EQ(second.exitCode, 1);
    EXPECT_NE(second.err.find("Problem: "), std::string::npos) << second.err;
    EXPECT_EQ(snapshot(dir.path()), files);
}

TEST(OvixInit, DemoShopThenRebuild)
{
    TempDir dir;
    InitRun demo = runInit(dir.path(), "--demo", "de_DE.UTF-8");
    ASSERT_EQ(demo.exitCode, 0) << demo.err;
    const std::string cfg = ovix::test::readBytes(dir.file("wr.cfg"));
    ASSERT_EQ(cfg.size(), 42550u);
    EXPECT_EQ(ovix::test::getText(cfg, 1368, 5), "\x80"); // the euro sign
    EXPECT_GT(ovix::test::getI64(cfg, 1000), 60);
    EXPECT_GE(ovix::test::readBytes(dir.file("film.dat")).size(), 61u * 1874u);

    // A demo set is sound: the rebuild finds nothing to change.
    const auto before = snapshot(dir.path());
    InitRun rebuild = runInit(dir.path(), "--rebuild");
    EXPECT_EQ(rebuild.exitCode, 0) << rebuild.err;
    EXPECT_EQ(rebuild.out, "File rebuild: Complete.\n");
    EXPECT_EQ(snapshot(dir.path()), before);
}

TEST(OvixInit, RebuildReportsAMissingDataSet)
{
    TempDir dir;
    InitRun rebuild = runInit(dir.path(), "--rebuild");
    EXPECT_EQ(rebuild.exitCode, 1);
    EXPECT_EQ(rebuild.err, "Fatal error: Data file: film.dat, not present.\n");
    EXPECT_TRUE(snapshot(dir.path()).empty());
}

TEST(OvixInit, HelpAndUnknownOptions)
{
    TempDir dir;
    InitRun help = runInit(dir.path(), "--help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("Usage: ovixinit"), std::string::npos);
    for (const char *option : {"--demon", "-x", "demo"}) {
        InitRun bad = runInit(dir.path(), option);
        EXPECT_EQ(bad.exitCode, 2) << option;
        EXPECT_NE(bad.err.find("Usage: ovixinit"), std::string::npos);
    }
    EXPECT_TRUE(snapshot(dir.path()).empty());
}

TEST(OvixInit, KeepsOffADataSetTheTillHasOpen)
{
    TempDir dir;
    ASSERT_EQ(runInit(dir.path(), "").exitCode, 0);
    const auto before = snapshot(dir.path());
    ovix::DataFolderLock till;
    ASSERT_TRUE(till.tryLock(dir.path()));
    InitRun rebuild = runInit(dir.path(), "--rebuild");
    EXPECT_EQ(rebuild.exitCode, 1);
    EXPECT_NE(rebuild.err.find("The till is running"), std::string::npos) << rebuild.err;
    EXPECT_EQ(snapshot(dir.path()), before);
    till.unlock();
    EXPECT_EQ(runInit(dir.path(), "--rebuild").exitCode, 0);
}
