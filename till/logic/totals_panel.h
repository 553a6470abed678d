#pragma once
// The texts of the till's totals panel, worked out from the basket and the
// configuration so that the screen only has to place them.

#include <string>
#include <vector>

namespace ovix {

struct Basket;
class TillConfig;

// Shown in place of a caption while items are rung up by SKU 1.
inline constexpr const char *kBarcodeModeMarker = "Barcode";

struct TotalsPanelText {
    // Left-hand texts, top to bottom: "Trade sale" while trade prices are on,
    // the barcode marker in barcode mode, the line count ("%d") when there are
    // lines, and "Transaction: %d" with the next transaction number.
    std::vector<std::string> captions;
    // Right-aligned amounts, top to bottom, only when the basket has lines:
    // taxable, non-taxable, subtotal, tax 1, tax 2 ("%.2f" each), the discount
    // as "(%.2f)" when it is not 0, the total, and with a second currency
    // configured (on, rate above 0) its symbol and total x rate ("%s%.2f").
    std::vector<std::string> amounts;
    // The caption of each amount, in the same order: "Taxable", "Non-taxable",
    // "Subtotal", the two tax names, "Discount", "Total", and "" for the
    // second currency.
    std::vector<std::string> amountCaptions;
};

// Texts are Windows-1252 (the second currency symbol comes from the
// configuration as stored).
TotalsPanelText totalsPanelText(const Basket &basket, const TillConfig &config);

} // namespace ovix
