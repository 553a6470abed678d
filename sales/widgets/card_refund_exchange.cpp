#include "sales/widgets/card_refund_exchange.h"

#include "comms/logic/card_transactions.h"
#include "sales/logic/till_state.h"
#include "sales/widgets/card_wait_dialog.h"

#include <QPointer>

namespace ovix {

CardRefundExchange makeCardRefundExchange(QWidget *parent, TillState &state, Messages &messages)
{
    QPointer<QWidget> owner(parent);
    return [owner, &state, &messages](
               int64_t transactionNumber, int64_t totalCents, bool cardholderNotPresent) {
        DialogCardReplyWaiter waiter(owner.data());
        return cardRefundExchange(state.config, state.dir, transactionNumber, totalCents,
            cardholderNotPresent, waiter, messages);
    };
}

} // namespace ovix
