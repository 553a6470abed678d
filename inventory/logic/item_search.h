#pragma once
// The item searches over film.dat: by the start of the description (with "?"
// for any one character), by a fragment of the description, by a fragment of
// SKU 1, by a fragment of any of the four SKUs, and the advanced search that
// combines a description fragment with up to four SKU fragments.
//
// Each search returns its matches in the order the clerk is offered them:
// film.dat's slot order for every search but "Find in SKUs", which follows
// the item numbers. Only slots whose description key is set are looked at
// (free slots and slots without a description are skipped); "Find in SKUs"
// takes every live item of the index. The file is read once, front to back,
// in large blocks, and the result is exactly that of reading the records one
// by one in the order the clerk is offered them, a record that cannot be read
// included: the search ends there. Nothing is written and nothing is told to
// the user: the status says how the search ended, and the caller tells it
// (item_find.h).
//
// Texts are Windows-1252 as stored. Search texts are compared exactly, so
// they are upper-cased first (toUpperCp1252), as the description and SKU
// boxes force capitals.

#include "store/record_kinds.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ovix {

// One item a search found: what the "Please select" list shows of it and
// where it lies.
struct ItemMatch {
    int64_t number = 0;
    int64_t slot = 0;
    std::string description; // Windows-1252
    int32_t quantity = 0;
    float retailPrice = 0;
};

struct ItemSearchResult {
    enum class Status {
        Complete, // the whole file was looked at
        NotPresent, // film.dat could not be opened: no matches
        ReadFailed, // a record the search had to read could not be read:
                    // the matches offered before it are kept
    };
    Status status = Status::Complete;
    std::vector<ItemMatch> matches;
};

// The description pattern of what was typed: upper-cased, and a single
// character followed by "?". Empty text stays empty (it finds nothing).
std::string descriptionPattern(std::string_view typed);

// True when the description held in `description` (`width` bytes of a
// record) answers `pattern`: its first two characters equal the pattern's or
// the pattern has "?" there, and so does every further character at the
// same position. The description may be longer than the pattern. A "?"
// stands for any byte, the terminator included. An empty pattern, or one
// of a single character, answers nothing (descriptionPattern() makes them).
bool descriptionAnswers(std::string_view pattern, const char *description, size_t width);

// True when the text held in `width` bytes at `field` (up to its first NUL)
// contains `fragment`; an empty fragment is contained in every text.
bool fieldContains(const char *field, size_t width, std::string_view fragment);

// Items whose description answers descriptionPattern(typed), in slot order.
// The two key characters are compared before the record is looked at.
ItemSearchResult searchByDescription(const ItemIndex &items, std::string_view typed);

// Items whose description contains `fragment` (upper-cased here), in slot
// order. An empty fragment finds nothing.
ItemSearchResult searchThatContain(const ItemIndex &items, std::string_view fragment);

// Items whose SKU 1 contains `text` (upper-cased here), in slot order. An
// empty text finds nothing.
ItemSearchResult searchSkuOne(const ItemIndex &items, std::string_view text);

// The "Advanced search" boxes, each up to kAdvancedSearchWidth characters.
struct AdvancedSearch {
    std::string description;
    std::array<std::string, 4> skus;
    // false: "Display inventory with any match to the above"; true: "Display
    // only those that match all the above".
    bool matchAll = false;
};
inline constexpr size_t kAdvancedSearchWidth = 39;

// Whether an item answers the advanced search (texts upper-cased already).
// Each SKU text is looked for in all four SKUs. Any mode: at least one
// non-empty box is contained (the description text in the description, a
// SKU text in any SKU); with every box empty nothing answers. All mode:
// every non-empty box is contained; with every box empty everything answers.
bool advancedSearchAnswers(const AdvancedSearch &search, const ItemRecord &item);

// Items that answer the advanced search (upper-cased here), in slot order.
ItemSearchResult searchAdvanced(const ItemIndex &items, const AdvancedSearch &search);

// "Find in SKUs": longest text the prompt takes.
inline constexpr size_t kSkuFragmentWidth = 30;

// Live items of the index whose SKU 1, 2, 3 or 4 contains `text` (upper-cased
// here), in item-number order. A text that is empty or longer than
// kSkuFragmentWidth finds nothing.
ItemSearchResult searchInSkus(const ItemIndex &items, std::string_view text);

} // namespace ovix
