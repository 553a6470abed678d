#pragma once
// The text file an import reads: opened, checked and held in memory for the
// length of the command.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ovix {

class Messages;

struct ImportSource {
    std::string path;
    std::string bytes;
    int columns = 0; // of the first line: its commas plus one
    int64_t lines = 0; // candidate records, the first line included
    std::string firstLine; // shown by the mapping dialog as an example
};

// Checks `bytes` read from `path` as an import file: "File has no content"
// (caption "Problem", OK and Cancel, either ends the command) for an empty
// one; "Non recognised format" (caption "Problem") when the first line, or
// the file, has no line feed, or the first line is longer than an import line
// may be. Nothing when refused.
std::optional<ImportSource> checkImportSource(std::string path, std::string bytes,
    Messages &messages);

// Reads the file at `path` and checks it as above; "File not present."
// (caption "Fatal error") when it cannot be read.
std::optional<ImportSource> readImportSource(const std::string &path, Messages &messages);

// Asks "%d records of %d fields" (caption "File import", OK/Cancel); true on OK.
bool confirmImportSize(const ImportSource &source, Messages &messages);

} // namespace ovix
