#pragma once
// The text of an import file, cut into lines and columns.
//
// A line ends at a line feed; a carriage return just before it is dropped. A
// last line with no line feed after it still counts. Columns are separated by
// commas, with no quoting, so a value never holds a comma. Nothing here copies
// the file: every line and column is a view into the bytes given.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace ovix {

// The longest line taken; the rest of a longer one is read past up to its
// line feed and the whole line counts once.
inline constexpr size_t kLongestImportLine = 1998;

struct ImportLine {
    std::string_view text; // without the line feed and the carriage return before it
    int64_t number = 0; // 1 for the first line
    bool tooLong = false; // longer than kLongestImportLine; `text` is then empty
};

class ImportLineReader {
public:
    // `bytes` must outlive the reader.
    explicit ImportLineReader(std::string_view bytes)
        : bytes_(bytes)
    {
    }

    // The next line; false after the last one.
    bool next(ImportLine &line);
    // Bytes read so far.
    size_t offset() const { return offset_; }
    // True when every line has been read.
    bool atEnd() const { return offset_ >= bytes_.size(); }

private:
    std::string_view bytes_;
    size_t offset_ = 0;
    int64_t lineNumber_ = 0;
};

// The lines an import file holds (as ImportLineReader reads them).
int64_t countImportLines(std::string_view bytes);

// The number of columns of a line: its commas plus one.
int countImportColumns(std::string_view line);

// Column `column` (1-based) of `line`, or nothing when the line has fewer.
std::optional<std::string_view> importColumn(std::string_view line, int column);

} // namespace ovix
