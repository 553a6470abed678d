#include "till/logic/quick_select.h"

#include "platform/c_format.h"
#include "platform/scripted_messages.h"
#include "store/fixed_text.h"
#include "store/item_record.h"
#include "store/record_kinds.h"

#include <algorithm>
#include <cinttypes>
#include <optional>

namespace ovix {

namespace {

constexpr int kStockPictures = 24;

std::string trimmedDescription(const ItemRecord &record)
{
    std::string text = readText(record.description);
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

bool leftOff(const ItemRecord &record)
{
    const int32_t omit = record.omit_quick_select;
    return omit != 0;
}

QuickSelectSlot slotFor(const ItemRecord &record)
{
    QuickSelectSlot slot;
    slot.itemNumber = record.number;
    slot.description = trimmedDescription(record);
    slot.pictureFile = quickSelectPicture(record);
    return slot;
}

bool takes(int selected, int32_t category)
{
    return selected == kAllCategories || category == selected;
}

} // namespace

int nextCategory(int category)
{
    if (category < 0 || category >= kAllCategories)
        return 0;
    return category + 1;
}

int previousCategory(int category)
{
    if (category <= 0 || category > kAllCategories)
        return kAllCategories;
    return category - 1;
}

std::string quickSelectPicture(const ItemRecord &record)
{
    const int32_t own = record.own_picture;
    if (own == 1) {
        const int64_t number = record.number;
        return cformat("m%" PRId64 ".bmp", number);
    }
    int32_t picture = record.picture_number;
    if (picture < 1 || picture > kStockPictures)
        picture = 1;
    return cformat("STOCK%d.bmp", picture);
}

std::vector<QuickSelectSlot> walkQuickSelectItems(
    const ItemIndex &items, int category, int64_t fromNumber, size_t count)
{
    std::vector<QuickSelectSlot> found;
    const RecordIndex &index = items.index();
    ScriptedMessages quiet; // an unreadable record is left out, not reported
    for (size_t position = items.find(fromNumber); position < index.size() && found.size() < count;
         ++position) {
        const IndexEntry entry = index[position];
        if (entry.number < 1)
            continue;
        ItemRecord record {};
        if (!items.readRecord(entry.slot, record, quiet))
            continue;
        const int64_t stored = record.number;
        const int32_t recordCategory = record.display_category;
        if (stored != entry.number || leftOff(record) || !takes(category, recordCategory))
            continue;
        found.push_back(slotFor(record));
    }
    return found;
}

QuickSelect::QuickSelect(const ItemIndex &items)
    : items_(items)
{
}

void QuickSelect::reload()
{
    const int64_t firstNumber = shownFirstNumber();

    const RecordIndex &index = items_.index();
    const auto slots = static_cast<size_t>(std::max<int64_t>(0, index.slotCount()));
    // Which live index entry (counted in index order) each slot holds.
    std::vector<int64_t> ordinalOfSlot(slots, -1);
    std::vector<int64_t> numberOfOrdinal;
    for (size_t position = 0; position < index.size(); ++position) {
        const IndexEntry entry = index[position];
        if (entry.number < 1 || entry.slot < 0 || static_cast<size_t>(entry.slot) >= slots)
            continue;
        ordinalOfSlot[static_cast<size_t>(entry.slot)]
            = static_cast<int64_t>(numberOfOrdinal.size());
        numberOfOrdinal.push_back(entry.number);
    }

    std::vector<std::optional<Entry>> byOrdinal(numberOfOrdinal.size());
    // The scan reads only the slots the index knows. What cannot be read is
    // left out, quietly: the buttons show what is there.
    items_.forEachRecord(
        [&](int64_t slot, const ItemRecord &record) {
            const int64_t ordinal = ordinalOfSlot[static_cast<size_t>(slot)];
            if (ordinal < 0)
                return;
            const int64_t stored = record.number;
            if (stored != numberOfOrdinal[static_cast<size_t>(ordinal)] || leftOff(record))
                return;
            const int32_t category = record.display_category;
            byOrdinal[static_cast<size_t>(ordinal)] = Entry { category, slotFor(record) };
        },
        ScanSlots::Live, ScanFailure::SkipUnreadable);

    table_.clear();
    table_.reserve(byOrdinal.size());
    for (std::optional<Entry> &entry : byOrdinal) {
        if (entry)
            table_.push_back(std::move(*entry));
    }
    loaded_ = true;
    loadedLive_ = items_.liveCount();
    loadedSlots_ = items_.slotCount();

    showFrom(positionOf(firstNumber)); // the page stays where it started
}

int64_t QuickSelect::shownFirstNumber() const
{
    return anyShown_ && firstShown_ < table_.size() ? table_[firstShown_].slot.itemNumber : 0;
}

size_t QuickSelect::positionOf(int64_t number) const
{
    if (number == 0)
        return 0;
    for (size_t position = 0; position < table_.size(); ++position) {
        if (table_[position].slot.itemNumber == number)
            return offered(table_[position]) ? position : 0;
    }
    return 0;
}

void QuickSelect::ensureTable()
{
    if (!loaded_ || loadedLive_ != items_.liveCount() || loadedSlots_ != items_.slotCount())
        reload();
}

bool QuickSelect::offered(const Entry &entry) const
{
    return takes(category_, entry.category);
}

void QuickSelect::showFrom(size_t first)
{
    for (QuickSelectSlot &slot : slots_)
        slot = QuickSelectSlot {};
    anyShown_ = false;
    size_t filled = 0;
    for (size_t position = first; position < table_.size() && filled < slots_.size(); ++position) {
        if (!offered(table_[position]))
            continue;
        if (!anyShown_)
            firstShown_ = position;
        anyShown_ = true;
        lastShown_ = position;
        slots_[filled++] = table_[position].slot;
    }
}

void QuickSelect::fill(int category, size_t slotCount)
{
    category_ = category;
    slots_.assign(std::max<size_t>(slotCount, 1), QuickSelectSlot {});
    anyShown_ = false;
    ensureTable();
    showFrom(0);
}

void QuickSelect::refill()
{
    const int64_t firstNumber = shownFirstNumber();
    ensureTable();
    showFrom(positionOf(firstNumber));
}

bool QuickSelect::scrollForward()
{
    ensureTable();
    if (!anyShown_)
        return false;
    for (size_t position = lastShown_ + 1; position < table_.size(); ++position) {
        if (offered(table_[position])) {
            showFrom(position);
            return true;
        }
    }
    return false;
}

bool QuickSelect::scrollBack()
{
    ensureTable();
    if (!anyShown_)
        return false;
    size_t start = firstShown_;
    size_t stepped = 0;
    for (size_t position = firstShown_; position > 0 && stepped < slots_.size();) {
        --position;
        if (offered(table_[position])) {
            start = position;
            ++stepped;
        }
    }
    if (stepped == 0)
        return false;
    showFrom(start);
    return true;
}

const QuickSelectSlot &QuickSelect::slot(size_t index) const
{
    static const QuickSelectSlot empty;
    return index < slots_.size() ? slots_[index] : empty;
}

} // namespace ovix
