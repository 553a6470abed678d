#pragma once
// Booking in goods delivered to the shop ("Inventory received"): the item's
// stock rises by the quantity received, its on-order count falls by it (not
// below 0), its sell-by date is set as chosen, and the receipt is appended
// to today's ininvent.dat (received_log.h).
//
// The record and the log entry are one all-or-nothing update (FileUpdate,
// sales/logic/file_update.h): a receipt is either wholly on the disk or not
// at all, across a failure or a crash. Refusals and failures are told
// through Messages (caption "Problem", with the warning sound).

#include "inventory/logic/item_find.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ovix {

class Messages;
class Shop;
struct LocalTime;

// Characters the "Quantity received" box takes.
inline constexpr size_t kReceivedQuantityWidth = 9;

// The prompt of Receive by number or description.
inline constexpr const char *kReceivePrompt = "Inventory number / description";

// What the "Receive Inventory" dialog holds.
struct ReceiptForm {
    std::string quantity; // "Quantity received" as typed
    int sellByDay = 0; // 0 none, else 1..31
    int sellByMonth = 0; // 0 none, else 1..12
    int sellByYear = 0; // list position: 0 none, else 1..69 (2012..2080)
};

// What the dialog shows of the item: "Line number:", "Description" and
// "Held", and the sell-by lists preset from the item.
struct ReceiptView {
    int64_t number = 0;
    std::string description; // Windows-1252
    int32_t held = 0;
    ReceiptForm form; // the quantity box empty
};
ReceiptView receiptViewOf(const ItemRecord &item);

// The quantity typed: a whole number of 1 or more (blanks around it
// allowed); nothing for 0, a negative number or anything else.
std::optional<int64_t> receivedQuantity(std::string_view typed);

// "Updated total": Held plus the quantity typed, or Held while the box holds
// no such quantity.
std::string updatedTotalText(int32_t held, std::string_view typed);

enum class ReceiptResult {
    Booked, // on the disk; the new quantity told under "Updated quantity"
    Refused, // the quantity is no quantity: told, nothing changed
    NotRecorded, // the item or a file failed: told, nothing changed
};

// Books in `form` for item `number` at the present time (localNow()), read
// anew from film.dat. "Invalid quantity" for a quantity that is not 1 or
// more; "Invalid quantity, the stock held may not pass 2147483647" when the
// stock would overflow; "Invalid number." when the item is no longer on file.
// Today's archive folder is made when missing. "Unable to open incoming
// log." when ininvent.dat cannot take the entry, and then the item is not
// changed either. A log whose end is torn (a part of an entry) has that
// part cut off first, and the clerk is told.
ReceiptResult receiveStock(Shop &shop, int64_t number, const ReceiptForm &form, Messages &messages);

// Receive by SKU 1: the prompt "Find in SKU 1:" (empty text or Cancel ends,
// the text upper-cased, as a barcode scanner types it and Enter); each item
// whose SKU 1 contains it offered as "%I64d, %s" under "Search: No to
// continue": Yes takes it, No goes on, Cancel ends; after the last, "No match
// found" (caption "Finished"). The item number taken, or 0.
int64_t findToReceiveBySkuOne(const ItemIndex &items, Messages &messages);

} // namespace ovix
