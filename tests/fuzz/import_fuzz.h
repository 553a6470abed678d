#pragma once
// What every import of a text file must keep, whatever the bytes: a file is
// refused as a whole or every one of its lines is either taken as a record or
// named as not taken, once, in order; a record taken has a number in range and
// a description or name of at least two characters.

#include "exchange/logic/import_scan.h"
#include "exchange/logic/import_source.h"
#include "platform/scripted_messages.h"
#include "store/customer_record.h"
#include "store/item_record.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace ovix::fuzz {

inline void check(bool kept)
{
    if (!kept)
        std::abort();
}

inline void importOnce(ImportSubject subject, const uint8_t *data, size_t size)
{
    ScriptedMessages quiet;
    std::optional<ImportSource> source = checkImportSource(
        "FUZZ.TXT", std::string(reinterpret_cast<const char *>(data), size), quiet);
    if (!source)
        return;
    ImportPlan plan;
    plan.subject = subject;
    plan.columns = initialColumnMap(subject, source->columns);
    // Half the numbers count as on file, as in a merge.
    plan.merge = subject == ImportSubject::Items;
    ImportScanner scanner(source->bytes, plan, "12:0001/02/2026",
        [](int64_t number) { return number % 2 == 0; });
    std::string records;
    while (!scanner.atEnd())
        scanner.scan(7, records);

    check(scanner.linesRead() == source->lines);
    check(scanner.taken() + scanner.notTaken() == source->lines);
    const size_t recordSize = importRecordSize(subject);
    check(records.size() == static_cast<size_t>(scanner.taken()) * recordSize);
    int64_t lastLine = 0;
    for (const ImportRejection &rejection : scanner.rejections()) {
        check(rejection.line > lastLine && rejection.line <= source->lines);
        check(!rejection.reason.empty());
        lastLine = rejection.line;
    }
    const size_t textOffset = subject == ImportSubject::Items ? offsetof(ItemRecord, description)
                                                             : offsetof(CustomerRecord, name);
    for (size_t at = 0; at < records.size(); at += recordSize) {
        const int64_t number = importRecordNumber(records.data() + at);
        check(number >= 1 && number <= kMaxRecordNumber);
        check(subject != ImportSubject::Items || number % 2 != 0);
        const size_t length = strnlen(records.data() + at + textOffset, 60);
        check(length >= 2 && length <= 39);
    }
}

} // namespace ovix::fuzz
