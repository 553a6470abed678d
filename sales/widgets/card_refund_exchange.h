#pragma once
// The card refund as the refund command asks for it when the card terminal
// link is on: the refund request, the waiting window with its Cancel button,
// and the result told as the card program gave it.

#include "sales/logic/refund.h"

#include <QWidget>

namespace ovix {

class Messages;
class TillState;

// Refunds `totalCents` (positive) to the card under `transactionNumber`, the
// number the refund is about to take; cardholder-not-present when the clerk
// chose it. True only when the card program approved it. `state` and
// `messages` must outlive the function returned; `parent` is the waiting
// window's parent.
CardRefundExchange makeCardRefundExchange(QWidget *parent, TillState &state, Messages &messages);

} // namespace ovix
