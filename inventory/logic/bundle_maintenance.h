#pragma once
// Keeping bundles in film.dat: choosing a component for a row of the bundle
// dialog, storing a new bundle and storing an amended one.
//
// A component must be an ordinary item on file: never a bundle, and never
// the bundle itself, so that no sale can go round in a circle. The checks
// are made when a row is chosen and again on OK, for rows that came from the
// file. Each store is one all-or-nothing update of the record, as an item's
// is (item_maintenance.h); refusals are told with the warning sound and the
// caption "Problem".

#include "inventory/logic/bundle_form.h"
#include "inventory/logic/item_maintenance.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ovix {

class Messages;
class Shop;

struct ChosenComponent {
    int64_t number = 0;
    std::string description; // Windows-1252
};

// "Select" of a component row, with what was typed at "Item number": a
// number from 1 to 100000000000000000 on file, else nothing and no word;
// "Bundle may not contain a bundle" for a bundle or for `bundleNumber`
// itself (0 when the bundle has no number yet); the record file's messages
// when it cannot be read.
std::optional<ChosenComponent> chooseComponent(
    const Shop &shop, std::string_view typed, int64_t bundleNumber, Messages &messages);

// Why the components of `bundle` cannot be stored, or nothing: "Bundle may not
// contain a bundle" for a row naming a bundle or the bundle itself, "Item
// %I64d is not on file" for a row naming an item since deleted, "Not able to
// read film.dat" when a component cannot be read.
std::optional<std::string> componentsProblem(const Shop &shop, const ItemRecord &bundle);

// Adds the bundle the boxes describe: refused with newBundleProblem() or
// componentsProblem() (the dialog opens again, in its amend form); "Number in
// use." ends the command; then inserted and written as a new item is.
StoreResult storeNewBundle(Shop &shop, const BundleForm &form, Messages &messages);

// Rewrites bundle `number` (on file) with the boxes, keeping every field the
// dialog does not show; it stays a bundle. Refused with
// amendedBundleProblem() or componentsProblem(); "Invalid number." when it is
// no longer on file.
StoreResult storeAmendedBundle(
    Shop &shop, int64_t number, const BundleForm &form, Messages &messages);

} // namespace ovix
