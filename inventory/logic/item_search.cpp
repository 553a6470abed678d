#include "inventory/logic/item_search.h"

#include "platform/cp1252.h"
#include "store/fixed_text.h"
#include "store/record_scan.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace ovix {

namespace {

constexpr size_t kDescription = offsetof(ItemRecord, description);
constexpr size_t kQuantity = offsetof(ItemRecord, quantity);
constexpr size_t kRetail = offsetof(ItemRecord, retail_price);

struct SkuField {
    size_t offset;
    size_t width;
};
constexpr SkuField kSkus[4] = {
    { offsetof(ItemRecord, sku1), sizeof(ItemRecord::sku1) },
    { offsetof(ItemRecord, sku2), sizeof(ItemRecord::sku2) },
    { offsetof(ItemRecord, sku3), sizeof(ItemRecord::sku3) },
    { offsetof(ItemRecord, sku4), sizeof(ItemRecord::sku4) },
};

int64_t numberOf(const char *record)
{
    int64_t number = 0;
    std::memcpy(&number, record, sizeof number);
    return number;
}

ItemMatch matchOf(int64_t slot, const char *record)
{
    ItemMatch match;
    match.number = numberOf(record);
    match.slot = slot;
    match.description = readFixedText(record + kDescription, sizeof(ItemRecord::description));
    std::memcpy(&match.quantity, record + kQuantity, sizeof match.quantity);
    std::memcpy(&match.retailPrice, record + kRetail, sizeof match.retailPrice);
    return match;
}

// Reads film.dat's slots below `slotLimit` in slot order, handing each
// record read to `visit(slot, record)` and each slot that could not be read to
// `unreadable(slot)`, in slot order; either returns false to stop. False when
// film.dat could not be opened.
template <typename Visit, typename Unreadable>
bool scanSlots(const ItemIndex &items, int64_t slotLimit, Visit &&visit, Unreadable &&unreadable)
{
    int64_t next = 0; // the slot the scan should hand over next
    bool stopped = false;
    const auto skipTo = [&](int64_t slot) {
        for (; next < slot; ++next) {
            if (!unreadable(next)) {
                stopped = true;
                return false;
            }
        }
        return true;
    };
    const ScanOptions options { ScanSlots::All, ScanFailure::SkipUnreadable, slotLimit };
    const ScanResult scan = scanRecordBytes(
        items.filePath(), items.recordSize(), options, [&](int64_t slot, const char *record) {
            if (!skipTo(slot))
                return false;
            next = slot + 1;
            if (!visit(slot, record)) {
                stopped = true;
                return false;
            }
            return true;
        });
    if (scan.status == ScanResult::Status::NotOpened)
        return false;
    if (!stopped)
        skipTo(slotLimit); // the records at the end that were not there or not readable
    return true;
}

// Reads film.dat's slots below `slotLimit` in slot order and keeps, in slot
// order, the live records of the slots the plain walk reads (`walkReads`, never
// a slot without a description key) that `answers`. A slot the walk would read
// that cannot be read ends the search there, as it ends the walk.
template <typename WalkReads, typename Answers>
ItemSearchResult scanKeyedSlots(
    const ItemIndex &items, int64_t slotLimit, WalkReads &&walkReads, Answers &&answers)
{
    ItemSearchResult result;
    const auto reads = [&](int64_t slot) {
        return items.key(slot)[0] != '\0' && walkReads(slot);
    };
    const bool opened = scanSlots(
        items, slotLimit,
        [&](int64_t slot, const char *record) {
            if (reads(slot) && numberOf(record) > 0 && answers(record))
                result.matches.push_back(matchOf(slot, record));
            return true;
        },
        [&](int64_t slot) {
            if (!reads(slot))
                return true;
            result.status = ItemSearchResult::Status::ReadFailed;
            return false;
        });
    if (!opened)
        return { ItemSearchResult::Status::NotPresent, {} };
    return result;
}

template <typename Answers>
ItemSearchResult scanKeyedSlots(const ItemIndex &items, Answers &&answers)
{
    return scanKeyedSlots(
        items, items.slotCount(), [](int64_t) { return true; }, answers);
}

bool anySkuContains(const char *record, std::string_view fragment)
{
    return std::any_of(std::begin(kSkus), std::end(kSkus), [&](const SkuField &sku) {
        return fieldContains(record + sku.offset, sku.width, fragment);
    });
}

bool advancedAnswersBytes(const AdvancedSearch &search, const char *record)
{
    bool anyMatch = false;
    bool allMatch = true;
    const auto box = [&](const std::string &text, auto contains) {
        if (text.empty())
            return; // an empty box takes no part
        const bool contained = contains(text);
        anyMatch = anyMatch || contained;
        allMatch = allMatch && contained;
    };
    box(search.description, [&](const std::string &text) {
        return fieldContains(record + kDescription, sizeof(ItemRecord::description), text);
    });
    for (const std::string &sku : search.skus)
        box(sku, [&](const std::string &text) { return anySkuContains(record, text); });
    return search.matchAll ? allMatch : anyMatch;
}

AdvancedSearch upperCased(const AdvancedSearch &search)
{
    AdvancedSearch upper;
    upper.matchAll = search.matchAll;
    upper.description = toUpperCp1252(search.description);
    for (size_t i = 0; i < upper.skus.size(); ++i)
        upper.skus[i] = toUpperCp1252(search.skus[i]);
    return upper;
}

} // namespace

