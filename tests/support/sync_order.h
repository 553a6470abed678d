#pragma once
// Watches the order of writes and syncs through the file seam and names
// every place where a power cut could lose or tear work:
// - the undo journal must be synced, and its folder, before the first data
//   write it protects;
// - every file written or created under a journal must be synced (a created
//   or removed one also its folder) before the journal is deleted;
// - a renamed file must be synced before the rename, and its folder after
//   it, before the journal is deleted or, outside a journal, before the
//   trace ends;
// - the journal's folder must be synced after the journal is deleted, so
//   that a power cut cannot bring it back and undo finished work.
// A process that crashes cannot show a missing sync, so this is how the
// tests see one.

#include "platform/file_access.h"

#include <map>
#include <string>
#include <vector>

namespace ovix::test {

struct FileEvent {
    enum class Kind { Create, Write, Sync, Rename, Remove };
    Kind kind;
    std::string path; // for a rename, the new name
    std::string from; // for a rename, the old name
};

class SyncTracingAccess : public FileAccess {
public:
    int open(const std::string &path, int flags, mode_t mode) override;
    int close(int fd) override;
    ssize_t pwrite(int fd, const void *buffer, size_t size, off_t offset) override;
    ssize_t write(int fd, const void *buffer, size_t size) override;
    int fsync(int fd) override;
    int ftruncate(int fd, off_t length) override;
    int rename(const std::string &from, const std::string &to) override;
    int unlink(const std::string &path) override;

    const std::vector<FileEvent> &events() const { return events_; }

private:
    void note(FileEvent::Kind kind, int fd);

    std::map<int, std::string> paths_;
    std::vector<FileEvent> events_;
};

// Each fault found in `events`, in words; none when the order is sound.
// `journal` is the undo journal's full path.
std::vector<std::string> syncOrderFaults(
    const std::vector<FileEvent> &events, const std::string &journal);

} // namespace ovix::test
