#pragma once
// A sale's invoice or delivery note sent through the print layer: one page
// per copy, drawn by printInvoice.

#include "print/logic/invoice.h"
#include "print/widgets/print_job.h"

namespace ovix {

class Messages;
class Shop;
struct Basket;

// Prints `kind` of the archived sale as `request` asks. The words, heading,
// settings and letterhead (letter.bmp of the data folder) come from `shop`,
// the terms band from the customer's record when the sale has one. A printer
// or a customer record that fails is told through `messages`; the invoice
// then prints without terms.
PrintJobResult printSaleInvoice(const Shop &shop, const PrintRequest &request, InvoiceKind kind,
    const Basket &archived, Messages &messages);

// The customer's terms band 1-8, or 0 when the sale has no customer or the
// customer is not on file (or cannot be read).
int saleCustomerBand(const Shop &shop, const Basket &archived, Messages &messages);

} // namespace ovix
