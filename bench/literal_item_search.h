#pragma once
// The item searches done the plain way, as the baseline of the search
// benchmark and the reference of the test that the searches find exactly the
// same items in the same order: film.dat opened once, then one read of one
// record per slot looked at, slot after slot (or index entry after index
// entry for "Find in SKUs"), each record tested with its own plain
// comparisons. The description key table is used as the shop's searches
// always have: a slot whose first key character is 0 is not read, and the
// description search compares the two key characters before reading.

#include "inventory/logic/item_search.h"
#include "platform/file.h"
#include "platform/cp1252.h"
#include "store/fixed_text.h"
#include "store/item_record.h"
#include "store/record_kinds.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ovix::literal {

inline ItemMatch matchOf(int64_t slot, const ItemRecord &record)
{
    ItemMatch match;
    match.number = record.number;
    match.slot = slot;
    match.description = readText(record.description);
    match.quantity = record.quantity;
    match.retailPrice = record.retail_price;
    return match;
}

inline bool contains(const std::string &text, const std::string &fragment)
{
    return text.find(fragment) != std::string::npos;
}

// Walks the slots in order, reading each slot whose key passes `keyPasses`
// and keeping the live records that `answers`.
template <typename KeyPasses, typename Answers>
ItemSearchResult walkSlots(const ItemIndex &items, KeyPasses keyPasses, Answers answers)
{
    ItemSearchResult result;
    File file = File::open(items.filePath(), File::Mode::Read);
    if (!file.isOpen()) {
        result.status = ItemSearchResult::Status::NotPresent;
        return result;
    }
    ItemRecord record;
    for (int64_t slot = 0; slot < items.slotCount(); ++slot) {
        const std::array<char, 2> key = items.key(slot);
        if (key[0] == '\0' || !keyPasses(key))
            continue;
        if (!file.readAt(slot * static_cast<int64_t>(kItemRecordSize), &record, sizeof record)) {
            result.status = ItemSearchResult::Status::ReadFailed;
            return result;
        }
        if (record.number > 0 && answers(record))
            result.matches.push_back(matchOf(slot, record));
    }
    return result;
}

inline ItemSearchResult byDescription(const ItemIndex &items, std::string_view typed)
{
    std::string pattern = toUpperCp1252(typed);
    if (pattern.empty())
        return {};
    if (pattern.size() == 1)
        pattern += '?';
    return walkSlots(
        items,
        [&](std::array<char, 2> key) {
            return (pattern[0] == '?' || pattern[0] == key[0])
                && (pattern[1] == '?' || pattern[1] == key[1]);
        },
        [&](const ItemRecord &record) {
            for (size_t i = 2; i < pattern.size(); ++i) {
                const char have = i < sizeof record.description ? record.description[i] : '\0';
                if (pattern[i] != '?' && pattern[i] != have)
                    return false;
            }
            return true;
        });
}

inline ItemSearchResult thatContain(const ItemIndex &items, std::string_view typed)
{
    const std::string fragment = toUpperCp1252(typed);
    if (fragment.empty())
        return {};
    return walkSlots(
        items, [](std::array<char, 2>) { return true; },
        [&](const ItemRecord &record) { return contains(readText(record.description), fragment); });
}

inline ItemSearchResult skuOne(const ItemIndex &items, std::string_view typed)
{
    const std::string fragment = toUpperCp1252(typed);
    if (fragment.empty())
        return {};
    return walkSlots(
        items, [](std::array<char, 2>) { return true; },
        [&](const ItemRecord &record) { return contains(readText(record.sku1), fragment); });
}

inline bool anySku(const ItemRecord &record, const std::string &fragment)
{
    return contains(readText(record.sku1), fragment) || contains(readText(record.sku2), fragment)
        || contains(readText(record.sku3), fragment) || contains(readText(record.sku4), fragment);
}

inline ItemSearchResult advanced(const ItemIndex &items, const AdvancedSearch &typed)
{
    const std::string description = toUpperCp1252(typed.description);
    std::array<std::string, 4> skus;
    for (size_t i = 0; i < skus.size(); ++i)
        skus[i] = toUpperCp1252(typed.skus[i]);
    return walkSlots(
        items, [](std::array<char, 2>) { return true; },
        [&](const ItemRecord &record) {
            const bool descriptionHit
                = !description.empty() && contains(readText(record.description), description);
            if (!typed.matchAll) {
                if (descriptionHit)
                    return true;
                for (const std::string &sku : skus) {
                    if (!sku.empty() && anySku(record, sku))
                        return true;
                }
                return false;
            }
            if (!description.empty() && !descriptionHit)
                return false;
            for (const std::string &sku : skus) {
                if (!sku.empty() && !anySku(record, sku))
                    return false;
            }
            return true;
        });
}

// "Find in SKUs": the index walked from its first live entry, each slot read.
inline ItemSearchResult inSkus(const ItemIndex &items, std::string_view typed)
{
    ItemSearchResult result;
    const std::string fragment = toUpperCp1252(typed);
    if (fragment.empty() || fragment.size() > kSkuFragmentWidth)
        return result;
    File file = File::open(items.filePath(), File::Mode::Read);
    if (!file.isOpen()) {
        result.status = ItemSearchResult::Status::NotPresent;
        return result;
    }
    ItemRecord record;
    for (const IndexEntry &entry : items.index().entries()) {
        if (entry.number <= 0)
            continue;
        if (!file.readAt(
                entry.slot * static_cast<int64_t>(kItemRecordSize), &record, sizeof record)) {
            result.status = ItemSearchResult::Status::ReadFailed;
            return result;
        }
        if (record.number > 0 && anySku(record, fragment))
            result.matches.push_back(matchOf(entry.slot, record));
    }
    return result;
}

} // namespace ovix::literal
