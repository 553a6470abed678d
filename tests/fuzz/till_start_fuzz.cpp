// The till's start over a whole data folder. The input is one Chunks file
// (fuzz_folder.h) for each of wr.cfg, film.dat, member.dat, mans.dat,
// bun4.dat, bun2.dat, resn.dat, ADDRESS.VT, language.ini and the undo journal
// (those of the sample shop to lay bytes over), then the days since the
// sample shop was set up and the answer to the usage-gap question.
//
// Whatever the bytes: a start either refuses, having told why and changed
// nothing but the undoing of interrupted work and the copy of a damaged
// wr.cfg, or yields a shop whose indexes agree with its record files; such a
// shop, switched off, starts again the same day.

#include "fuzz/fuzz_folder.h"
#include "platform/undo_journal.h"
#include "sales/logic/till_state.h"
#include "store/activity_log.h"
#include "store/customer_lookup.h"
#include "store/fixed_text.h"
#include "store/receipt_words.h"
#include "store/reminder_file.h"
#include "store/store_heading.h"
#include "store/till_config_file.h"
#include "till/logic/startup.h"

#include <cstring>

using namespace ovix;
using ovix::fuzz::check;
using ovix::fuzz::FuzzFolder;

namespace {

constexpr const char *kFiles[] = {
    kTillConfigFileName, kItemFileName, kCustomerFileName, kSupplierFileName, kCurrentLogName,
    kPreviousLogName, kReminderFileName, kStoreHeadingFileName, kReceiptWordsFileName,
    kJournalName,
};

using Files = std::map<std::string, std::string>;

// The folder without the copies of a damaged wr.cfg that a start keeps.
Files withoutCopies(Files files)
{
    std::erase_if(files, [](const auto &file) {
        return file.first.rfind("wr.cfg.damaged-", 0) == 0;
    });
    return files;
}

// Every index entry lands on a record with its number; the counts are the file's.
template <typename Record> void checkIndex(const RecordFile<Record> &records)
{
    const std::optional<std::string> file = FuzzFolder::instance().read(records.fileName());
    check(file.has_value() && file->size() == records.slotCount() * sizeof(Record));
    check(records.liveCount() + records.freeCount() == records.slotCount());
    for (const IndexEntry &entry : records.index().entries()) {
        int64_t stored;
        std::memcpy(&stored, file->data() + entry.slot * sizeof(Record), sizeof stored);
        if (entry.number == RecordIndex::kFree) {
            check(stored <= 0);
            continue;
        }
        check(stored == entry.number && records.slotOf(entry.number).has_value());
        int64_t found;
        std::memcpy(&found, file->data() + *records.slotOf(entry.number) * sizeof(Record),
            sizeof found);
        check(found == entry.number);
    }
}

void lookUp(TillState &state)
{
    checkIndex(state.items);
    checkIndex(state.customers);
    checkIndex(state.suppliers);
    ScriptedMessages messages;
    int looked = 0;
    for (const IndexEntry &entry : state.customers.index().entries()) {
        if (entry.number == RecordIndex::kFree || entry.number > kMaxRecordNumber || ++looked > 8)
            continue;
        const CustomerLookup found = lookUpCustomers(state.customers,
            std::to_string(entry.number), CustomerSearchOrder::ByNumber, true, messages);
        check(found.candidates.size() == 1 && found.candidates[0].number == entry.number);
    }
    looked = 0;
    for (const IndexEntry &entry : state.items.index().entries()) {
        if (entry.number == RecordIndex::kFree || ++looked > 8)
            continue;
        ItemRecord item;
        check(state.items.readRecord(entry.slot, item, messages) && item.number == entry.number);
        if (item.description[0] == '\0')
            continue;
        const std::optional<int64_t> slot = state.items.findBySku1(readText(item.sku1));
        check(slot.has_value() && *slot <= entry.slot);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Files &sample = fuzz::newShopFiles(true);
    FuzzFolder &folder = FuzzFolder::instance();
    folder.clear();
    fuzz::Chunks input(data, size);
    Files before;
    for (const char *name : kFiles) {
        const auto base = sample.find(name);
        std::optional<std::string> bytes
            = input.file(base != sample.end() ? base->second : std::string());
        if (!bytes)
            continue;
        folder.write(name, *bytes);
        before[name] = std::move(*bytes);
    }
    LocalTime now;
    now.year = 2026;
    now.month = 3;
    now.day = 4 + input.byte() % 28;
    now.hour = 9;
    const bool answerOk = input.byte() % 2 == 0;
    setFixedLocalTime(now);

    // Interrupted work is undone first, as the start does; the start then
    // finds nothing to undo, and what it refuses shows against this folder.
    const DataDir dir(folder.path());
    if (folder.exists(kJournalName)) {
        recoverInterruptedWork(dir);
        before = folder.snapshot();
    }

    {
        TillState state(folder.path());
        ScriptedMessages messages;
        messages.answers.push_back(answerOk ? Answer::Ok : Answer::Cancel);
        if (!openData(state, messages)) {
            check(state.startFailed && !messages.shown.empty());
            check(withoutCopies(folder.snapshot()) == before);
            setFixedLocalTime(std::nullopt);
            return 0;
        }
        // The pole display's port is the shop's device, not this test's.
        state.config.set(cfg::poleInUse, 0);
        check(completeStart(state, messages));
        lookUp(state);
        shutdownTill(state, messages);
    }

    // Switched off, the shop starts again the same day without a question.
    TillState next(folder.path());
    ScriptedMessages messages;
    messages.answers.push_back(Answer::Cancel);
    check(openData(next, messages));
    lookUp(next);
    setFixedLocalTime(std::nullopt);
    return 0;
}
