// The recovery of an interrupted update over any journal. The input is the
// journal ovix.jnl of a small data folder; unless it starts with the journal's
// magic word it is taken as the journal's body and given a right header and
// CRC, so the fuzzer reaches past the checksum.
//
// Beside the data folder lies a folder of files that must stay byte for byte
// as they were, and every open for writing, rename and removal is checked to
// land inside the data folder, whatever the journal names and through
// whatever links the folder holds.

#include "archive_fuzz.h"
#include "platform/crc32.h"
#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/file_access.h"
#include "platform/undo_journal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

using ovix::fuzz::must;
namespace fs = std::filesystem;

// Every write goes to a file inside `inside_` (links resolved).
class ContainedAccess : public ovix::FileAccess {
public:
    explicit ContainedAccess(std::string inside) : inside_(std::move(inside)) {}

    int open(const std::string &path, int flags, mode_t mode) override
    {
        if ((flags & (O_WRONLY | O_RDWR | O_CREAT | O_TRUNC | O_APPEND)) != 0)
            must(isInside(path, true));
        return FileAccess::open(path, flags, mode);
    }
    int rename(const std::string &from, const std::string &to) override
    {
        must(isInside(from, false) && isInside(to, false));
        return FileAccess::rename(from, to);
    }
    int unlink(const std::string &path) override
    {
        must(isInside(path, false));
        return FileAccess::unlink(path);
    }

private:
    // The place `path` stands for, with the links on the way followed (and
    // the last part's too when `followLast`: an open writes through it, a
    // removal or rename takes the link itself), lies below the data folder.
    bool isInside(const std::string &path, bool followLast) const
    {
        std::error_code error;
        fs::path resolved = fs::weakly_canonical(fs::path(path), error);
        struct stat st;
        if (!followLast && ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode))
            resolved = fs::weakly_canonical(fs::path(path).parent_path(), error)
                     / fs::path(path).filename();
        if (error)
            return false;
        const std::string text = resolved.string();
        return text.compare(0, inside_.size() + 1, inside_ + "/") == 0;
    }

    std::string inside_;
};

struct Place {
    std::string base;
    std::string data;
    std::string outside;
};

const Place &place()
{
    static const Place made = [] {
        Place p;
        p.base = ovix::fuzz::scratchFolder("ovix-journal-fuzz");
        p.data = p.base + "/data";
        p.outside = p.base + "/outside";
        fs::create_directories(p.outside);
        ovix::fuzz::writeFile(p.outside + "/film.dat", std::string(64, 'O'));
        ovix::fuzz::writeFile(p.outside + "/member.dat", std::string(48, 'M'));
        ovix::fuzz::writeFile(p.base + "/victim", "keep me");
        return p;
    }();
    return made;
}

// The data folder as every input starts with it: a few files of a day's
// sale, and two links a careless copy of a data set could hold, one to a
// folder and one to a file outside it.
void layDataFolder(const Place &p)
{
    fs::remove_all(p.data);
    fs::create_directories(p.data + "/2026/3/5");
    ovix::fuzz::writeFile(p.data + "/FILM.DAT", std::string(64, 'f'));
    ovix::fuzz::writeFile(p.data + "/WR.CFG", std::string(40, 'w'));
    ovix::fuzz::writeFile(p.data + "/bun4.dat", "log line\r\n");
    ovix::fuzz::writeFile(p.data + "/2026/3/5/saleslog.dat", std::string(32, 's'));
    fs::create_directory_symlink("../outside", p.data + "/elsewhere");
    fs::create_symlink("../outside/member.dat", p.data + "/member.dat");
}

// Every file and link under `root` with its bytes (or its link's target);
// files past 1 MB (sparse ones a journal made) by their size only.
std::map<std::string, std::string> snapshot(const std::string &root)
{
    std::map<std::string, std::string> files;
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(root, error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        const std::string name = fs::relative(it->path(), root).string();
        if (it->is_symlink())
            files[name] = "link " + fs::read_symlink(it->path()).string();
        else if (it->is_directory())
            files[name] = "folder";
        else if (it->file_size() > 1024 * 1024)
            files[name] = "size " + std::to_string(it->file_size());
        else
            files[name] = ovix::fuzz::readFile(it->path().string()).value_or("?");
    }
    return files;
}

// An independent reading of the journal layout, for checking what the
// recovery put back.
struct Entry {
    std::string name;
    int flags = 0;
    uint64_t oldLength = 0;
    std::vector<std::pair<uint64_t, std::string>> ranges;
};

