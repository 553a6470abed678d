#include "platform/data_lock.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace ovix;
using ovix::test::TempDir;

namespace {

// Exits 0 when the data folder at `context` could not be locked because
// someone else holds it, 1 when the lock was taken, 2 on any other failure.
void tryLockInChild(void *context)
{
    DataFolderLock lock;
    if (lock.tryLock(static_cast<const char *>(context)))
        _exit(1);
    _exit(lock.heldElsewhere() ? 0 : 2);
}

} // namespace

TEST(DataFolderLock, ASecondProcessIsKeptOutUntilTheFirstLetsGo)
{
    TempDir dir;
    DataFolderLock lock;
    ASSERT_TRUE(lock.tryLock(dir.path()));
    EXPECT_TRUE(lock.isLocked());
    EXPECT_EQ(test::runInChild(tryLockInChild, const_cast<char *>(dir.path().c_str())), 0);

    DataFolderLock sameProcess;
    EXPECT_FALSE(sameProcess.tryLock(dir.path()));
    EXPECT_TRUE(sameProcess.heldElsewhere());

    lock.unlock();
    EXPECT_FALSE(lock.isLocked());
    EXPECT_EQ(test::runInChild(tryLockInChild, const_cast<char *>(dir.path().c_str())), 1);
    EXPECT_TRUE(sameProcess.tryLock(dir.path()));
}

TEST(DataFolderLock, IsFreedWhenTheHolderIsKilled)
{
    TempDir dir;
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    pid_t holder = fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        DataFolderLock lock;
        char ok = lock.tryLock(dir.path()) ? 'y' : 'n';
        if (write(ready[1], &ok, 1) != 1)
            _exit(3);
        for (;;)
            pause();
    }
    close(ready[1]);
    char answer = 0;
    ASSERT_EQ(read(ready[0], &answer, 1), 1);
    close(ready[0]);
    ASSERT_EQ(answer, 'y');

    DataFolderLock lock;
    EXPECT_FALSE(lock.tryLock(dir.path()));
    EXPECT_TRUE(lock.heldElsewhere());
    EXPECT_EQ(lock.error(), EWOULDBLOCK);

    ASSERT_EQ(kill(holder, SIGKILL), 0);
    int status = 0;
    ASSERT_EQ(waitpid(holder, &status, 0), holder);
    EXPECT_TRUE(WIFSIGNALED(status));
    EXPECT_TRUE(lock.tryLock(dir.path()));
}

TEST(DataFolderLock, ProgramsStartedByTheTillDoNotInheritIt)
{
    TempDir dir;
    DataFolderLock lock;
    ASSERT_TRUE(lock.tryLock(dir.path()));
    // The pipe closes in the child when exec succeeds, so the parent knows
    // the forked copy of the descriptor has gone the way exec takes it.
    int execed[2];
    ASSERT_EQ(pipe2(execed, O_CLOEXEC), 0);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        execlp("sleep", "sleep", "30", static_cast<char *>(nullptr));
        _exit(127);
    }
    close(execed[1]);
    char ignored;
    ASSERT_EQ(read(execed[0], &ignored, 1), 0);
    close(execed[0]);
    lock.unlock();
    DataFolderLock next;
    EXPECT_TRUE(next.tryLock(dir.path()));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
}

TEST(DataFolderLock, AMissingFolderIsAnErrorNotALockHeldElsewhere)
{
    TempDir dir;
    DataFolderLock lock;
    EXPECT_FALSE(lock.tryLock(dir.file("missing")));
    EXPECT_FALSE(lock.heldElsewhere());
    EXPECT_EQ(lock.error(), ENOENT);
    test::writeBytes(dir.file("film.dat"), "x");
    EXPECT_FALSE(lock.tryLock(dir.file("film.dat")));
    EXPECT_EQ(lock.error(), ENOTDIR);
}
