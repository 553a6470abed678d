// A failure or a crash at any write or sync of an import leaves film.dat (or
// member.dat) whole: the old file or the new one, never a part of either.
// After a crash the next start's recovery runs first, as the till's does.

#include "exchange/import_fixture.h"
#include "platform/file_access.h"
#include "platform/undo_journal.h"

#include <gtest/gtest.h>

#include <string>

using namespace ovix;
using namespace ovix::test;

namespace {

struct AccessGuard {
    explicit AccessGuard(FileAccess *access) { setFileAccess(access); }
    ~AccessGuard() { setFileAccess(nullptr); }
};

constexpr const char *kText = "Number,Description\n5,PLUM\n6,FIG\n10,APPLE AGAIN\n7,KIWI\n";

struct Case {
    const char *name;
    ImportSubject subject;
    bool merge;
    const char *file;
};

const Case kCases[] = {
    { "item replace", ImportSubject::Items, false, "film.dat" },
    { "item merge", ImportSubject::Items, true, "film.dat" },
    { "customer import", ImportSubject::Customers, false, "member.dat" },
};

std::unique_ptr<ExportShop> freshShop()
{
    return std::make_unique<ExportShop>(
        std::vector<ExportItem> { { .number = 10, .description = "APPLE" },
            { .number = -1 } },
        std::vector<ExportCustomer> { ExportCustomer { .number = 3, .name = "OLD" } });
}

struct CrashContext {
    ExportShop *shop;
    const Case *importCase;
    FaultyFileAccess *faulty;
};

void importInChild(void *context)
{
    auto *crash = static_cast<CrashContext *>(context);
    setFileAccess(crash->faulty);
    ScriptedMessages quiet;
    importText(*crash->shop, kText,
        straightPlan(crash->importCase->subject, crash->importCase->merge), quiet);
    _exit(0);
}

} // namespace

TEST(ImportDurability, AFailureOrCrashAtAnyStepLeavesTheOldFileOrTheNewOne)
{
    for (const Case &importCase : kCases) {
        for (FaultyFileAccess::Mode mode :
            { FaultyFileAccess::Mode::Fail, FaultyFileAccess::Mode::Crash }) {
            auto shop = freshShop();
            const std::string path = shop->folder.file(importCase.file);
            const std::string old = readBytes(path);
            FaultyFileAccess counting;
            {
                AccessGuard guard(&counting);
                ScriptedMessages quiet;
                const auto result = importText(
                    *shop, kText, straightPlan(importCase.subject, importCase.merge), quiet);
                ASSERT_TRUE(result && result->outcome == ImportOutcome::Imported)
                    << importCase.name;
            }
            const std::string whole = readBytes(path);
            ASSERT_TRUE(whole != old);
            const int steps = counting.writes() + counting.syncs();
            ASSERT_GT(counting.writes(), 0);
            for (int step = 1; step <= steps; ++step) {
                const std::string at = std::string(importCase.name)
                    + (mode == FaultyFileAccess::Mode::Crash ? " crash" : " failure")
                    + " at step " + std::to_string(step);
                shop = freshShop();
                FaultyFileAccess faulty;
                if (step <= counting.writes())
                    faulty.faultWriteNumber(step, mode);
                else
                    faulty.faultSyncNumber(step - counting.writes(), mode);
                if (mode == FaultyFileAccess::Mode::Crash) {
                    CrashContext context { shop.get(), &importCase, &faulty };
                    EXPECT_EQ(runInChild(importInChild, &context),
                        FaultyFileAccess::kCrashExitCode)
                        << at;
                    EXPECT_TRUE(recoverInterruptedWork(shop->shop.dir).ok) << at;
                } else {
                    ScriptedMessages messages;
                    AccessGuard guard(&faulty);
                    const auto result = importText(*shop, kText,
                        straightPlan(importCase.subject, importCase.merge), messages);
                    if (!result || result->outcome != ImportOutcome::Imported) {
                        EXPECT_EQ(messages.lastCaption(), "Problem") << at;
                        EXPECT_TRUE(readBytes(shop->folder.file(importCase.file)) == old) << at;
                    } else {
                        EXPECT_TRUE(readBytes(shop->folder.file(importCase.file)) == whole) << at;
                    }
                }
                const std::string now = readBytes(shop->folder.file(importCase.file));
                EXPECT_TRUE(now == old || now == whole) << at;
                // The copy of the old item file is whole whenever it is there.
                const std::string backup = shop->folder.file("temp2.dat");
                if (fileExists(backup) && importCase.subject == ImportSubject::Items) {
                    EXPECT_TRUE(readBytes(backup) == old) << at;
                }
                EXPECT_FALSE(fileExists(shop->folder.file("ovix.jnl"))) << at;
            }
        }
    }
}
