#pragma once
// The Inventory popup's maintenance commands as the clerk meets them: "New
// line" (F4), "Amend" (F3), "Delete" and "Add custom image to item", each a
// run of prompts and dialogs over the till window. The rules and the writing
// are inventory/logic/item_maintenance.h.

#include <QString>

#include <cstdint>
#include <functional>
#include <string>

class QWidget;

namespace ovix {

class Messages;
class TillState;

// What the maintenance commands need from the rest of the till.
struct InventoryHooks {
    // Called after any item was added, amended, deleted or given a picture:
    // the till rebuilds what it keeps of the items (the quick-select buttons).
    std::function<void()> itemsChanged;
    // Plays a sound of the till (platform/sounds.h); the commands ask for the
    // key click only when sound effects are on.
    std::function<void(int)> playSound;
    // The description search for the text typed at an item prompt: the
    // number of the item chosen, 0 for none. Unset, such text finds nothing.
    std::function<int64_t(QWidget *, const std::string &)> findByDescription;
    // The bitmap file to attach (empty when cancelled); unset, a file dialog
    // filtered on "Bitmap files (*.bmp)".
    std::function<QString(QWidget *)> chooseBitmap;
};

// "New line": the "New inventory" dialog until it is cancelled or OK stores
// an item ("&Next" stores and opens a blank one, "&Copy" stores and opens one
// holding the stored item under a new number). A refused item is shown again,
// as typed, in the amend form. The key click follows OK.
void runNewItem(QWidget *parent, TillState &state, Messages &messages, const InventoryHooks &hooks);

// "Amend": the prompt "Amend item" (a number, or text for the description
// search), then "Amend inventory" for the item until it is stored or
// cancelled; the key click follows. A bundle opens in "Amend bundle".
void runAmendItem(
    QWidget *parent, TillState &state, Messages &messages, const InventoryHooks &hooks);

// "Delete": the prompt "Delete item number / description", then "Are you
// sure?" under "%I64d Item: %s".
void runDeleteItem(
    QWidget *parent, TillState &state, Messages &messages, const InventoryHooks &hooks);

// "Add custom image to item": the bitmap file, then the prompt "Add image to
// inventory number:" (default "1"), then the copy and "Updated." (caption
// "Picture").
void runAddCustomImage(
    QWidget *parent, TillState &state, Messages &messages, const InventoryHooks &hooks);

} // namespace ovix
