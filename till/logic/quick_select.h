#pragma once
// The quick-select picture buttons: which items of film.dat fill them for the
// selected display category, page by page in item-number order.
//
// An item is offered when its number is on file, its display_category equals
// the selected category (or the selection is all items) and its
// omit_quick_select flag is 0. Item maintenance stores 2 for "left off"; any
// other non-zero value counts as left off as well, as the till treats its
// other item flags.

#include "store/record_kinds.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace ovix {

// Display categories 0-17; the selection 18 takes every item.
inline constexpr int kAllCategories = 18;
// Slots shown in the small and in the large layout.
inline constexpr size_t kSmallQuickSelectSlots = 8;
inline constexpr size_t kLargeQuickSelectSlots = 14;

struct QuickSelectSlot {
    int64_t itemNumber = 0; // 0 = empty slot
    std::string description; // Windows-1252, trailing blanks removed
    std::string pictureFile; // "m<number>.bmp" or "STOCK<n>.bmp"
};

// The category after and before `category`: 0, 1, ... 17, 18 (all), 0 again.
// A value outside 0-18 steps to 0 (next) or 18 (previous).
int nextCategory(int category);
int previousCategory(int category);

// The picture file of an item: "m%I64d.bmp" of its number when own_picture is
// 1, else "STOCK%d.bmp" of picture_number, a number outside 1-24 read as 1.
std::string quickSelectPicture(const ItemRecord &record);

// Reads film.dat straight through `items`, one record per item: up to `count`
// offered items of `category` whose numbers are at least `fromNumber`, in
// index order. A record that cannot be read, or whose slot no longer holds the
// number the index has for it, is left out. Slow with many items: the till
// uses QuickSelect, which gives the same items from a table.
std::vector<QuickSelectSlot> walkQuickSelectItems(
    const ItemIndex &items, int category, int64_t fromNumber, size_t count);

// The slots and their paging. Keeps a compact table of the offered items
// (number, category, description, picture), read from film.dat once and again
// after reload(), so a category change or a page step reads nothing from disk.
// The table is also read again when the index has gained or lost items since
// it was built.
class QuickSelect {
public:
    // `items` must outlive this object.
    explicit QuickSelect(const ItemIndex &items);

    // Reads the table anew from film.dat; call after items were changed
    // (maintenance, import, restore). Keeps the page where it starts when its
    // first item is still offered. Never fails: what cannot be read is left out.
    void reload();

    // Fills `slotCount` slots (at least 1) with the first page of `category`;
    // slots without an item are empty.
    void fill(int category, size_t slotCount);
    // The next page after the last item shown; when no further item is
    // offered the page stays as it is. False when it stayed.
    bool scrollForward();
    // The page before the first item shown; at the start the first page.
    // False when the first page was shown already.
    bool scrollBack();
    // Shows the page that starts at the first item shown, again (or the
    // first page when it is no longer offered).
    void refill();

    int category() const
    {
        return category_;
    }
    size_t slotCount() const
    {
        return slots_.size();
    }
    const std::vector<QuickSelectSlot> &page() const
    {
        return slots_;
    }
    // Slot `index`, or an empty slot outside the range.
    const QuickSelectSlot &slot(size_t index) const;

private:
    struct Entry {
        int32_t category = 0;
        QuickSelectSlot slot;
    };

    void ensureTable();
    bool offered(const Entry &entry) const;
    // The number of the first item shown, 0 when none is.
    int64_t shownFirstNumber() const;
    // Table position of the offered item `number`; 0 (the start) when it is
    // not offered.
    size_t positionOf(int64_t number) const;
    // Fills the slots from table position `first` onwards.
    void showFrom(size_t first);

    const ItemIndex &items_;
    std::vector<Entry> table_; // offered items in index order
    bool loaded_ = false;
    int64_t loadedLive_ = -1;
    int64_t loadedSlots_ = -1;
    int category_ = kAllCategories;
    std::vector<QuickSelectSlot> slots_ = std::vector<QuickSelectSlot>(kSmallQuickSelectSlots);
    // Table positions of the first and the last item shown (none when empty).
    size_t firstShown_ = 0;
    size_t lastShown_ = 0;
    bool anyShown_ = false;
};

} // namespace ovix
