#include "platform/clock.h"
#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/file_access.h"
#include "platform/scripted_messages.h"
#include "platform/undo_journal.h"
#include "sales/logic/archive_folders.h"
#include "sales/logic/till_state.h"
#include "store/data_set.h"
#include "store/till_config.h"
#include "support/start_fixture.h"
#include "support/test_support.h"
#include "till/logic/backup.h"
#include "till/logic/restore.h"
#include "till/logic/startup.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace ovix;

namespace {

using namespace ovix::test;

const char *const kSix[] = {"wr.cfg", "film.dat", "member.dat", "mans.dat", "resn.dat", "bun4.dat"};
constexpr size_t kNextNumberAt = 1360;

// The six master files of a folder, by lower-case name, whatever case they have there.
Files masterFiles(const std::string &folder)
{
    Files files;
    const DataDir dir(folder);
    for (const char *name : kSix)
        if (fileExists(dir.path(name)))
            files[name] = readBytes(dir.path(name));
    return files;
}

// A folder's files without the temporary copies a crash leaves behind.
Files withoutTemporaries(Files files)
{
    std::erase_if(files, [](const auto &entry) { return entry.first.ends_with('~'); });
    return files;
}

// The names whose bytes differ between two sets of files (one line each), so
// that a failure names the files rather than printing them.
std::string differences(const Files &expected, const Files &actual)
{
    std::string names;
    for (const auto &[name, bytes] : expected)
        if (!actual.contains(name) || actual.at(name) != bytes)
            names += (actual.contains(name) ? "changed: " : "missing: ") + name + "\n";
    for (const auto &[name, bytes] : actual)
        if (!expected.contains(name))
            names += "added: " + name + "\n";
    return names;
}

int modeOf(const std::string &path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 ? static_cast<int>(st.st_mode & 0777) : -1;
}

// A demo shop started on 5 March 2024, backed up into backups/shop; and a
// second, plain shop with two years of history to restore into.
class BackupRestore : public ShopStart {
protected:
    void SetUp() override
    {
        ShopStart::SetUp();
        ScriptedMessages quiet;
        ASSERT_TRUE(addDemoShop(DataDir(folder.path()), at(2024, 3, 4), quiet)) << quiet.lastText();
        ASSERT_TRUE(start(shop, at(2024, 3, 5), quiet)) << quiet.lastText();
        backup = backups.path() + "/shop";

        ASSERT_TRUE(createDataSet(DataDir(other.path()), at(2024, 3, 1), "$", quiet));
        TillState plain(other.path());
        ASSERT_TRUE(start(plain, at(2023, 12, 31), quiet)) << quiet.lastText();
        shutdownTill(plain, quiet);
        ASSERT_TRUE(start(plain, at(2024, 3, 5, 10), quiet)) << quiet.lastText();
        shutdownTill(plain, quiet);
        ASSERT_TRUE(isDirectory(other.file("2023/12/31")));
        setFixedLocalTime(at(2024, 3, 5, 9, 5));
    }

public:
    bool backUp(ScriptedMessages &messages)
    {
        messages.textReplies.push_back(backup);
        const LocalTime now = localNow();
        const std::optional<std::string> chosen = askBackupFolder(shop, now, messages);
        return chosen && backupToFolder(shop, *chosen, now, messages);
    }

protected:
    // What a restore into `other` from the backup must leave: the backup's
    // files with the transaction numbers starting again from 1.
    Files restoredFiles() const
    {
        Files files = masterFiles(backup);
        putI32(files["wr.cfg"], kNextNumberAt, 1);
        return files;
    }

