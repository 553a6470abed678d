#pragma once
// A sale's receipt sent through the print layer: one job per request, each
// copy drawn by printReceipt, the cutter after each custom receipt copy.

#include "print/logic/receipt.h"
#include "print/widgets/print_job.h"

namespace ovix {

class Messages;
class TillState;
struct Basket;

// Prints `kind` of the archived sale as `request` asks (printer, copies,
// printouts folder). The words, heading, settings and logo (receipt.bmp of
// the data folder) come from `state`; `tendered` and `change` as the tender
// gave them. A printer, port or logo that fails is told through `messages`
// and never stops the other copies.
PrintJobResult printSaleReceipt(const TillState &state, const PrintRequest &request,
    ReceiptKind kind, const Basket &archived, double tendered, double change,
    Messages &messages);

} // namespace ovix
