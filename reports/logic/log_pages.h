#pragma once
// The log viewer's pages: the activity log shown 31999 bytes at a time, from
// the start of the file, with Next and Previous.

#include <cstdint>
#include <optional>
#include <string>

namespace ovix {

inline constexpr int64_t kLogPageBytes = 31999;

// Up to `kLogPageBytes` bytes of the file at `path` from `offset` (fewer at
// its end, none past it); nothing when the file cannot be opened or read.
std::optional<std::string> readLogPage(const std::string &path, int64_t offset);

// One file paged through from its start. A page shorter than a full page is
// the last: Next is off there. Previous is off on the first page.
class LogPager {
public:
    explicit LogPager(std::string path) : path_(std::move(path)) { }

    // Reads the first page; false when the file cannot be opened.
    bool first();
    // The following page; false (the page unchanged) when Next is off or the
    // file can no longer be read.
    bool next();
    // The page before; false when Previous is off or the file can no longer be read.
    bool previous();

    const std::string &text() const { return text_; }
    int64_t start() const { return start_; }
    bool nextEnabled() const { return static_cast<int64_t>(text_.size()) == kLogPageBytes; }
    bool previousEnabled() const { return start_ > 0; }

private:
    bool show(int64_t offset);

    std::string path_;
    int64_t start_ = 0;
    std::string text_;
};

} // namespace ovix
