#include "print/widgets/receipt_job.h"

#include "print/logic/till_drawer.h"
#include "sales/logic/basket.h"
#include "sales/logic/till_state.h"

namespace ovix {

PrintJobResult printSaleReceipt(const TillState &state, const PrintRequest &request,
    ReceiptKind kind, const Basket &archived, double tendered, double change,
    Messages &messages)
{
    const ReceiptData data { archived, tendered, change, state.config, state.heading,
        state.receiptWords, state.config.clerkName(archived.clerkNumber),
        loadReceiptLogo(state.dir) };
    const auto draw = [&](PrintDevice &device, Messages &problems) {
        printReceipt(device, kind, data, problems);
    };
    std::function<void()> afterEachCopy;
    if (kind == ReceiptKind::Custom)
        afterEachCopy = [&] { sendCutterSequence(state.config, state.dir, messages); };
    return runPrintJob(request, draw, messages, afterEachCopy);
}

} // namespace ovix
