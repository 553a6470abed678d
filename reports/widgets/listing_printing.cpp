#include "reports/widgets/listing_printing.h"

#include "platform/clock.h"
#include "platform/widgets/window_size.h"
#include "reports/logic/report_print_request.h"
#include "reports/widgets/listing_dialogs.h"
#include "store/shop.h"

#include <string>

namespace ovix {

PrintOutcome printShopListing(const Shop &shop, const Listing &listing, const char *kind,
    Messages &messages)
{
    const ListingStyle style { shop.config.get(cfg::listingLinesPerPage),
        shop.config.get(cfg::listingIndent) };
    const std::string storeName = shop.heading.storeName();
    const LocalTime today = localNow();
    return runPrintJob(reportPrintRequest(shop, kind),
        [&](PrintDevice &device, Messages &) {
            printListing(device, listing, style, storeName, today);
        },
        messages)
        .outcome;
}

std::string highestNumberText(const RecordIndex &index)
{
    const std::vector<IndexEntry> &entries = index.entries();
    if (entries.empty() || entries.back().number <= 0)
        return "1";
    return std::to_string(entries.back().number);
}

std::optional<NumberRange> askListingRange(
    QWidget *parent, Shop &shop, const RecordIndex &index, Messages &messages)
{
    std::optional<NumberRange> range;
    ListingPrintDialog dialog(highestNumberText(index), shop.config.get(cfg::listingLinesPerPage),
        [&range, &messages](const std::string &from, const std::string &to) {
            range = listingRange(from, to, messages);
            return range.has_value();
        },
        parent);
    openAtPreferredSize(&dialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    shop.config.set(cfg::listingLinesPerPage, dialog.linesPerPage());
    return range;
}

} // namespace ovix
