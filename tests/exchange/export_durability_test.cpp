// A failure or a crash at any write or sync of an export leaves the old
// export whole under its name, or the new one whole: never a part of a file.

#include "exchange/export_data.h"
#include "exchange/logic/export_file.h"
#include "platform/file_access.h"

#include <gtest/gtest.h>

#include <string>

using namespace ovix;
using namespace ovix::test;

namespace {

constexpr const char *kOld = "the export of yesterday\r\n";

struct AccessGuard {
    explicit AccessGuard(FileAccess *access) { setFileAccess(access); }
    ~AccessGuard() { setFileAccess(nullptr); }
};

ExportChoice xmlChoice()
{
    return exportChoice(ExportSubject::Items, ExportFormat::Xml, {});
}

struct CrashContext {
    ExportShop *shop;
    FaultyFileAccess *faulty;
};

void exportInChild(void *context)
{
    auto *crash = static_cast<CrashContext *>(context);
    setFileAccess(crash->faulty);
    ScriptedMessages quiet;
    exportRecords(crash->shop->shop, xmlChoice(), crash->shop->folder.file("OUT.XML"), quiet);
    _exit(0);
}

} // namespace

TEST(ExportDurability, AFailureAtAnyStepLeavesTheOldExport)
{
    ExportShop shop(exportItems(), exportCustomers());
    const std::string path = shop.folder.file("OUT.XML");
    FaultyFileAccess counting;
    {
        AccessGuard guard(&counting);
        ScriptedMessages quiet;
        ASSERT_TRUE(exportRecords(shop.shop, xmlChoice(), path, quiet));
    }
    const std::string whole = readBytes(path);
    const int writes = counting.writes();
    const int syncs = counting.syncs();
    ASSERT_GT(writes, 0);
    for (int step = 1; step <= writes + syncs; ++step) {
        writeBytes(path, kOld);
        FaultyFileAccess faulty;
        if (step <= writes)
            faulty.faultWriteNumber(step, FaultyFileAccess::Mode::Fail);
        else
            faulty.faultSyncNumber(step - writes, FaultyFileAccess::Mode::Fail);
        ScriptedMessages messages;
        bool done = false;
        {
            AccessGuard guard(&faulty);
            done = exportRecords(shop.shop, xmlChoice(), path, messages);
        }
        const std::string now = readBytes(path);
        EXPECT_TRUE(now == kOld || now == whole) << "step " << step;
        if (!done)
            EXPECT_EQ(messages.lastText(), "Unable to open file.") << "step " << step;
        else
            EXPECT_EQ(now, whole) << "step " << step;
        EXPECT_FALSE(fileExists(path + ".new~")) << "step " << step;
    }
}

TEST(ExportDurability, ACrashAtAnyStepLeavesTheOldExportOrTheNewOne)
{
    ExportShop shop(exportItems(), exportCustomers());
    const std::string path = shop.folder.file("OUT.XML");
    FaultyFileAccess counting;
    {
        AccessGuard guard(&counting);
        ScriptedMessages quiet;
        ASSERT_TRUE(exportRecords(shop.shop, xmlChoice(), path, quiet));
    }
    const std::string whole = readBytes(path);
    for (int step = 1; step <= counting.writes() + counting.syncs(); ++step) {
        writeBytes(path, kOld);
        FaultyFileAccess faulty;
        if (step <= counting.writes())
            faulty.faultWriteNumber(step, FaultyFileAccess::Mode::Crash);
        else
            faulty.faultSyncNumber(step - counting.writes(), FaultyFileAccess::Mode::Crash);
        CrashContext context { &shop, &faulty };
        EXPECT_EQ(runInChild(exportInChild, &context), FaultyFileAccess::kCrashExitCode)
            << "step " << step;
        const std::string now = readBytes(path);
        EXPECT_TRUE(now == kOld || now == whole) << "step " << step;
    }
}
