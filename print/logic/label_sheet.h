#pragma once
// Barcode labels laid out on sheets: one label per row for continuous rolls
// ("Video spine"), or two or three labels per row. Each sheet is one page.

#include "print/logic/label_job.h"

#include <functional>
#include <string>
#include <vector>

namespace ovix {

class PrintDevice;

// What every label may show besides its own value.
struct LabelShopTexts {
    std::string storeName; // the first line of the store heading
    std::string currencySymbol;
};

// The font of the label texts for the "Large" ... "Tiny" value `textSize`
// (10-200): an Arial whose height is the printable height divided by it.
// Any other value keeps the printer's default font.
void selectLabelFont(PrintDevice &device, int64_t textSize);

// The text beside a video spine label's barcode (with its price unless the
// price goes below the text): "7  TEA", "SHOP  7  TEA £1.20", "7",
// "0000000000076" for a number alone in EAN.
std::string videoSpineText(const LabelJob &job, const LabelValue &value,
    const LabelShopTexts &shop);

// Draws the labels of `values` on `device`, labelsPerSheet to a page, and
// returns the number of pages. Before each further page `carryOn` (when given)
// is asked whether to go on; false stops the printout there.
int drawLabelSheets(PrintDevice &device, const LabelJob &job, const std::vector<LabelValue> &values,
    const LabelShopTexts &shop, const std::function<bool()> &carryOn = {});

} // namespace ovix
