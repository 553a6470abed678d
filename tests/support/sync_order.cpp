#include "support/sync_order.h"

#include "platform/file.h"

#include <fcntl.h>

#include <set>

namespace ovix::test {

int SyncTracingAccess::open(const std::string &path, int flags, mode_t mode)
{
    const bool creates = (flags & O_CREAT) != 0 && !fileExists(path);
    const int fd = FileAccess::open(path, flags, mode);
    if (fd < 0)
        return fd;
    paths_[fd] = path;
    if (creates)
        events_.push_back({FileEvent::Kind::Create, path, {}});
    if ((flags & O_TRUNC) != 0 && !creates)
        events_.push_back({FileEvent::Kind::Write, path, {}});
    return fd;
}

int SyncTracingAccess::close(int fd)
{
    paths_.erase(fd);
    return FileAccess::close(fd);
}

void SyncTracingAccess::note(FileEvent::Kind kind, int fd)
{
    const auto found = paths_.find(fd);
    events_.push_back({kind, found == paths_.end() ? std::string("?") : found->second, {}});
}

ssize_t SyncTracingAccess::pwrite(int fd, const void *buffer, size_t size, off_t offset)
{
    note(FileEvent::Kind::Write, fd);
    return FileAccess::pwrite(fd, buffer, size, offset);
}

ssize_t SyncTracingAccess::write(int fd, const void *buffer, size_t size)
{
    note(FileEvent::Kind::Write, fd);
    return FileAccess::write(fd, buffer, size);
}

int SyncTracingAccess::fsync(int fd)
{
    const int result = FileAccess::fsync(fd);
    if (result == 0)
        note(FileEvent::Kind::Sync, fd);
    return result;
}

int SyncTracingAccess::ftruncate(int fd, off_t length)
{
    note(FileEvent::Kind::Write, fd);
    return FileAccess::ftruncate(fd, length);
}

int SyncTracingAccess::rename(const std::string &from, const std::string &to)
{
    const int result = FileAccess::rename(from, to);
    if (result == 0)
        events_.push_back({FileEvent::Kind::Rename, to, from});
    return result;
}

int SyncTracingAccess::unlink(const std::string &path)
{
    const int result = FileAccess::unlink(path);
    if (result == 0)
        events_.push_back({FileEvent::Kind::Remove, path, {}});
    return result;
}

namespace {

using Kind = FileEvent::Kind;

// True when `path` is synced at an event in (from, to).
bool syncedBetween(const std::vector<FileEvent> &events, const std::string &path, size_t from,
    size_t to)
{
    for (size_t i = from + 1; i < to && i < events.size(); ++i) {
        if (events[i].kind == Kind::Sync && events[i].path == path)
            return true;
    }
    return false;
}

std::string where(size_t i, const FileEvent &event)
{
    static const char *const kNames[] = {"create", "write", "sync", "rename", "remove"};
    return "#" + std::to_string(i) + " " + kNames[static_cast<int>(event.kind)] + " "
        + event.path;
}

} // namespace

std::vector<std::string> syncOrderFaults(
    const std::vector<FileEvent> &events, const std::string &journal)
{
    std::vector<std::string> faults;
    const std::string journalFolder = parentDirectory(journal);
    const size_t end = events.size();

    // Each journal's life: from its first write to its removal.
    for (size_t start = 0; start < end; ++start) {
        const FileEvent &opening = events[start];
        if (opening.path != journal || (opening.kind != Kind::Create && opening.kind != Kind::Write))
            continue;
        size_t removal = start + 1;
        while (removal < end && !(events[removal].path == journal && events[removal].kind == Kind::Remove))
            ++removal;
        size_t lastJournalWrite = start;
        size_t firstData = removal;
        for (size_t i = start + 1; i < removal; ++i) {
            if (events[i].path == journal && events[i].kind == Kind::Write && firstData == removal)
                lastJournalWrite = i;
            if (events[i].path != journal && events[i].kind != Kind::Sync && firstData == removal)
                firstData = i;
        }
        if (firstData < removal) {
            if (!syncedBetween(events, journal, lastJournalWrite, firstData))
                faults.push_back("journal not synced before " + where(firstData, events[firstData]));
            size_t journalSyncAt = lastJournalWrite;
            while (journalSyncAt < firstData
                && !(events[journalSyncAt].kind == Kind::Sync && events[journalSyncAt].path == journal))
                ++journalSyncAt;
            if (!syncedBetween(events, journalFolder, journalSyncAt, firstData))
                faults.push_back("journal's folder not synced before " + where(firstData, events[firstData]));
        }
        if (removal == end)
            break; // left for the next start to undo: nothing more to check
        // Everything changed under the journal is on the disk before it goes.
        std::map<std::string, size_t> lastChange;
        std::map<std::string, size_t> folderChange;
        for (size_t i = firstData; i < removal; ++i) {
            const FileEvent &event = events[i];
            if (event.path == journal || event.kind == Kind::Sync)
                continue;
            if (event.kind == Kind::Write || event.kind == Kind::Create)
                lastChange[event.path] = i;
            if (event.kind == Kind::Create || event.kind == Kind::Remove || event.kind == Kind::Rename)
                folderChange[parentDirectory(event.path)] = i;
        }
        for (const auto &[path, at] : lastChange) {
            if (fileExists(path) && !syncedBetween(events, path, at, removal))
                faults.push_back(path + " not synced before the journal's removal (last change "
                    + where(at, events[at]) + ")");
        }
        for (const auto &[folder, at] : folderChange) {
            if (!syncedBetween(events, folder, at, removal))
                faults.push_back("folder " + folder + " not synced before the journal's removal (after "
                    + where(at, events[at]) + ")");
        }
        start = removal;
    }

    // A deleted journal stays deleted: its folder is synced afterwards, or
    // a power cut could bring it back and undo finished work.
    for (size_t i = 0; i < end; ++i) {
        if (events[i].kind == Kind::Remove && events[i].path == journal
            && !syncedBetween(events, journalFolder, i, end))
            faults.push_back("journal's folder not synced after its removal " + where(i, events[i]));
    }

    // Every rename reaches the disk: the file renamed is synced after its
    // last write, and its folder after the rename, before the journal that
    // covers it goes or before the end.
    for (size_t i = 0; i < end; ++i) {
        if (events[i].kind != Kind::Rename)
            continue;
        size_t lastWrite = i;
        for (size_t j = 0; j < i; ++j) {
            if (events[j].path == events[i].from
                && (events[j].kind == Kind::Write || events[j].kind == Kind::Create))
                lastWrite = j;
        }
        if (lastWrite < i && !syncedBetween(events, events[i].from, lastWrite, i))
            faults.push_back(events[i].from + " not synced before " + where(i, events[i]));
        size_t limit = i + 1;
        while (limit < end && !(events[limit].path == journal && events[limit].kind == Kind::Remove))
            ++limit;
        if (!syncedBetween(events, parentDirectory(events[i].path), i, limit))
            faults.push_back("folder not synced after " + where(i, events[i]));
    }
    return faults;
}

} // namespace ovix::test
