#pragma once
// Reads a Code 39 symbol back from a scanned row, the way a scanner would,
// with its own copy of the character table.

#include <algorithm>
#include <string>
#include <vector>

namespace ovix::test {

// `row` holds true for each dark pixel of one scan line. The element widths
// are classed as narrow or wide against the narrowest bar; returns the
// characters including the '*' start and stop, or "" when the row does not
// hold a well-formed symbol (bad element counts, unknown characters, a gap
// that is not one narrow module).
inline std::string readCode39Row(const std::vector<bool> &row)
{
    static const char *const table[][2] = { { "000110100", "0" }, { "100100001", "1" },
        { "001100001", "2" }, { "101100000", "3" }, { "000110001", "4" }, { "100110000", "5" },
        { "001110000", "6" }, { "000100101", "7" }, { "100100100", "8" }, { "001100100", "9" },
        { "010010100", "*" } };
    std::vector<int> runs;
    size_t position = 0;
    while (position < row.size() && !row[position])
        ++position;
    size_t end = row.size();
    while (end > position && !row[end - 1])
        --end;
    while (position < end) {
        bool dark = row[position];
        size_t start = position;
        while (position < end && row[position] == dark)
            ++position;
        runs.push_back(static_cast<int>(position - start));
    }
    if (runs.empty() || (runs.size() + 1) % 10 != 0)
        return "";
    int narrow = runs[0];
    for (size_t i = 0; i < runs.size(); i += 2)
        narrow = std::min(narrow, runs[i]);
    std::string text;
    for (size_t start = 0; start < runs.size(); start += 10) {
        std::string pattern;
        for (size_t i = start; i < start + 9; ++i) {
            if (runs[i] * 4 < narrow * 3 || runs[i] * 4 > narrow * 9)
                return "";
            pattern += runs[i] * 2 > narrow * 3 ? '1' : '0';
        }
        if (start + 9 < runs.size() && runs[start + 9] * 2 > narrow * 3)
            return "";
        std::string character;
        for (const auto &entry : table) {
            if (pattern == entry[0])
                character = entry[1];
        }
        if (character.empty())
            return "";
        text += character;
    }
    return text;
}

} // namespace ovix::test
