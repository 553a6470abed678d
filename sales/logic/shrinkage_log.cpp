#include "sales/logic/shrinkage_log.h"

#include "platform/c_format.h"
#include "platform/messages.h"
#include "store/activity_log.h"
#include "store/shop.h"
#include "store/time_stamp.h"
#include "sales/logic/basket.h"

#include <cinttypes>

namespace ovix {

namespace {

std::string itemLine(int64_t number, const std::string &description)
{
    return cformat("%" PRId64 "  %s\r\n", number, description.c_str());
}

std::string clerkLine(const Shop &shop)
{
    const int clerk = static_cast<int>(shop.clerk());
    return cformat("Clerk: %d, %s", clerk, shop.config.clerkName(clerk).c_str());
}

} // namespace

std::string voidedLineLogBlock(const Shop &shop, const BasketLine &line)
{
    return "\r\n" + logTimePrefixNow()
        + cformat(" Line voided, Amount: %.2f\r\n", static_cast<double>(line.total))
        + itemLine(line.itemNumber, line.description) + clerkLine(shop) + "\r\n";
}

std::string emptiedBasketLogBlock(const Shop &shop, const Basket &basket)
{
    std::string text = "\r\n" + logTimePrefixNow()
        + cformat(" Basket emptied, Total: %.2f\r\n",
            static_cast<double>(basket.total(BasketTotal::Total)));
    const int lines = basket.lineCount < 0 ? 0
        : basket.lineCount > kBasketLineCapacity ? kBasketLineCapacity
                                                 : basket.lineCount;
    for (int line = 0; line < lines; ++line)
        text += itemLine(basket.lineItemNumber[line], lineDescriptionText(basket, line));
    return text + clerkLine(shop) + cformat("   Items: %d\r\n", lines);
}

std::string noSaleDrawerLogBlock(const Shop &shop, bool opened)
{
    return "\r\n" + logTimePrefixNow()
        + (opened ? " No sale, drawer opened\r\n" : " No sale, drawer did not open\r\n")
        + clerkLine(shop) + "\r\n";
}

bool appendShrinkageBlock(const Shop &shop, const std::string &block, Messages &messages)
{
    if (appendToLog(shop.dir, block))
        return true;
    reportProblem(messages, "Unable to open bun4.dat");
    return false;
}

} // namespace ovix
