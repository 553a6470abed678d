#pragma once
// Keeping film.dat: storing a new or amended item from the item dialog,
// deleting an item, and giving an item a picture of its own.
//
// Each change is one all-or-nothing update: the record (and, for a picture,
// the picture file; for a deletion, the activity log line) is protected in
// the undo journal before the first byte is written, and a failure anywhere
// puts the files back and leaves the index, the key table and the SKU 1
// look-up as they were. Every refusal and failure is told through Messages
// (caption "Problem", with the warning sound, unless said otherwise).

#include "inventory/logic/item_form.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace ovix {

class Messages;
class Shop;

enum class StoreOutcome {
    Stored, // on file
    Refused, // what was typed is wrong: the dialog opens again holding it
    Ended, // told, and the command ends (a number in use, a failed write)
};

struct StoreResult {
    StoreOutcome outcome = StoreOutcome::Ended;
    // The refusal was the number's own ("Number outside range."): the box
    // must stay open for the clerk to put it right.
    bool numberRefused = false;
};

// Adds the item the boxes describe: refused with the first of
// newItemProblem(); "Number in use." ends the command; then written into the
// lowest free slot, or appended ("Data file: film.dat, not present.", caption
// "Fatal error"; "Not able to write to film.dat").
StoreResult storeNewItem(Shop &shop, const ItemForm &form, Messages &messages);

// Rewrites item `number` (on file) with the boxes, keeping every field the
// dialog does not show: refused with the first of amendedItemProblem();
// "Invalid number." when it is no longer on file.
StoreResult storeAmendedItem(
    Shop &shop, int64_t number, const ItemForm &form, Messages &messages);

// Reads item `number`: "Invalid number." when it is not on file, and the
// record file's messages when it cannot be read.
std::optional<ItemRecord> readItem(const Shop &shop, int64_t number, Messages &messages);

// Asks "Are you sure?" under "%I64d Item: %s" and, on OK, frees the item's
// slot (number -1, first two description bytes zero, the rest kept) and logs
// "Item %I64d, %s deleted." with the time. True when it was deleted.
bool deleteItem(Shop &shop, int64_t number, Messages &messages);

// What the clerk typed at an item prompt ("Amend item", "Delete item number /
// description"): a number from 1 to 100000000000000000 (the whole text, blanks
// aside, being digits), or text for the description search. Both empty for an
// empty text.
struct ItemPromptAnswer {
    int64_t number = 0;
    std::string description;
};
ItemPromptAnswer readItemPrompt(std::string_view typed);

// The item an item prompt names: a number on file, or the one the
// description search (`findByDescription`, 0 when nothing was chosen; none
// given finds nothing) chose. A number not on file is "Invalid number.".
std::optional<int64_t> itemOfPrompt(const Shop &shop, std::string_view typed,
    const std::function<int64_t(const std::string &)> &findByDescription, Messages &messages);

// True when the data folder can be read; "Unable to locate directory." when
// it cannot.
bool pictureFolderReadable(const Shop &shop, Messages &messages);

// Copies the bitmap file `source` to "m%I64d.bmp" of item `number` in the
// data folder (replacing an earlier one) and marks the item as having its own
// picture, the two together or neither; then calls `attached` (the till
// rebuilds its quick-select buttons) and says "Updated." (caption "Picture").
// Refused, with nothing changed, for an item not on file or a file that
// cannot be read or is not a whole bitmap.
bool attachPicture(Shop &shop, int64_t number, const std::string &source, Messages &messages,
    const std::function<void()> &attached = {});

// The name of an item's own picture file: "m%I64d.bmp".
std::string ownPictureName(int64_t number);

} // namespace ovix
