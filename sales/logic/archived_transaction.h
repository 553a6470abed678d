#pragma once
// A basket and its place in the day archive, both ways: the sale, refund or
// payment as it is appended (one TransactionRecord and one SoldItemRecord per
// line), and an archived transaction loaded back into a basket to be shown
// or reprinted.

#include "sales/logic/archive_records.h"
#include "sales/logic/basket.h"

#include <cstdint>
#include <span>

namespace ovix {

// The transaction record of `sale`, field by field; the reserved fields are
// copied from the basket, where they are always zero.
TransactionRecord transactionRecordOf(const Basket &sale);

// Line `line` (0..lineCount-1) of `sale` as archived under `category`.
SoldItemRecord soldItemRecordOf(const Basket &sale, int line, int64_t category);

// Fills `basket` (cleared first) from an archived transaction: its totals,
// texts, numbers and at most kBasketLineCapacity of `lines`, in order. The
// line count is the number of lines taken, whatever the record says.
void loadArchivedTransaction(
    Basket &basket, const TransactionRecord &record, std::span<const SoldItemRecord> lines);

} // namespace ovix
