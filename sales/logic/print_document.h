#pragma once
// The documents the shop prints: the one list the sale, the summary box and
// the print layer share.

namespace ovix {

// A sale's documents keep the numbers the "Auto receipt" setting stores for
// them (1 "Till receipt", 2 "Standard invoice", 3 "Invoice 2", 4 "Custom
// receipt"), so a stored setting is its document; the delivery note is
// offered by the summary box only, the kitchen receipt printed by its own
// setting.
enum class PrintDocument {
    Other = 0, // reports, statements, letters, labels
    StandardReceipt = 1,
    StandardInvoice = 2,
    CustomInvoice = 3,
    CustomReceipt = 4,
    DeliveryNote = 5,
    KitchenReceipt = 6, // the extra standard receipt, always to the default printer
};

// The documents a chosen receipt printer takes: the standard and the custom
// receipt. Everything else goes to the default printer or the print dialog.
inline bool goesToReceiptPrinter(PrintDocument document)
{
    return document == PrintDocument::StandardReceipt || document == PrintDocument::CustomReceipt;
}

} // namespace ovix
