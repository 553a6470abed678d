#pragma once
// Keeping mans.dat, the shop's address book of suppliers: adding, amending,
// deleting and finding a supplier by number.
//
// Each change is one record written all or nothing (record_update.h): a
// failure puts mans.dat back and leaves the supplier index as it was. Every
// refusal and failure is told through Messages (caption "Problem", with the
// warning sound, unless said otherwise).

#include "inventory/logic/supplier_form.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace ovix {

class Messages;
class Shop;

// The number typed at "Enter the supplier number" or "Supplier number": a
// leading number above 0; nothing for 0, a negative number, no number or
// more digits than 64 bits take (the command then ends without a word).
std::optional<int64_t> supplierPromptNumber(std::string_view typed);

// Adds the supplier the boxes describe: "Number outside range." for a number
// outside 1..2000000000000000, "Number in use." for one on file; then
// written into the first free slot, or appended ("Data file: mans.dat, not
// present.", caption "Fatal error"; "Not able to write to mans.dat"). True
// when it is on file; otherwise the command ends.
bool storeNewSupplier(Shop &shop, const SupplierForm &form, Messages &messages);

// Reads supplier `number`; when it is not on file, "Supplier does not exist"
// under `caption` ("Amend supplier", "Delete supplier"). The record file's
// messages when it cannot be read.
std::optional<SupplierRecord> readSupplier(
    const Shop &shop, int64_t number, std::string_view caption, Messages &messages);

// Rewrites supplier `number` (on file) with the boxes: "Not possible to
// change number" when the Number box no longer holds it, and nothing is
// written. True when written.
bool storeAmendedSupplier(Shop &shop, int64_t number, const SupplierForm &form, Messages &messages);

// Deletes supplier `number` without a question: its record keeps every byte
// but the number, which becomes -1, and its slot is free for the next
// supplier added; then "Supplier deleted." (caption "Delete supplier").
// "Supplier does not exist" (caption "Delete supplier") when it is not on
// file. True when deleted.
bool deleteSupplier(Shop &shop, int64_t number, Messages &messages);

// Find supplier: the record of `number`, or "Does not exist" (caption
// "Supplier") when it is not on file.
std::optional<SupplierRecord> findSupplier(const Shop &shop, int64_t number, Messages &messages);

} // namespace ovix
