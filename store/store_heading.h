#pragma once
// The store heading, ADDRESS.VT: seven lines of exactly 42 bytes (294 bytes),
// NUL-terminated Windows-1252 text. The first line, the shop's name, heads
// every printed list and report; lines 1-6 are what the "Print heading"
// dialog edits; the seventh is kept and written back untouched.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace ovix {

class DataDir;

inline constexpr const char *kStoreHeadingFileName = "ADDRESS.VT";
inline constexpr int kHeadingLineCount = 7;
inline constexpr size_t kHeadingLineWidth = 42;
inline constexpr size_t kStoreHeadingSize = kHeadingLineCount * kHeadingLineWidth;
// The "Print heading" dialog keeps at most this many characters of a line.
inline constexpr size_t kHeadingDialogLineLength = 39;

enum class HeadingLine {
    SiteName,  // "Site name", the shop's name
    Road,      // "Road"
    Area,      // "Area"
    County,    // "State / County"
    Postcode,  // "Zip / Postcode"
    Telephone, // "Telephone"
    Seventh,   // kept, never edited
};

class StoreHeading {
public:
    // Seven empty lines.
    StoreHeading() : bytes_{} {}

    // The lines a shop starts with when it has no ADDRESS.VT: "YOUR SHOP
    // NAME", "1 HIGH STREET", "TOWN", "COUNTY", "POSTCODE", "TEL 0000 000000", "".
    static StoreHeading sample();

    // Line text up to its first NUL, at most 42 bytes.
    std::string line(HeadingLine which) const;
    std::string storeName() const { return line(HeadingLine::SiteName); }
    // Stores at most 41 bytes of `text`, then zeros to the end of the line.
    void setLine(HeadingLine which, std::string_view text);
    // As typed into the "Print heading" dialog: at most 39 bytes are kept.
    // The seventh line is not the dialog's and is left alone.
    void setLineFromDialog(HeadingLine which, std::string_view text);

    // The 294 bytes as they go to the file.
    std::string_view bytes() const { return {bytes_.data(), bytes_.size()}; }
    // The first 294 bytes of `data`; bytes past its end become zero.
    void assign(std::string_view data);

private:
    char *lineAt(HeadingLine which);
    const char *lineAt(HeadingLine which) const;

    std::array<char, kStoreHeadingSize> bytes_;
};

enum class StoreHeadingLoad {
    Loaded,     // read from the file (a short file fills what it holds, rest empty)
    Missing,    // no ADDRESS.VT: the sample lines
    Unreadable, // ADDRESS.VT exists but cannot be read: the sample lines, and
                // the heading must not be written back over the shop's file
};

// Reads ADDRESS.VT (found whatever the case of its name) into `heading`.
StoreHeadingLoad loadStoreHeading(const DataDir &dir, StoreHeading &heading);

// Replaces ADDRESS.VT with the 294 bytes, all or nothing; an existing file
// keeps the case of its name. False, with `error` when given, on failure.
bool storeStoreHeading(const DataDir &dir, const StoreHeading &heading,
                       std::string *error = nullptr);

} // namespace ovix
