// Imports run to their end (the new film.dat or member.dat swapped in, the
// merged items appended, the report saved beside the imported file) and an
// export over an older one, interrupted at each of their writes and syncs by
// a crash, a failing disk and a full one (support/crash_loop.h).

#include "exchange/logic/export_choice.h"
#include "exchange/logic/export_file.h"
#include "exchange/logic/import_fields.h"
#include "exchange/logic/import_run.h"
#include "exchange/logic/import_source.h"
#include "till/crash_loop_shop.h"

#include <gtest/gtest.h>

#include <string>

namespace ovix::test {
namespace {

constexpr const char *kText
    = "Number,Description\n880005,PLUM\n880006,FIG\n880010,APPLE\n880007,KIWI\nX,BAD\n";

// The import as the till's Import command runs it once the clerk has
// chosen the file and its columns.
bool importToTheEnd(Shop &shop, const std::string &path, ImportSubject subject, bool merge,
    ScriptedMessages &messages)
{
    const std::optional<ImportSource> source = readImportSource(path, messages);
    if (!source)
        return false;
    ImportPlan plan;
    plan.subject = subject;
    plan.merge = merge;
    plan.columns = initialColumnMap(subject, source->columns);
    ImportRun run(shop, *source, plan);
    if (!run.open(messages))
        return false;
    while (!run.atEnd()) {
        if (!run.step(2))
            break;
    }
    const ImportResult result = run.finish(messages);
    if (result.outcome != ImportOutcome::Imported) {
        EXPECT_EQ(messages.lastCaption(), "Problem") << messages.lastText();
        return false;
    }
    std::string error;
    if (!saveImportReport(source->path, result, &error))
        messages.show("Not saved: " + error, "Import", MessageKind::Information);
    announceImportEnd(subject, result, messages);
    return true;
}

using ExchangeCrashLoop = CrashLoopShop;

TEST_F(ExchangeCrashLoop, ItemsReplacedAndMergedAndCustomersReplaced)
{
    // The file comes from outside the data folder, and its report is saved
    // beside it.
    TempDir stick;
    const std::string path = stick.file("IMPORT.TXT");
    writeBytes(path, kText);
    struct Case {
        const char *writer;
        ImportSubject subject;
        bool merge;
    };
    CrashLoopRules rules;
    rules.alsoPutBack = {stick.path()};
    for (const Case &c : {Case {"item import (replace)", ImportSubject::Items, false},
             Case {"item import (merge)", ImportSubject::Items, true},
             Case {"customer import", ImportSubject::Customers, false}}) {
        expectWhole(c.writer, [&](std::shared_ptr<TillState> state) -> Work {
            return [state, path, c](ScriptedMessages &messages) {
                return importToTheEnd(*state, path, c.subject, c.merge, messages);
            };
        }, rules);
    }
}

TEST_F(ExchangeCrashLoop, AnExportOverTheOneOfYesterday)
{
    TempDir stick;
    const std::string path = stick.file("INVENTOR.XML");
    writeBytes(path, "the export of yesterday\r\n");
    ExportChoice choice;
    choice.subject = ExportSubject::Items;
    choice.format = ExportFormat::Xml;
    choice.start = 1;
    choice.finish = 100000000000000000;
    choice.fields.fill(true);
    expectWhole("export", [&](std::shared_ptr<TillState> state) -> Work {
        return [state, path, choice](ScriptedMessages &messages) {
            const bool exported = exportRecords(*state, choice, path, messages);
            if (!exported) {
                EXPECT_EQ(messages.lastText(), "Unable to open file.");
            }
            return exported;
        };
    }, {}, stick.path());
}

} // namespace
} // namespace ovix::test
