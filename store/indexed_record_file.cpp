#include "store/indexed_record_file.h"

#include "platform/c_format.h"
#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/messages.h"
#include "store/activity_log.h"
#include "store/fixed_text.h"
#include "store/record_scan.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace ovix {

namespace {

int64_t storedNumber(const void *record)
{
    int64_t number = 0;
    std::memcpy(&number, record, sizeof number);
    return number;
}

int64_t indexedNumber(int64_t stored)
{
    return stored > 0 ? stored : RecordIndex::kFree;
}

// The size of the file at `path` as seen when it is opened for reading; -1
// when it cannot be opened or examined.
int64_t openedSize(const std::string &path)
{
    File file = File::open(path, File::Mode::Read);
    return file.isOpen() ? file.size() : -1;
}

} // namespace

IndexedRecordFile::IndexedRecordFile(const DataDir &dir, const RecordFileLayout &layout)
    : dir_(dir)
    , layout_(layout)
{
}

std::string IndexedRecordFile::filePath() const
{
    return dir_.path(layout_.fileName);
}

bool IndexedRecordFile::replacePlaceholder(const std::string &path, Messages &messages)
{
    std::string freeRecord(layout_.recordSize, '\0');
    const int64_t freeNumber = RecordIndex::kFree;
    std::memcpy(freeRecord.data(), &freeNumber, sizeof freeNumber);
    if (!replaceFileAtomically(path, freeRecord)) {
        reportFatal(messages, cformat("Data file: %s, not present.", layout_.fileName));
        return false;
    }
    return true;
}

IndexedRecordFile::Memory IndexedRecordFile::memory() const
{
    return { index_, slotNumbers_, keys_, lookup_, lookupText_ };
}

void IndexedRecordFile::restoreMemory(Memory kept)
{
    index_ = std::move(kept.index);
    slotNumbers_ = std::move(kept.slotNumbers);
    keys_ = std::move(kept.keys);
    lookup_ = std::move(kept.lookup);
    lookupText_ = std::move(kept.lookupText);
}

bool IndexedRecordFile::load(Messages &messages)
{
    const std::string path = filePath();
    int64_t size = openedSize(path);
    if (size < 0) {
        reportFatal(messages, layout_.missingAtStart);
        return false;
    }
    if (size == 0) {
        reportFatal(messages, layout_.emptyAtStart);
        return false;
    }
    if (layout_.placeholderSize > 0 && size == layout_.placeholderSize) {
        if (!replacePlaceholder(path, messages))
            return false;
        size = openedSize(path);
        if (size < 0) {
            reportFatal(messages, layout_.missingAtStart);
            return false;
        }
    }
    const auto recordSize = static_cast<int64_t>(layout_.recordSize);
    if (size % recordSize != 0) {
        reportFatal(messages, layout_.corruptAtStart);
        return false;
    }

    const int64_t slots = size / recordSize;
    std::vector<int64_t> numbers(static_cast<size_t>(slots));
    std::vector<char> keys;
    if (layout_.keyOffset >= 0)
        keys.assign(static_cast<size_t>(slots) * 2, '\0');
    std::vector<std::string> lookupText;
    if (layout_.lookupOffset >= 0)
        lookupText.resize(static_cast<size_t>(slots));

    const ScanOptions everySlot { ScanSlots::All, ScanFailure::Stop, slots };
    const ScanResult scan
        = scanRecordBytes(path, layout_.recordSize, everySlot, [&](int64_t at, const char *record) {
              const auto slot = static_cast<size_t>(at);
              numbers[slot] = storedNumber(record);
              // A free slot keeps an empty key whatever its text says, so that no
              // search by key or SKU ever lands on it.
              const bool live = numbers[slot] > 0;
              if (layout_.keyOffset >= 0 && live) {
                  keys[2 * slot] = record[layout_.keyOffset];
                  keys[2 * slot + 1] = record[layout_.keyOffset + 1];
              }
              if (layout_.lookupOffset >= 0 && live
                  && (layout_.keyOffset < 0 || keys[2 * slot] != '\0'))
                  lookupText[slot]
                      = readFixedText(record + layout_.lookupOffset, layout_.lookupWidth);
          });
    if (!scan.complete() || scan.slotsRead != slots) {
        // The file shrank or the disk failed under us.
        reportFatal(messages, layout_.corruptAtStart);
        return false;
    }

    RecordIndex index;
    index.assign(numbers);
    for (auto &number : numbers)
        number = indexedNumber(number);

    index_ = std::move(index);
    slotNumbers_ = std::move(numbers);
    keys_ = std::move(keys);
    lookup_.clear();
    lookupText_ = std::move(lookupText);
    if (layout_.lookupOffset >= 0) {
        for (int64_t slot = 0; slot < slots; ++slot) {
            if (lookupApplies(slot))
                lookup_[lookupText_[static_cast<size_t>(slot)]].push_back(slot);
        }
    }
    return true;
}