    TillState shop {folder.path()};
    TempDir backups;
    std::string backup;
    TempDir other;
};

TEST_F(BackupRestore, BackupThenRestoreIntoAnotherFolderStartsOnTheSameRecords)
{
    ScriptedMessages messages;
    ASSERT_TRUE(backUp(messages)) << messages.lastText();
    EXPECT_EQ(messages.lastText(), "Complete");
    EXPECT_EQ(messages.lastCaption(), "File backup");
    EXPECT_EQ(differences(masterFiles(folder.path()), masterFiles(backup)), "");
    EXPECT_EQ(masterFiles(backup).size(), 6u);
    EXPECT_NE(readBytes(folder.file("bun4.dat")).find("\r\n9:5 5/3/2024  File backup\r\n"),
              std::string::npos);
    EXPECT_EQ(shop.config.text(cfg::backupFolder), backup);
    EXPECT_EQ(modeOf(backup), 0700);
    for (const char *name : kSix)
        EXPECT_EQ(modeOf(backup + "/" + name), 0600) << name;

    TillState plain(other.path());
    ScriptedMessages quiet;
    ASSERT_TRUE(start(plain, at(2024, 3, 5, 11), quiet)) << quiet.lastText();
    ScriptedMessages told;
    ASSERT_EQ(restoreFromFolder(plain, backup, told), RestoreResult::Restored) << told.lastText();
    EXPECT_EQ(told.lastText(), "OVIX will now close down");
    EXPECT_EQ(told.lastCaption(), "Restore complete");
    EXPECT_TRUE(plain.dataReplaced);
    // The end of the run stores nothing of the replaced shop.
    const Files restored = snapshot(other.path());
    shutdownTill(plain, told);
    EXPECT_EQ(differences(restored, snapshot(other.path())), "");
    EXPECT_FALSE(isDirectory(other.file("2024")));
    EXPECT_FALSE(isDirectory(other.file("2023")));

    TillState again(other.path());
    ASSERT_TRUE(start(again, at(2024, 3, 5, 12), quiet)) << quiet.lastText();
    for (const char *name : {"film.dat", "member.dat", "mans.dat", "resn.dat"})
        EXPECT_EQ(readBytes(other.file(name)), readBytes(folder.file(name))) << name;
    EXPECT_EQ(again.items.slotCount(), shop.items.slotCount());
    EXPECT_EQ(again.customers.slotCount(), shop.customers.slotCount());
    EXPECT_EQ(again.config.get(cfg::nextTransactionNumber), 1);
    EXPECT_TRUE(isDirectory(other.file("2024/3/5")));
}

TEST_F(BackupRestore, AFolderThatDoesNotExistIsMadeAndARelativeOneIsTakenFromTheDataFolder)
{
    ScriptedMessages messages;
    messages.textReplies.push_back(std::string("kept/today"));
    const LocalTime now = localNow();
    const std::optional<std::string> chosen = askBackupFolder(shop, now, messages);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(messages.proposals.at(0), defaultBackupFolder(shop));
    ASSERT_TRUE(backupToFolder(shop, *chosen, now, messages)) << messages.lastText();
    EXPECT_EQ(masterFiles(folder.file("kept/today")).size(), 6u);

    // The shop's own folder is never a backup of itself.
    ScriptedMessages refused;
    const Files before = snapshot(folder.path());
    EXPECT_FALSE(backupToFolder(shop, folder.path() + "/.", now, refused));
    EXPECT_EQ(differences(before, snapshot(folder.path())), "");
}

TEST_F(BackupRestore, TheChosenFileAndTheBackupsFilesAreFoundWhateverTheirCase)
{
    ScriptedMessages messages;
    ASSERT_TRUE(backUp(messages));
    for (const char *name : kSix) {
        std::string upper = name;
        for (char &c : upper)
            c = static_cast<char>(toupper(c));
        std::filesystem::rename(backup + "/" + name, backup + "/" + upper);
    }
    const Files expected = restoredFiles();

    const struct {
        std::string chosen;
        bool accepted;
    } cases[] = {
        {backup + "/WR.CFG", true},
        {backup + "/wr.cfg", true},
        {backup + "/Wr.Cfg", true},
        {backup + "/FILM.DAT", false},
        {backup + "/WR.CFG.old", false},
    };
    for (const auto &c : cases) {
        ScriptedMessages told;
        const std::optional<std::string> found = backupFolderOfChoice(c.chosen, told);
        EXPECT_EQ(found.has_value(), c.accepted) << c.chosen;
        if (found)
            EXPECT_EQ(*found, backup) << c.chosen;
        else
            EXPECT_EQ(told.lastText(), "File not present.") << c.chosen;
    }

    // The data folder's own upper-case name is kept too.
    std::filesystem::rename(other.file("wr.cfg"), other.file("WR.CFG"));
    TillState plain(other.path());
    ScriptedMessages told;
    ASSERT_EQ(restoreFromFolder(plain, backup, told), RestoreResult::Restored) << told.lastText();
    EXPECT_EQ(differences(expected, masterFiles(other.path())), "");
    EXPECT_TRUE(fileExists(other.file("WR.CFG")));
    EXPECT_FALSE(std::filesystem::exists(other.file("wr.cfg")));
}

TEST_F(BackupRestore, ARequiredFileMissingEmptyOrDamagedChangesNothing)
{
    ScriptedMessages messages;
    ASSERT_TRUE(backUp(messages));
    const Files backedUp = snapshot(backup);
    const struct {
        const char *file;
        int size; // -1: removed
        const char *caption;
    } cases[] = {
        {"wr.cfg", -1, "File not present."},
        {"mans.dat", -1, "File not present."},
        {"member.dat", 0, "File has no content"},
        {"wr.cfg", 0, "File has no content"},
        {"film.dat", 1873, "File is damaged"},
        {"mans.dat", 1059, "File is damaged"},
    };
    const Files before = snapshot(other.path());
    for (const auto &c : cases) {
        const std::string path = backup + "/" + c.file;
        if (c.size < 0)
            std::filesystem::remove(path);
        else
            writeBytes(path, std::string(static_cast<size_t>(c.size), '\0'));
        TillState plain(other.path());
        ScriptedMessages told;
        EXPECT_EQ(restoreFromFolder(plain, backup, told), RestoreResult::Refused) << c.file;
        EXPECT_EQ(told.lastText(), path) << c.file;
        EXPECT_EQ(told.lastCaption(), c.caption) << c.file;
        EXPECT_FALSE(plain.dataReplaced);
        EXPECT_EQ(differences(before, snapshot(other.path())), "") << c.file;
        writeBytes(path, backedUp.at(c.file));
    }
}

// --- Faults part-way -------------------------------------------------------

struct RestoreRun {
    std::string shop;
    std::string backup;
    int write = 0;
    int sync = 0;
};

void restoreCrashingAt(void *context)
{
    auto *run = static_cast<RestoreRun *>(context);
    FaultyFileAccess faulty;
    faulty.faultWriteNumber(run->write, FaultyFileAccess::Mode::Crash);
    faulty.faultSyncNumber(run->sync, FaultyFileAccess::Mode::Crash);
    setFileAccess(&faulty);
    TillState state(run->shop);
    ScriptedMessages messages;
    _exit(restoreFromFolder(state, run->backup, messages) == RestoreResult::Restored ? 0 : 1);
}

void copyFolder(const std::string &from, const std::string &to)
{
    std::filesystem::remove_all(to);
    std::filesystem::copy(from, to, std::filesystem::copy_options::recursive);
}

TEST_F(BackupRestore, ARestoreFailingAtAnyWriteOrSyncLeavesTheShopAsItWas)
{
    ScriptedMessages messages;
    ASSERT_TRUE(backUp(messages));
    const Files before = snapshot(other.path());
    const std::string pristine = backups.path() + "/pristine";
    copyFolder(other.path(), pristine);

    FaultyFileAccess counting;
    setFileAccess(&counting);
    {
        TillState plain(other.path());
        ScriptedMessages told;
        EXPECT_EQ(restoreFromFolder(plain, backup, told), RestoreResult::Restored);
    }
    setFileAccess(nullptr);
    const Files after = masterFiles(other.path());
    ASSERT_EQ(differences(restoredFiles(), after), "");
    ASSERT_GE(counting.writes(), 12);

    for (int kind = 0; kind < 2; ++kind) {
        const int last = kind == 0 ? counting.writes() : counting.syncs();
        int restored = 0;
        for (int n = 1; n <= last; ++n) {
            const std::string context = (kind == 0 ? "write " : "sync ") + std::to_string(n);
            copyFolder(pristine, other.path());
            FaultyFileAccess faulty;
            (kind == 0 ? faulty.faultWriteNumber(n, FaultyFileAccess::Mode::Fail)
                       : faulty.faultSyncNumber(n, FaultyFileAccess::Mode::Fail));
            setFileAccess(&faulty);
            TillState plain(other.path());
            ScriptedMessages told;
            const RestoreResult result = restoreFromFolder(plain, backup, told);
            setFileAccess(nullptr);
            if (result == RestoreResult::Restored) {
                // Only the purge's own deletions come after the swap.
                ++restored;
                EXPECT_EQ(differences(after, masterFiles(other.path())), "") << context;
                continue;
            }
            EXPECT_EQ(result, RestoreResult::Failed) << context;
            EXPECT_NE(told.lastText().find("Nothing has been restored."), std::string::npos)
                << context;
            EXPECT_FALSE(plain.dataReplaced) << context;
            EXPECT_EQ(differences(before, snapshot(other.path())), "") << context;
        }
        EXPECT_LT(restored, last);
    }
}

TEST_F(BackupRestore, ARestoreCutShortAtAnyWriteOrSyncIsWholeOrUndoneAtTheNextStart)
{
    ScriptedMessages messages;
    ASSERT_TRUE(backUp(messages));
    const Files before = snapshot(other.path());
    const std::string pristine = backups.path() + "/pristine";
    copyFolder(other.path(), pristine);

    FaultyFileAccess counting;
    setFileAccess(&counting);
    {
        TillState plain(other.path());
        ScriptedMessages told;
        EXPECT_EQ(restoreFromFolder(plain, backup, told), RestoreResult::Restored);
    }
    setFileAccess(nullptr);
    const Files after = masterFiles(other.path());

    int undone = 0;
    for (int kind = 0; kind < 2; ++kind) {
        const int last = kind == 0 ? counting.writes() : counting.syncs();
        for (int n = 1; n <= last; ++n) {
            const std::string context = (kind == 0 ? "crash at write " : "crash at sync ")
                + std::to_string(n);
            copyFolder(pristine, other.path());
            RestoreRun run {other.path(), backup, kind == 0 ? n : 0, kind == 1 ? n : 0};
            ASSERT_EQ(runInChild(restoreCrashingAt, &run), FaultyFileAccess::kCrashExitCode)
                << context;
            const RecoveryResult recovered = recoverInterruptedWork(DataDir(other.path()));
            ASSERT_TRUE(recovered.ok) << context << " " << recovered.error;
            const Files master = masterFiles(other.path());
            if (master == after)
                continue;
            ++undone;
            EXPECT_EQ(differences(before, withoutTemporaries(snapshot(other.path()))), "") << context;
        }
    }
    EXPECT_GT(undone, 10);
}

TEST_F(BackupRestore, ABackupFailingOrCutShortPartWayLeavesThePreviousBackupWhole)
{
    ScriptedMessages messages;
    ASSERT_TRUE(backUp(messages));
    const Files previous = masterFiles(backup);
    // The shop moves on: a record more and a newer configuration.
    std::string film = readBytes(folder.file("film.dat"));
    writeBytes(folder.file("film.dat"), film + std::string(1874, '\0'));
    setFixedLocalTime(at(2024, 3, 5, 17, 30));
    const std::string log = readBytes(folder.file("bun4.dat"));
    const std::string config = readBytes(folder.file("wr.cfg"));
    auto resetShop = [&] {
        writeBytes(folder.file("bun4.dat"), log);
        writeBytes(folder.file("wr.cfg"), config);
    };

    FaultyFileAccess counting;
    setFileAccess(&counting);
    ASSERT_TRUE(backUp(messages)) << messages.lastText();
    setFileAccess(nullptr);
    const Files next = masterFiles(backup);
    ASSERT_NE(differences(previous, next), "");

    for (int mode = 0; mode < 2; ++mode) {
        for (int kind = 0; kind < 2; ++kind) {
            const int last = kind == 0 ? counting.writes() : counting.syncs();
            for (int n = 1; n <= last; ++n) {
                const std::string context = std::string(mode == 0 ? "failed " : "crash at ")
                    + (kind == 0 ? "write " : "sync ") + std::to_string(n);
                // The previous backup, and the shop as it was before this one.
                for (const char *name : kSix)
                    writeBytes(backup + "/" + name, previous.at(name));
                resetShop();
                if (mode == 0) {
                    FaultyFileAccess faulty;
                    (kind == 0 ? faulty.faultWriteNumber(n, FaultyFileAccess::Mode::Fail)
                               : faulty.faultSyncNumber(n, FaultyFileAccess::Mode::Fail));
                    setFileAccess(&faulty);
                    ScriptedMessages told;
                    const bool done = backUp(told);
                    setFileAccess(nullptr);
                    const Files now = masterFiles(backup);
                    if (done) {
                        EXPECT_EQ(differences(masterFiles(folder.path()), now), "") << context;
                    } else {
                        EXPECT_EQ(differences(previous, now), "") << context;
                        EXPECT_EQ(differences(snapshot(backup), withoutTemporaries(snapshot(backup))), "")
                            << context;
                        EXPECT_FALSE(fileExists(backup + "/ovix.jnl")) << context;
                    }
                    continue;
                }
                struct Run {
                    BackupRestore *test;
                    int write;
                    int sync;
                } run {this, kind == 0 ? n : 0, kind == 1 ? n : 0};
                const int code = runInChild(
                    [](void *pointer) {
                        auto *r = static_cast<Run *>(pointer);
                        FaultyFileAccess faulty;
                        faulty.faultWriteNumber(r->write, FaultyFileAccess::Mode::Crash);
                        faulty.faultSyncNumber(r->sync, FaultyFileAccess::Mode::Crash);
                        setFileAccess(&faulty);
                        ScriptedMessages told;
                        _exit(r->test->backUp(told) ? 0 : 1);
                    },
                    &run);
                ASSERT_EQ(code, FaultyFileAccess::kCrashExitCode) << context;
                // A restore puts a cut-short backup back first, as this does.
                ASSERT_TRUE(recoverInterruptedWork(DataDir(backup)).ok) << context;
                const Files now = masterFiles(backup);
                EXPECT_TRUE(now == previous || now == masterFiles(folder.path())) << context;
            }
        }
    }
}

} // namespace
