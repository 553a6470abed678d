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
    int64_t number;
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

ItemSearchResult::Status statusOf(const ScanResult &scan)
{
    switch (scan.status) {
    case ScanResult::Status::NotOpened:
        return ItemSearchResult::Status::NotPresent;
    case ScanResult::Status::ReadFailed:
        return ItemSearchResult::Status::ReadFailed;
    default:
        return ItemSearchResult::Status::Complete;
    }
}

// Reads film.dat's slots below `slotLimit` in slot order and keeps, in slot
// order, the live records of slots with a description key that `answers`.
template <typename Answers>
ItemSearchResult scanKeyedSlots(const ItemIndex &items, int64_t slotLimit, Answers &&answers)
{
    ItemSearchResult result;
    const ScanOptions options { ScanSlots::All, ScanFailure::Stop, slotLimit };
    const ScanResult scan = scanRecordBytes(
        items.filePath(), items.recordSize(), options, [&](int64_t slot, const char *record) {
            if (items.key(slot)[0] != '\0' && numberOf(record) > 0 && answers(slot, record))
                result.matches.push_back(matchOf(slot, record));
        });
    result.status = statusOf(scan);
    return result;
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
    return scanKeyedSlots(items, lastCandidate + 1, [&](int64_t slot, const char *record) {
        return keyAnswers(slot)
            && descriptionAnswers(pattern, record + kDescription, sizeof(ItemRecord::description));
    });
}

ItemSearchResult searchThatContain(const ItemIndex &items, std::string_view fragment)
{
    const std::string upper = toUpperCp1252(fragment);
    if (upper.empty())
        return {};
    return scanKeyedSlots(items, items.slotCount(), [&](int64_t, const char *record) {
        return fieldContains(record + kDescription, sizeof(ItemRecord::description), upper);
    });
}

ItemSearchResult searchSkuOne(const ItemIndex &items, std::string_view text)
{
    const std::string upper = toUpperCp1252(text);
    if (upper.empty())
        return {};
    return scanKeyedSlots(items, items.slotCount(), [&](int64_t, const char *record) {
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
    return scanKeyedSlots(items, items.slotCount(), [&](int64_t, const char *record) {
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
    const ScanOptions options { ScanSlots::All, ScanFailure::Stop, items.slotCount() };
    const ScanResult scan = scanRecordBytes(
        items.filePath(), items.recordSize(), options, [&](int64_t slot, const char *record) {
            if (live[static_cast<size_t>(slot)] && numberOf(record) > 0
                && anySkuContains(record, upper)) {
                matchOfSlot[static_cast<size_t>(slot)] = static_cast<int64_t>(bySlot.size());
                bySlot.push_back(matchOf(slot, record));
            }
        });
    ItemSearchResult result;
    result.status = statusOf(scan);
    if (result.status == ItemSearchResult::Status::NotPresent)
        return result;
    for (const IndexEntry &entry : entries) {
        if (entry.number <= 0)
            continue;
        // A failed read ends the walk at the first item it could not reach.
        if (entry.slot >= scan.slotsRead)
            break;
        const int64_t match = matchOfSlot[static_cast<size_t>(entry.slot)];
        if (match >= 0)
            result.matches.push_back(std::move(bySlot[static_cast<size_t>(match)]));
    }
    return result;
}

} // namespace ovix
