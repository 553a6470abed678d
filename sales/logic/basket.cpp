#include "sales/logic/basket.h"

#include "platform/c_format.h"
#include "store/customer_record.h"

#include <cstring>

namespace ovix {

namespace {
bool inCapacity(int index)
{
    return index >= 0 && index < kBasketLineCapacity;
}
} // namespace

void clearBasket(Basket &basket)
{
    std::memset(static_cast<void *>(&basket), 0, sizeof basket);
}

BasketLine basketLine(const Basket &basket, int index)
{
    BasketLine line;
    if (index < 0 || index >= basket.lineCount || !inCapacity(index))
        return line;
    line.itemNumber = basket.lineItemNumber[index];
    line.description = lineDescriptionText(basket, index);
    line.nonTaxable = basket.lineNonTaxable[index];
    line.taxable = basket.lineTaxable[index];
    line.taxOne = basket.lineTaxOne[index];
    line.taxTwo = basket.lineTaxTwo[index];
    line.cost = basket.lineCost[index];
    line.discount = basket.lineDiscount[index];
    line.total = basket.lineTotal[index];
    return line;
}

void setBasketLine(Basket &basket, int index, const BasketLine &line)
{
    if (!inCapacity(index))
        return;
    basket.lineItemNumber[index] = line.itemNumber;
    writeFixedText(basket.lineDescription[index], kBasketDescriptionWidth, line.description);
    basket.lineNonTaxable[index] = line.nonTaxable;
    basket.lineTaxable[index] = line.taxable;
    basket.lineTaxOne[index] = line.taxOne;
    basket.lineTaxTwo[index] = line.taxTwo;
    basket.lineCost[index] = line.cost;
    basket.lineDiscount[index] = line.discount;
    basket.lineTotal[index] = line.total;
}

void clearBasketLine(Basket &basket, int index)
{
    setBasketLine(basket, index, BasketLine {});
}

bool removeBasketLine(Basket &basket, int index)
{
    const int lines = basket.lineCount;
    if (index < 0 || index >= lines || lines > kBasketLineCapacity)
        return false;
    const BasketLine line = basketLine(basket, index);
    addToRunningTotal(basket, BasketTotal::TaxOne, -static_cast<double>(line.taxOne));
    addToRunningTotal(basket, BasketTotal::TaxTwo, -static_cast<double>(line.taxTwo));
    basket.setTotal(BasketTotal::Cost, basket.total(BasketTotal::Cost) - line.cost);
    basket.setTotal(BasketTotal::Discount, basket.total(BasketTotal::Discount) - line.discount);
    // Any non-zero amount comes off, so a line with a negative price leaves
    // the totals as they were before it.
    if (line.nonTaxable != 0) {
        addToRunningTotal(basket, BasketTotal::NonTaxable, -static_cast<double>(line.nonTaxable));
        addToRunningTotal(basket, BasketTotal::Subtotal, -static_cast<double>(line.nonTaxable));
    }
    if (line.taxable != 0) {
        addToRunningTotal(basket, BasketTotal::Taxable, -static_cast<double>(line.taxable));
        addToRunningTotal(basket, BasketTotal::Subtotal, -static_cast<double>(line.taxable));
    }
    addToRunningTotal(basket, BasketTotal::Total, -static_cast<double>(line.total));

    for (int i = index; i + 1 < lines; ++i)
        setBasketLine(basket, i, basketLine(basket, i + 1));
    clearBasketLine(basket, lines - 1);
    basket.lineCount = lines - 1;
    if (basket.lineCount == 0)
        clearBasket(basket);
    return true;
}

void addToRunningTotal(Basket &basket, BasketTotal which, double amount)
{
    double sum = static_cast<double>(basket.total(which)) + amount;
    basket.setTotal(which, static_cast<float>(roundMoney(sum)));
}

int countLinesOf(const Basket &basket, int64_t itemNumber)
{
    int count = 0;
    int lines = basket.lineCount < kBasketLineCapacity ? basket.lineCount : kBasketLineCapacity;
    for (int i = 0; i < lines; ++i) {
        if (basket.lineItemNumber[i] == itemNumber)
            ++count;
    }
    return count;
}

bool nextUnitIsFreeUnderBuyOneGetOne(const Basket &basket, int64_t itemNumber)
{
    int charged = 0;
    int free = 0;
    int lines = basket.lineCount < kBasketLineCapacity ? basket.lineCount : kBasketLineCapacity;
    for (int i = 0; i < lines; ++i) {
        if (basket.lineItemNumber[i] != itemNumber)
            continue;
        if (basket.lineNonTaxable[i] != 0 || basket.lineTaxable[i] != 0)
            ++charged;
        else
            ++free;
    }
    return charged > free;
}

void setBasketCustomer(Basket &basket, const CustomerRecord &customer)
{
    basket.customerNumber = customer.number;
    writeText(basket.customerName, readText(customer.name));
    writeText(basket.customerAddress[0], readText(customer.road));
    writeText(basket.customerAddress[1], readText(customer.area));
    writeText(basket.customerAddress[2], readText(customer.town));
    writeText(basket.customerAddress[3], readText(customer.postcode));
    writeText(basket.customerTelephone, readText(customer.telephone));
}

} // namespace ovix
