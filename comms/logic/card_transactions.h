#pragma once
// The card transactions that need nothing of a sale: a refund paid back to a
// card, and a transaction on an original card transaction reference. Both run
// one exchange (card_exchange.h) in the exchange folder of the settings.

#include "comms/logic/card_exchange.h"

#include <cstdint>

namespace ovix {

class DataDir;
class Messages;
class TillConfig;

// Refund of `totalCents` under transaction number `reference` (type 20, with
// 12=1 when `cardholderNotPresent`). True when the card program approved it;
// every failure and decline is told. Runs whether or not the link is active:
// the caller asks only when it is.
bool cardRefundExchange(const TillConfig &config, const DataDir &shop, int64_t reference,
    int64_t totalCents, bool cardholderNotPresent, CardReplyWaiter &waiter, Messages &messages);

// The four prompts "Please enter a transaction reference", "... the card
// number", "... the card expiry (MMYY)", "... the original card transaction
// reference" (caption "Referenced transaction"); Cancel at any of them ends
// it with nothing sent. A text holding a line break, '=' or another control
// character is refused with "Invalid entry" (caption "Problem"). Then one
// exchange of type 3. Records nothing in the till.
CardExchangeResult referencedCardTransaction(
    const TillConfig &config, const DataDir &shop, CardReplyWaiter &waiter, Messages &messages);

} // namespace ovix
