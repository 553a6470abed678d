#pragma once
// What every archived transaction - a sale, an account payment - does around
// its FileUpdate (file_update.h), so that they all go into the archive the
// same way:
// - today's archive folders and year index are made when missing (the first
//   transaction after midnight without a restart), and the clerk is warned;
// - the archive is readied, its torn ends found;
// - the transaction takes the number wr.cfg offers unless today's archive
//   already holds it (ArchivedNumbers::firstFree);
// - after a successful run the configuration in memory becomes the one
//   written, the archived number is noted, and what was held back (torn ends
//   cut off, a log that could not be written) is told.
//
// Usage:
//     TransactionArchiving archiving(state, now, "The payment was not recorded ...");
//     if (!archiving.begin(messages)) return;                    // told, nothing written
//     TillConfig updated = state.config;
//     updated.set(cfg::nextTransactionNumber, archiving.number());
//     ... add to `updated`, build the record and `archiving.logNotes() + block`
//     archiving.update().replaceTillConfig(updated);
//     archiving.update().appendToArchive(archiving.archive(), entry, record, lines);
//     ... records, then archiving.update().appendLogBlock(log);
//     if (!archiving.finish(updated, messages)) return;         // told, undone
//     archiving.tellHeldBack(messages);
//
// Window thread only; one transaction per object.

#include "platform/messages.h"
#include "platform/clock.h"
#include "sales/logic/file_update.h"
#include "sales/logic/sales_archive.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ovix {

class ScriptedMessages;
class TillConfig;
class TillState;

class TransactionArchiving {
public:
    // `state` must outlive the object. `notRecorded` is told after every
    // failure: that the work was not recorded and what the clerk can do.
    TransactionArchiving(TillState &state, const LocalTime &now, std::string notRecorded);

    // Makes missing folders (with the midnight warning), readies the archive
    // and takes the transaction number. False, told, when nothing can be
    // archived; nothing has been written to the archive then.
    bool begin(Messages &messages);

    // After begin(): the number the transaction takes, and the one wr.cfg
    // offered (they differ when the archive already held the offered one).
    int32_t number() const
    {
        return number_;
    }
    int32_t offered() const
    {
        return offered_;
    }
    // After begin(): what the activity log gets ahead of the transaction's own
    // block - the torn ends cut off and a number moved on - or "".
    const std::string &logNotes() const
    {
        return notes_;
    }

    FileUpdate &update()
    {
        return update_;
    }
    SalesArchiveWriter &archive()
    {
        return archive_;
    }

    // A message told once the transaction is complete (the same text and
    // caption only once).
    void holdBack(std::string text, std::string caption, MessageKind kind);
    void holdBackAll(const ScriptedMessages &collected);

    // Runs the update, which must write `updated` as wr.cfg. When all is on
    // the disk: `updated` becomes the state's configuration, the number is
    // noted as archived, a log that could not be written is held back to be
    // told, and true. False, told and undone otherwise; the state is as it was.
    bool finish(const TillConfig &updated, Messages &messages);

    // Tells what was held back, in the order it came.
    void tellHeldBack(Messages &messages) const;

private:
    struct Notice {
        std::string text;
        std::string caption;
        MessageKind kind = MessageKind::Warning;
    };

    TillState &state_;
    LocalTime now_;
    FileUpdate update_;
    SalesArchiveWriter archive_;
    int32_t offered_ = 0;
    int32_t number_ = 0;
    std::string notes_;
    std::vector<Notice> notices_;
};

// The next transaction number of `config` one on, back to 1 after 2147483647.
void advanceTransactionNumber(TillConfig &config);

} // namespace ovix