std::optional<int64_t> IndexedRecordFile::slotOf(int64_t number) const
{
    if (!index_.contains(number))
        return std::nullopt;
    return index_[index_.find(number)].slot;
}

std::array<char, 2> IndexedRecordFile::key(int64_t slot) const
{
    if (keys_.empty() || slot < 0 || slot >= index_.slotCount())
        return { '\0', '\0' };
    const auto at = static_cast<size_t>(slot) * 2;
    return { keys_[at], keys_[at + 1] };
}

std::optional<RecordIndex::Range> IndexedRecordFile::walkRange(
    int64_t low, int64_t high, Messages &messages) const
{
    RecordIndex::Range range = index_.range(low, high);
    if (range.empty()) {
        reportProblem(messages, "No items in range.");
        return std::nullopt;
    }
    return range;
}

bool IndexedRecordFile::readBytes(int64_t slot, void *record, Messages &messages) const
{
    File file = File::open(filePath(), File::Mode::Read);
    if (!file.isOpen()) {
        reportFatal(messages, cformat("Data file: %s, not present.", layout_.fileName));
        return false;
    }
    const auto recordSize = static_cast<int64_t>(layout_.recordSize);
    if (slot < 0 || slot >= index_.slotCount()
        || !file.readAt(slot * recordSize, record, layout_.recordSize)) {
        reportProblem(messages, cformat("Not able to read %s", layout_.fileName));
        return false;
    }
    return true;
}

bool IndexedRecordFile::writeRecordAt(
    int64_t slot, const void *record, const char *failureFormat, Messages &messages) const
{
    File file = File::open(filePath(), File::Mode::ReadWrite);
    if (!file.isOpen()) {
        reportFatal(messages, cformat("Data file: %s, not present.", layout_.fileName));
        return false;
    }
    const int64_t lengthBefore = file.size();
    bool written = lengthBefore >= 0
        && file.writeAt(
            slot * static_cast<int64_t>(layout_.recordSize), record, layout_.recordSize);
    if (!written && lengthBefore >= 0 && file.size() > lengthBefore) {
        // A part of an appended record reached the disk: cut it off again so
        // the file stays a whole number of records.
        file.truncate(lengthBefore);
    }
    if (!file.close() && written) {
        written = false;
        File again = File::open(filePath(), File::Mode::ReadWrite);
        if (again.isOpen() && again.size() > lengthBefore)
            again.truncate(lengthBefore);
    }
    if (!written) {
        reportProblem(messages, cformat(failureFormat, layout_.fileName));
        return false;
    }
    return true;
}

bool IndexedRecordFile::writeBytes(int64_t slot, const void *record, Messages &messages)
{
    if (slot < 0 || slot >= index_.slotCount()) {
        reportProblem(messages, cformat("Not able to write to %s", layout_.fileName));
        return false;
    }
    const auto at = static_cast<size_t>(slot);
    if (indexedNumber(storedNumber(record)) != slotNumbers_[at]) {
        reportProblem(messages, "Invalid number.");
        return false;
    }
    if (!writeRecordAt(slot, record, "Not able to write to %s", messages))
        return false;
    if (slotNumbers_[at] > 0) {
        const auto *bytes = static_cast<const char *>(record);
        removeFromLookup(slot);
        setKey(slot, bytes);
        if (layout_.lookupOffset >= 0)
            addToLookup(slot, readFixedText(bytes + layout_.lookupOffset, layout_.lookupWidth));
    }
    return true;
}

