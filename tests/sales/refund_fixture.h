#pragma once
// A shop to refund baskets in, and the refund's questions answered from a
// script.

#include "sales/logic/refund.h"
#include "till/sale_fixture.h"

#include <optional>
#include <string>
#include <vector>

namespace ovix::test {

// The answers a refund gets, and what it asked.
class ScriptedRefundPrompts : public RefundPrompts {
public:
    std::optional<RefundChoice> choice = RefundChoice {};
    int64_t customer = 0;
    CardRefundChoice card = CardRefundChoice::Refund;

    std::vector<std::string> asked; // "refund", "customer", "card", in order
    RefundView shown;

    std::optional<RefundChoice> refund(const RefundView &view) override
    {
        asked.push_back("refund");
        shown = view;
        return choice;
    }
    int64_t findCustomer() override
    {
        asked.push_back("customer");
        return customer;
    }
    CardRefundChoice cardRefund() override
    {
        asked.push_back("card");
        return card;
    }
};

// A kettle of 10.00 without tax (category 4, 3 in stock) beside the five-line
// shop's tea, milk and bread; customer 7 owes 25.00.
struct RefundShop : FiveLineShop {
    RefundShop()
    {
        addItem({ 201, "KETTLE", 3, 10.00f, 6.00f, 4, 0 });
        customerSlot = addCustomer(7, "A. SMITH", 25.0f);
        writeBytes(temp.file("bun4.dat"), "");
    }
    Basket kettle() const
    {
        Basket basket {};
        ringUp(basket, 201);
        return basket;
    }
    int64_t customerSlot = -1;
};

inline RefundChoice refundIn(RefundForm form, bool faulty = false, bool receipt = false)
{
    RefundChoice choice;
    choice.form = form;
    choice.itemsFaulty = faulty;
    choice.printReceipt = receipt;
    return choice;
}

} // namespace ovix::test
