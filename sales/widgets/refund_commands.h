#pragma once
// The "Refund basket" sale button: the "Refund" dialog over the till, the
// customer look-up of a credit refund, the "Card refund" box of an EFT
// refund while the card terminal link is active, then the refund itself
// (sales/logic/refund.h).

#include "sales/logic/refund.h"

class QWidget;

namespace ovix {

class ItemEntry;
class Messages;
class SaleDevices;
class TillState;
struct Basket;

// Refunds `basket` with the dialogs shown over `parent`. Once the refund is
// archived the till list is emptied and the totals redrawn through `entry`.
RefundResult refundFromTill(QWidget *parent, TillState &state, Basket &basket, ItemEntry &entry,
    Messages &messages, SaleDevices &devices, const CardRefundLink &card);

} // namespace ovix