std::optional<std::vector<Entry>> readJournal(const std::string &journal)
{
    if (journal.size() < 20 || journal.compare(0, 8, "OVIXJNL1") != 0)
        return std::nullopt;
    ovix::fuzz::ByteReader in(std::string_view(journal).substr(16, journal.size() - 20));
    uint64_t count = 0;
    if (!in.number(4, count))
        return std::nullopt;
    std::vector<Entry> entries;
    for (uint64_t i = 0; i < count; ++i) {
        Entry entry;
        uint64_t nameLength = 0;
        uint64_t flags = 0;
        uint64_t ranges = 0;
        if (!in.number(2, nameLength) || !in.text(nameLength, entry.name)
            || !in.number(1, flags) || !in.number(8, entry.oldLength) || !in.number(4, ranges))
            return std::nullopt;
        entry.flags = static_cast<int>(flags);
        for (uint64_t r = 0; r < ranges; ++r) {
            uint64_t offset = 0;
            uint64_t size = 0;
            std::string bytes;
            if (!in.number(8, offset) || !in.number(4, size) || !in.text(size, bytes))
                return std::nullopt;
            entry.ranges.emplace_back(offset, std::move(bytes));
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::string lowerCase(std::string text)
{
    for (char &c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// What a rollback must have left: each file named once (whatever its case)
// absent when it did not exist, else at its old length when that is restored,
// with the last saved range back in place.
void checkRestored(const Place &p, const std::vector<Entry> &entries)
{
    std::map<std::string, int> uses;
    for (const Entry &entry : entries)
        ++uses[lowerCase(entry.name)];
    ovix::DataDir dir(p.data);
    for (const Entry &entry : entries) {
        if (uses[lowerCase(entry.name)] != 1)
            continue;
        const std::string path = dir.path(entry.name);
        if ((entry.flags & 1) == 0) {
            struct stat st;
            must(::lstat(path.c_str(), &st) != 0);
            continue;
        }
        const int64_t size = ovix::fileSize(path);
        must(size >= 0);
        if (entry.flags & 2)
            must(static_cast<uint64_t>(size) == entry.oldLength);
        if (entry.ranges.empty())
            continue;
        const auto &[offset, bytes] = entry.ranges.back();
        if (offset >= static_cast<uint64_t>(size))
            continue;
        const size_t shown = static_cast<size_t>(
            std::min<uint64_t>(bytes.size(), static_cast<uint64_t>(size) - offset));
        std::string onDisk(shown, '\0');
        const int fd = ::open(path.c_str(), O_RDONLY);
        must(fd >= 0);
        must(::pread(fd, onDisk.data(), shown, static_cast<off_t>(offset))
              == static_cast<ssize_t>(shown));
        ::close(fd);
        must(onDisk == bytes.substr(0, shown));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Place &p = place();
    layDataFolder(p);
    std::string journal(reinterpret_cast<const char *>(data), size);
    if (journal.compare(0, 8, "OVIXJNL1") != 0)
        journal = ovix::fuzz::wrapJournalBody(journal);
    ovix::fuzz::writeFile(p.data + "/" + ovix::kJournalName, journal);

    const auto outsideBefore = snapshot(p.outside);
    const auto dataBefore = snapshot(p.data);
    static ContainedAccess contained(p.data);
    ovix::setFileAccess(&contained);
    const ovix::RecoveryResult result = ovix::recoverInterruptedWork(ovix::DataDir(p.data));
    const ovix::RecoveryResult again = ovix::recoverInterruptedWork(ovix::DataDir(p.data));
    ovix::setFileAccess(nullptr);

    const bool journalLeft = ovix::fileExists(p.data + "/" + ovix::kJournalName);
    must(result.ok != journalLeft);
    must(result.ok || !result.error.empty());
    must(!(result.rolledBack && result.removedInvalid));
    if (result.ok)
        must(again.ok && !again.rolledBack && !again.removedInvalid);
    must(snapshot(p.outside) == outsideBefore);
    must(ovix::fuzz::readFile(p.base + "/victim") == "keep me");
    must(fs::directory_entry(p.base + "/data").is_directory());

    auto dataAfter = snapshot(p.data);
    if (result.removedInvalid) {
        auto expected = dataBefore;
        expected.erase(ovix::kJournalName);
        must(dataAfter == expected);
    }
    if (result.rolledBack) {
        const std::optional<std::vector<Entry>> entries = readJournal(journal);
        must(entries.has_value());
        checkRestored(p, *entries);
    }
    return 0;
}
