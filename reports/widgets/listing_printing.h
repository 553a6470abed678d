#pragma once
// Printing a listing at the till: the shop's listing font and indent, its
// store name and today's date, through the print preview and print dialog.

#include "print/widgets/print_job.h"
#include "reports/logic/listing_pages.h"

#include "reports/logic/inventory_lists.h"

#include <optional>
#include <string>

class QWidget;

namespace ovix {

class Messages;
class Shop;

// Prints `listing` as a report named `kind` ("inventory", "customers", ...).
PrintOutcome printShopListing(const Shop &shop, const Listing &listing, const char *kind,
    Messages &messages);

// The highest live number of an index, as text for the "To" box; "1" when
// there is none.
std::string highestNumberText(const RecordIndex &index);

// The "Print" dialog over `parent`: From (default 1), To (default the highest
// number of `index`) and the listing font, which is kept in the shop's
// configuration for the next list. Nothing when cancelled; a range that
// listingRange refuses is told and the dialog stays open.
std::optional<NumberRange> askListingRange(
    QWidget *parent, Shop &shop, const RecordIndex &index, Messages &messages);

} // namespace ovix
