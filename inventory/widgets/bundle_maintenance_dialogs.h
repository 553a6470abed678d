#pragma once
// The bundle commands as the clerk meets them: "New bundle" on the Inventory
// popup, and Amend on an item that is a bundle. The rules and the writing are
// inventory/logic/bundle_maintenance.h.

#include <cstdint>

class QWidget;

namespace ovix {

class Messages;
class TillState;
struct InventoryHooks;

// "New bundle": "Add inventory bundle" until it is cancelled or a bundle is
// stored; a refused bundle is shown again, as chosen, as "Amend bundle". The
// key click follows a stored bundle.
void runNewBundle(
    QWidget *parent, TillState &state, Messages &messages, const InventoryHooks &hooks);

// "Amend bundle" for bundle `number` (on file) until it is stored or
// cancelled; the key click follows.
void runAmendBundle(QWidget *parent, TillState &state, int64_t number, Messages &messages,
    const InventoryHooks &hooks);

} // namespace ovix