std::optional<int64_t> IndexedRecordFile::insertBytes(const void *record, Messages &messages)
{
    const int64_t number = storedNumber(record);
    if (number < 1 || number > layout_.maxNumber) {
        reportProblem(messages, "Number outside range.");
        return std::nullopt;
    }
    if (index_.contains(number)) {
        reportProblem(messages, "Number in use.");
        return std::nullopt;
    }
    const int64_t slot = index_.slotForNewEntry();
    if (!writeRecordAt(slot, record, "Not able to write to %s", messages))
        return std::nullopt;

    index_.insert(number);
    const auto at = static_cast<size_t>(slot);
    if (at == slotNumbers_.size()) {
        slotNumbers_.push_back(number);
        if (layout_.keyOffset >= 0)
            keys_.resize(keys_.size() + 2, '\0');
        if (layout_.lookupOffset >= 0)
            lookupText_.emplace_back();
    } else {
        slotNumbers_[at] = number;
    }
    const auto *bytes = static_cast<const char *>(record);
    setKey(slot, bytes);
    if (layout_.lookupOffset >= 0)
        addToLookup(slot, readFixedText(bytes + layout_.lookupOffset, layout_.lookupWidth));
    return slot;
}

bool IndexedRecordFile::removeAt(size_t position, void *removed, Messages &messages)
{
    if (position >= index_.size() || index_[position].number == RecordIndex::kFree) {
        reportProblem(messages, "Invalid number.");
        return false;
    }
    const int64_t slot = index_[position].slot;
    std::vector<char> record(layout_.recordSize);
    if (!readBytes(slot, record.data(), messages))
        return false;
    if (removed)
        std::memcpy(removed, record.data(), record.size());
    const int64_t freeNumber = RecordIndex::kFree;
    std::memcpy(record.data(), &freeNumber, sizeof freeNumber);
    if (layout_.keyOffset >= 0) {
        record[static_cast<size_t>(layout_.keyOffset)] = '\0';
        record[static_cast<size_t>(layout_.keyOffset) + 1] = '\0';
    }
    if (!writeRecordAt(slot, record.data(), "Not able to write %s", messages))
        return false;

    removeFromLookup(slot);
    if (!keys_.empty()) {
        keys_[static_cast<size_t>(slot) * 2] = '\0';
        keys_[static_cast<size_t>(slot) * 2 + 1] = '\0';
    }
    slotNumbers_[static_cast<size_t>(slot)] = RecordIndex::kFree;
    index_.markFree(position);
    return true;
}

std::optional<int64_t> IndexedRecordFile::lookupSlot(std::string_view text) const
{
    auto found = lookup_.find(text);
    if (found == lookup_.end() || found->second.empty())
        return std::nullopt;
    return found->second.front();
}

bool IndexedRecordFile::readNumbered(int64_t number, void *record, Messages &messages) const
{
    std::optional<int64_t> slot = slotOf(number);
    if (!slot) {
        reportProblem(messages, "Invalid number.");
        return false;
    }
    return readBytes(*slot, record, messages);
}

bool IndexedRecordFile::confirmDelete(const std::string &caption, Messages &messages)
{
    return messages.confirm("Are you sure?", caption);
}

void IndexedRecordFile::appendRemovalToLog(const std::string &line, Messages &messages) const
{
    if (!appendToLog(dir_, line))
        reportFatal(messages, "Data file: bun4.dat, not present.");
}

bool IndexedRecordFile::lookupApplies(int64_t slot) const
{
    const auto at = static_cast<size_t>(slot);
    return layout_.lookupOffset >= 0 && slotNumbers_[at] > 0
        && (keys_.empty() || keys_[at * 2] != '\0');
}

void IndexedRecordFile::setKey(int64_t slot, const char *record)
{
    if (keys_.empty())
        return;
    const auto at = static_cast<size_t>(slot) * 2;
    keys_[at] = record[layout_.keyOffset];
    keys_[at + 1] = record[layout_.keyOffset + 1];
}

void IndexedRecordFile::addToLookup(int64_t slot, std::string text)
{
    if (!lookupApplies(slot))
        return;
    std::vector<int64_t> &slots = lookup_[text];
    slots.insert(std::lower_bound(slots.begin(), slots.end(), slot), slot);
    lookupText_[static_cast<size_t>(slot)] = std::move(text);
}

void IndexedRecordFile::removeFromLookup(int64_t slot)
{
    if (!lookupApplies(slot))
        return;
    std::string &text = lookupText_[static_cast<size_t>(slot)];
    auto found = lookup_.find(text);
    if (found != lookup_.end()) {
        std::vector<int64_t> &slots = found->second;
        auto at = std::lower_bound(slots.begin(), slots.end(), slot);
        if (at != slots.end() && *at == slot)
            slots.erase(at);
        if (slots.empty())
            lookup_.erase(found);
    }
    text.clear();
}

} // namespace ovix
