#include "exchange/logic/import_lines.h"

#include <algorithm>
#include <cstring>

namespace ovix {

bool ImportLineReader::next(ImportLine &line)
{
    if (offset_ >= bytes_.size())
        return false;
    const size_t start = offset_;
    const void *found = std::memchr(bytes_.data() + start, '\n', bytes_.size() - start);
    const size_t end = found
        ? static_cast<size_t>(static_cast<const char *>(found) - bytes_.data())
        : bytes_.size();
    offset_ = found ? end + 1 : end;
    size_t length = end - start;
    if (found && length > 0 && bytes_[end - 1] == '\r')
        --length;
    line.number = ++lineNumber_;
    line.tooLong = length > kLongestImportLine;
    line.text = line.tooLong ? std::string_view() : bytes_.substr(start, length);
    return true;
}

int64_t countImportLines(std::string_view bytes)
{
    const auto feeds = static_cast<int64_t>(std::count(bytes.begin(), bytes.end(), '\n'));
    const bool unterminated = !bytes.empty() && bytes.back() != '\n';
    return feeds + (unterminated ? 1 : 0);
}

int countImportColumns(std::string_view line)
{
    return static_cast<int>(std::count(line.begin(), line.end(), ',')) + 1;
}

std::optional<std::string_view> importColumn(std::string_view line, int column)
{
    if (column < 1)
        return std::nullopt;
    size_t start = 0;
    for (int skipped = 1; skipped < column; ++skipped) {
        const size_t comma = line.find(',', start);
        if (comma == std::string_view::npos)
            return std::nullopt;
        start = comma + 1;
    }
    const size_t comma = line.find(',', start);
    return line.substr(start, comma == std::string_view::npos ? line.size() - start : comma - start);
}

} // namespace ovix
