#pragma once
// Helpers for the import tests: an import run from text to its end as the
// till runs it, without the dialogs.

#include "exchange/export_shop.h"
#include "exchange/logic/import_run.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace ovix::test {

// The plan of an import whose map importText() fills as the mapping dialog
// first offers it: field n from column n when the file's first line has n
// columns.
inline ImportPlan straightPlan(ImportSubject subject, bool merge = false)
{
    ImportPlan plan;
    plan.subject = subject;
    plan.merge = merge;
    return plan;
}

// Writes `text` as IMPORT.TXT in the shop's folder and imports it through
// `plan` in slices of `slice` lines. Nothing when the file is refused or the
// temporary file cannot be made.
inline std::optional<ImportResult> importText(ExportShop &shop, std::string_view text,
    const ImportPlan &plan, Messages &messages, int64_t slice = 3)
{
    const std::string path = shop.folder.file("IMPORT.TXT");
    writeBytes(path, text);
    const std::optional<ImportSource> source = readImportSource(path, messages);
    if (!source)
        return std::nullopt;
    ImportPlan used = plan;
    if (used.columns.empty())
        used.columns = initialColumnMap(plan.subject, source->columns);
    ImportRun run(shop.shop, *source, used);
    if (!run.open(messages))
        return std::nullopt;
    while (!run.atEnd())
        run.step(slice);
    return run.finish(messages);
}

} // namespace ovix::test
