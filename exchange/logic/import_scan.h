#pragma once
// The line-by-line part of an import, with no file touched: each line of the
// import text either becomes a record (appended as bytes) or is noted with why
// it was not taken. The run (import_run.h) writes what this makes.

#include "exchange/logic/import_fields.h"
#include "exchange/logic/import_lines.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ovix {

struct ImportPlan {
    ImportSubject subject = ImportSubject::Items;
    ColumnMap columns; // per field of importFields(subject); 0 = not imported
    bool merge = false; // items only: add to film.dat instead of replacing it
};

class ImportScanner {
public:
    // `bytes` must outlive the scanner. `onFile`, when given, says whether a
    // number is already on file: such a line is not taken (a merge).
    ImportScanner(std::string_view bytes, ImportPlan plan, std::string stamp,
        std::function<bool(int64_t)> onFile = {});

    // Reads up to `lines` more lines, appending each record taken to `records`.
    void scan(int64_t lines, std::string &records);
    bool atEnd() const { return atEnd_; }

    const ImportPlan &plan() const { return plan_; }
    int64_t linesRead() const { return linesRead_; }
    int64_t taken() const { return static_cast<int64_t>(numbers_.size()); }
    int64_t notTaken() const { return static_cast<int64_t>(rejections_.size()); }
    const std::vector<ImportRejection> &rejections() const { return rejections_; }
    // The numbers of the records taken, in line order.
    const std::vector<int64_t> &numbers() const { return numbers_; }

private:
    // Why the line as a whole cannot be read; empty when it can.
    static const char *unreadable(const ImportLine &line, std::string_view &text);

    ImportLineReader reader_;
    ImportPlan plan_;
    std::string stamp_;
    std::function<bool(int64_t)> onFile_;
    std::string record_;
    int64_t linesRead_ = 0;
    bool atEnd_ = false;
    std::vector<ImportRejection> rejections_;
    std::vector<int64_t> numbers_;
};

// The first number taken twice, in ascending order of numbers; nothing when
// every number is taken once.
std::optional<int64_t> firstDuplicate(std::vector<int64_t> numbers);

} // namespace ovix
