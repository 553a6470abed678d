#pragma once
// The customer letters as the till runs them: Customers, Print, "Debtor
// letter 1" (^L) and "Debtor letter 2", and Utilities, "Mailmerge". Each
// shows its pages in the print preview first, then the print dialog; with no
// printer installed they go to a PDF file in printouts/.

#include "accounts/logic/debtor_letter.h"
#include "accounts/widgets/mailmerge_dialog.h"

class QWidget;

namespace ovix {

class Messages;
class Shop;

// Asks "Number / name" under "Please enter the customer" and prints the
// letter to the customer found, when they owe money ("No amount is
// outstanding" when not).
void runDebtorLetter(QWidget *parent, Shop &shop, Messages &messages, DebtorLetter letter);

// The "Mailmerge" dialog, then one letter per customer it selects, each on a
// page of its own, in number order. A range without a customer, or without
// one the selection takes, prints nothing. `chooseFile` as the dialog's.
void runMailmerge(QWidget *parent, Shop &shop, Messages &messages,
    MailmergeFileChooser chooseFile = {});

} // namespace ovix
