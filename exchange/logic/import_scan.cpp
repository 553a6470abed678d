#include "exchange/logic/import_scan.h"

#include "platform/c_format.h"

#include <algorithm>

namespace ovix {

ImportScanner::ImportScanner(std::string_view bytes, ImportPlan plan, std::string stamp,
    std::function<bool(int64_t)> onFile)
    : reader_(bytes)
    , plan_(std::move(plan))
    , stamp_(std::move(stamp))
    , onFile_(std::move(onFile))
    , record_(importRecordSize(plan_.subject), '\0')
{
    plan_.columns.resize(importFields(plan_.subject).size(), 0);
}

const char *ImportScanner::unreadable(const ImportLine &line, std::string_view &text)
{
    if (line.tooLong)
        return "longer than 1998 bytes; the line is not taken";
    text = line.text;
    // A text value ends at a carriage return: spare ones at the end are
    // dropped, but one followed by more text would join two lines in one.
    const size_t carriageReturn = text.find('\r');
    if (carriageReturn != std::string_view::npos) {
        if (text.find_first_not_of('\r', carriageReturn) != std::string_view::npos)
            return "a carriage return inside the line; the line is not taken";
        text = text.substr(0, carriageReturn);
    }
    if (text.find('\0') != std::string_view::npos)
        return "a NUL byte in the line; the line is not taken";
    return nullptr;
}

void ImportScanner::scan(int64_t lines, std::string &records)
{
    ImportLine line;
    for (int64_t done = 0; done < lines; ++done) {
        if (!reader_.next(line))
            break;
        ++linesRead_;
        std::string_view text;
        if (const char *reason = unreadable(line, text)) {
            rejections_.push_back({ line.number, 0, reason });
            continue;
        }
        std::optional<ImportRejection> rejection = buildImportRecord(
            plan_.subject, text, plan_.columns, stamp_, record_.data());
        if (rejection) {
            rejection->line = line.number;
            rejections_.push_back(std::move(*rejection));
            continue;
        }
        const int64_t number = importRecordNumber(record_.data());
        if (onFile_ && onFile_(number)) {
            rejections_.push_back({ line.number, plan_.columns[0],
                cformat("number %lld is already on file", static_cast<long long>(number)) });
            continue;
        }
        numbers_.push_back(number);
        records += record_;
    }
    atEnd_ = reader_.atEnd();
}

std::optional<int64_t> firstDuplicate(std::vector<int64_t> numbers)
{
    std::sort(numbers.begin(), numbers.end());
    const auto twice = std::adjacent_find(numbers.begin(), numbers.end());
    if (twice == numbers.end())
        return std::nullopt;
    return *twice;
}

} // namespace ovix
