#pragma once
// All-or-nothing updates of several data files.
//
// A sale appends to the day archive and the activity log, rewrites item and
// customer records in place and replaces wr.cfg. A FileTransaction makes such
// an update all or nothing across a crash or a power cut: before the first
// write it saves the bytes about to be overwritten and the lengths about to
// grow in a journal file (ovix.jnl in the data folder); commit() deletes the
// journal, and anything short of that is rolled back, either by the guard's
// destructor or, after a crash, by recoverInterruptedWork() at the next start.
//
// Usage:
//     FileTransaction work(dataDir);
//     work.protectRange("film.dat", slot * recordSize, recordSize);
//     work.protectLength("bun4.dat");
//     work.protectWholeFile("wr.cfg");
//     if (!work.begin()) { tell the user work.error(); return; }
//     ... write the files ...
//     if (!work.commit()) { tell the user work.error(); return; } // rolled back
//
// Names are relative to the data folder ("2026/3/5/saleslog.dat") and are
// found whatever their case, as DataDir::path() finds them. Folders made
// during the work are not removed by a rollback (an empty archive folder is
// harmless). All I/O goes through fileAccess(). Window thread only; one
// transaction is open at a time.

#include "platform/data_dir.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ovix {

// The journal's name in the data folder.
inline constexpr const char *kJournalName = "ovix.jnl";

class FileTransaction {
public:
    explicit FileTransaction(const DataDir &dir);
    // Rolls back when begin() succeeded and neither commit() nor rollback()
    // finished the work; a rollback that fails leaves the journal for the
    // next start (or the next begin()). A caller that wants to tell the user
    // about such a failure calls rollback() itself and shows error().
    ~FileTransaction();
    FileTransaction(const FileTransaction &) = delete;
    FileTransaction &operator=(const FileTransaction &) = delete;

    // Before begin(): name what will change.
    // `size` bytes at `offset` rewritten in place (a record). Bytes past the
    // present end of the file count as an append: the length is restored.
    void protectRange(std::string name, int64_t offset, int64_t size);
    // A file appended to, or created when missing (then a rollback deletes it).
    void protectLength(std::string name);
    // A file rewritten or replaced whole (wr.cfg, language.ini): its bytes and
    // length are saved, and a rollback writes them back in place.
    void protectWholeFile(std::string name);

    // Reads the old bytes and lengths, writes the journal and syncs it and the
    // folder. Nothing may be written before this returns true. A journal left
    // by earlier work is recovered first. False (with error()) when a name is
    // unusable, a file cannot be read, another transaction is open, or the
    // journal cannot be written; then nothing has changed.
    bool begin();

    // Syncs every protected file (and the folders of created ones), then
    // deletes the journal: that deletion is the commit point. False when
    // anything before it failed; the work is then rolled back at once.
    // A failed sync of the data folder after the deletion is noted in error()
    // but the work stays committed: the files are whole either way, and only
    // a power cut at that moment could still make the next start undo it.
    bool commit();

    // Puts back the old bytes and lengths, deletes files that did not exist,
    // syncs them and deletes the journal. True when there was nothing to do.
    // On failure the journal stays, so the next start tries again.
    bool rollback();

    // What went wrong last, for a message to the user; empty when nothing did.
    const std::string &error() const { return error_; }

    struct Request;
    struct SavedFile;

private:
    enum class State { Preparing, Begun, Finished };

    // Rolls back after a failed commit; always false.
    bool failCommit(const std::string &reason);

    DataDir dir_;
    State state_ = State::Preparing;
    std::vector<Request> requests_;
    std::vector<SavedFile> saved_;
    std::string error_;
};

struct RecoveryResult {
    // False when a rollback was needed and failed; the journal then stays
    // for the next try and `error` says what failed.
    bool ok = true;
    // Work interrupted by a crash was undone.
    bool rolledBack = false;
    // A journal cut short (a crash while it was being written, before any
    // data was touched) or unreadable was deleted without touching the data.
    bool removedInvalid = false;
    std::string error;
};

// Run at start-up, before any data file is read: undoes work that a crash or
// power cut interrupted. Safe to run again after a crash during the rollback.
RecoveryResult recoverInterruptedWork(const DataDir &dir);

} // namespace ovix
