#include "sales/widgets/refund_commands.h"

#include "sales/logic/item_entry.h"
#include "sales/widgets/customer_pick_dialog.h"
#include "sales/widgets/refund_dialog.h"

#include <QMessageBox>
#include <QPushButton>

namespace ovix {

namespace {

class DialogRefundPrompts : public RefundPrompts {
public:
    DialogRefundPrompts(QWidget *parent, const TillState &state, Messages &messages)
        : parent_(parent)
        , state_(state)
        , messages_(messages)
    {
    }

    std::optional<RefundChoice> refund(const RefundView &view) override
    {
        return askRefund(parent_, view);
    }

    int64_t findCustomer() override
    {
        return lookUpCustomer(parent_, state_, messages_, "Customer");
    }

    CardRefundChoice cardRefund() override
    {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Card refund"),
            QStringLiteral("Card refund"), QMessageBox::NoButton, parent_);
        QPushButton *refund = box.addButton(QStringLiteral("Refund"), QMessageBox::AcceptRole);
        QPushButton *notPresent = box.addButton(
            QStringLiteral("Cardholder not present refund"), QMessageBox::AcceptRole);
        box.addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
        box.setDefaultButton(refund);
        box.exec();
        if (box.clickedButton() == refund)
            return CardRefundChoice::Refund;
        if (box.clickedButton() == notPresent)
            return CardRefundChoice::CardholderNotPresent;
        return CardRefundChoice::Cancel;
    }

private:
    QWidget *parent_;
    const TillState &state_;
    Messages &messages_;
};

} // namespace

RefundResult refundFromTill(QWidget *parent, TillState &state, Basket &basket, ItemEntry &entry,
    Messages &messages, SaleDevices &devices, const CardRefundLink &card)
{
    DialogRefundPrompts prompts(parent, state, messages);
    const RefundResult result = refundBasket(state, basket, messages, devices, prompts, card);
    if (result == RefundResult::Refunded)
        entry.saleCompleted();
    return result;
}

} // namespace ovix
