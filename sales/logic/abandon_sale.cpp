#include "sales/logic/abandon_sale.h"

#include "platform/messages.h"
#include "sales/logic/basket.h"

namespace ovix {

bool mayAbandonSale(const Basket &basket, Messages &messages)
{
    if (basket.lineCount <= 0)
        return true;
    return messages.ask(kAbandonSaleQuestion, kAbandonSaleCaption, false, Answer::No)
        == Answer::Yes;
}

} // namespace ovix
