#pragma once
// An archived transaction shown in the "Transaction" dialog: loaded into a
// basket (the layout its documents print from) and described field by field.

#include "sales/logic/print_document.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ovix {

class Messages;
class SaleDevices;
class TillConfig;
struct Basket;
struct FoundTransaction;

inline constexpr const char *kTransactionRemark
    = "The invoice inventory will reflect subsequent changes";

// What the "Transaction" dialog shows; texts UTF-8, amounts "%.2f".
struct TransactionView {
    int64_t number = 0;
    std::string date;
    std::string time;
    std::string clerk; // "%d: %s"
    int lines = 0;
    std::string discount;
    int64_t customer = 0;
    std::string nonTaxable;
    std::string taxable;
    std::string subtotal;
    std::string taxOne;
    std::string taxTwo;
    std::string total;
    // The payment type; a split followed by "Cash: %.2f  CH: %.2f  EFT: %.2f".
    std::string payment;
    // The payment type with " sale" after "Cash", "EFT", "CH" and "Credit".
    std::string type;
    std::vector<std::string> lineTexts; // "%I64d %s  %.2f": item, description, line total
    std::string note;
    std::string cashBack;
};

// Puts `found` into `basket` (cleared first). A transaction holding more
// lines than a basket can (a damaged day) keeps the first 400 and the clerk
// is warned ("Transaction %I64d holds %zu lines. Only the first 400 are
// shown and printed.", caption "Problem").
void loadFoundTransaction(Basket &basket, const FoundTransaction &found, Messages &messages);

TransactionView transactionView(const Basket &loaded, const TillConfig &config);

// Prints `document` of the loaded transaction, with the amount tendered
// equal to its total and no change: receipts to the chosen receipt printer
// when there is one, else through the print dialog.
void reprintTransaction(
    const Basket &loaded, PrintDocument document, const TillConfig &config, SaleDevices &devices);

} // namespace ovix