std::string descriptionPattern(std::string_view typed)
{
    std::string pattern = toUpperCp1252(typed);
    if (pattern.size() == 1)
        pattern += '?';
    return pattern;
}

bool descriptionAnswers(std::string_view pattern, const char *description, size_t width)
{
    if (pattern.size() < 2 || width == 0 || description[0] == '\0')
        return false;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char have = i < width ? description[i] : '\0';
        if (pattern[i] != '?' && pattern[i] != have)
            return false;
    }
    return true;
}

bool fieldContains(const char *field, size_t width, std::string_view fragment)
{
    const void *nul = std::memchr(field, 0, width);
    const size_t length = nul ? static_cast<size_t>(static_cast<const char *>(nul) - field) : width;
    return std::string_view(field, length).find(fragment) != std::string_view::npos;
}

ItemSearchResult searchByDescription(const ItemIndex &items, std::string_view typed)
{
    const std::string pattern = descriptionPattern(typed);
    if (pattern.empty())
        return {};
    // The key table names the slots worth reading; the file is read only as
    // far as the last of them.
    const auto keyAnswers = [&](int64_t slot) {
        const std::array<char, 2> key = items.key(slot);
        return key[0] != '\0' && (pattern[0] == '?' || pattern[0] == key[0])
            && (pattern[1] == '?' || pattern[1] == key[1]);
    };
    int64_t lastCandidate = -1;
    for (int64_t slot = 0; slot < items.slotCount(); ++slot) {
        if (keyAnswers(slot))
            lastCandidate = slot;
    }
    if (lastCandidate < 0)
        return {};
    return scanKeyedSlots(items, lastCandidate + 1, keyAnswers, [&](const char *record) {
        return descriptionAnswers(pattern, record + kDescription, sizeof(ItemRecord::description));
    });
}

ItemSearchResult searchThatContain(const ItemIndex &items, std::string_view fragment)
{
    const std::string upper = toUpperCp1252(fragment);
    if (upper.empty())
        return {};
    return scanKeyedSlots(items, [&](const char *record) {
        return fieldContains(record + kDescription, sizeof(ItemRecord::description), upper);
    });
}

ItemSearchResult searchSkuOne(const ItemIndex &items, std::string_view text)
{
    const std::string upper = toUpperCp1252(text);
    if (upper.empty())
        return {};
    return scanKeyedSlots(items, [&](const char *record) {
        return fieldContains(record + kSkus[0].offset, kSkus[0].width, upper);
    });
}

bool advancedSearchAnswers(const AdvancedSearch &search, const ItemRecord &item)
{
    return advancedAnswersBytes(search, reinterpret_cast<const char *>(&item));
}

ItemSearchResult searchAdvanced(const ItemIndex &items, const AdvancedSearch &search)
{
    const AdvancedSearch upper = upperCased(search);
    return scanKeyedSlots(items, [&](const char *record) {
        return advancedAnswersBytes(upper, record);
    });
}

ItemSearchResult searchInSkus(const ItemIndex &items, std::string_view text)
{
    const std::string upper = toUpperCp1252(text);
    if (upper.empty() || upper.size() > kSkuFragmentWidth)
        return {};
    // The live items are taken in number order; the file is read in slot
    // order and each answer filed under its slot until the index puts them
    // in order.
    const std::vector<IndexEntry> &entries = items.index().entries();
    std::vector<char> live(static_cast<size_t>(items.slotCount()), 0);
    for (const IndexEntry &entry : entries) {
        if (entry.number > 0 && entry.slot >= 0 && entry.slot < items.slotCount())
            live[static_cast<size_t>(entry.slot)] = 1;
    }
    std::vector<ItemMatch> bySlot;
    std::vector<int64_t> matchOfSlot(live.size(), -1);
    std::vector<char> unreadable(live.size(), 0);
    const bool opened = scanSlots(
        items, items.slotCount(),
        [&](int64_t slot, const char *record) {
            if (live[static_cast<size_t>(slot)] && numberOf(record) > 0
                && anySkuContains(record, upper)) {
                matchOfSlot[static_cast<size_t>(slot)] = static_cast<int64_t>(bySlot.size());
                bySlot.push_back(matchOf(slot, record));
            }
            return true;
        },
        [&](int64_t slot) {
            unreadable[static_cast<size_t>(slot)] = 1;
            return true;
        });
    if (!opened)
        return { ItemSearchResult::Status::NotPresent, {} };
    ItemSearchResult result;
    for (const IndexEntry &entry : entries) {
        if (entry.number <= 0 || entry.slot < 0 || entry.slot >= items.slotCount())
            continue;
        const auto slot = static_cast<size_t>(entry.slot);
        // The walk in number order ends at the first item it cannot read.
        if (unreadable[slot]) {
            result.status = ItemSearchResult::Status::ReadFailed;
            break;
        }
        if (matchOfSlot[slot] >= 0)
            result.matches.push_back(std::move(bySlot[static_cast<size_t>(matchOfSlot[slot])]));
    }
    return result;
}

} // namespace ovix
