#pragma once
// The Customers popup's commands as the clerk meets them: Add, Amend, Delete,
// Prune, Find, "Find that contain", "Find telephone" and the customer details
// sheet, each a run of prompts and dialogs over the till window. The rules
// and the writing are accounts/logic/customer_maintenance.h and
// customer_find.h.

#include "accounts/logic/customer_find.h"

#include <cstdint>

class QWidget;

namespace ovix {

class Messages;
class Shop;

// The boxes of the finds over `parent`: the "FIND CUSTOMER" box, the "Please
// select" list and the "CUSTOMER" view.
CustomerScreens customerScreens(QWidget *parent, const Shop &shop, Messages &messages);

// The read-only "CUSTOMER" view of customer `number`; its Next shows the
// customer with the next higher number, and after the last one it closes.
void runViewCustomer(QWidget *parent, const Shop &shop, Messages &messages, int64_t number);

// "Add": "NEW CUSTOMER" until it is cancelled or OK stores a customer ("&Next"
// stores and opens another). A refused customer is shown again as typed, in
// the "Amend customer" form.
void runAddCustomer(QWidget *parent, Shop &shop, Messages &messages);

// "Amend": the look-up "Amend customer", then "Amend customer" for the
// customer; a refusal ends the command with nothing written.
void runAmendCustomer(QWidget *parent, Shop &shop, Messages &messages);

// "Delete": the look-up "Delete customer" (a customer chosen from the list
// is viewed first), then "Are you sure?" under "%I64d Name: %s".
void runDeleteCustomer(QWidget *parent, Shop &shop, Messages &messages);

// "Prune": the start number, "Omit those that owe money?", then each
// customer offered in turn.
void runPruneCustomers(QWidget *parent, Shop &shop, Messages &messages);

// "Find" (Ctrl+J), "Find that contain" and "Find telephone" (Ctrl+E).
void runFindCustomer(QWidget *parent, Shop &shop, Messages &messages);
void runFindThatContain(QWidget *parent, Shop &shop, Messages &messages);
void runFindTelephone(QWidget *parent, Shop &shop, Messages &messages);

// Print, "Customer details": the look-up "Please enter the customer", then
// the sheet through the print dialog (a PDF in printouts/ without a printer).
void runPrintCustomerDetails(QWidget *parent, Shop &shop, Messages &messages);

} // namespace ovix
