#pragma once
// The mailmerge's text kept in a file of the shop's choosing: "Load" reads
// one into the dialog's box, "Save" writes the box to one. The text is
// Windows-1252 with lines separated by CR LF, as typed.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ovix {

class Messages;

// The most characters the box takes as typed (a line break counts two).
inline constexpr size_t kMailmergeTypedLength = 998;
// The largest text file "Load" accepts, in bytes.
inline constexpr size_t kMailmergeFileLength = 1000;

// The text of the file at `path`. A file that is not there or cannot be read
// gives "File not present." (caption "Fatal error"); an empty file, one of
// more than 1000 bytes or one holding a NUL byte (no text file) gives "File
// of incorrect type" (caption "Problem"). Nothing then.
std::optional<std::string> loadMailmergeText(const std::string &path, Messages &messages);

// Replaces the file at `path` with `text`, all or nothing (a new file is the
// shop's alone, an existing one keeps its mode). "File failure." (caption
// "Fatal error") and false when it cannot be written; the old file stays.
bool saveMailmergeText(const std::string &path, std::string_view text, Messages &messages);

} // namespace ovix
