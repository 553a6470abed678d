#pragma once
// The small shop every export test writes out: three items in slots out of
// number order around a free slot, and two customers, with markup characters
// in their texts.

#include "exchange/logic/export_choice.h"
#include "exchange/export_shop.h"

#include <initializer_list>
#include <vector>

namespace ovix::test {

inline std::vector<ExportItem> exportItems()
{
    ExportItem tea;
    tea.number = 30;
    tea.description = "TEA & <BISCUITS>";
    tea.sku1 = "T'1";
    tea.sku2 = "\"Q\"";
    tea.cost = 0.75f;
    tea.retail = 3.0f;
    tea.tax = 3;
    tea.displayCategory = 2;
    tea.notes = "a<b";
    ExportItem freeSlot;
    freeSlot.number = -1;
    ExportItem apple;
    apple.number = 10;
    apple.description = "APPLE";
    apple.sku1 = "A1";
    apple.sku2 = "A2";
    apple.sku3 = "A3";
    apple.sku4 = "A4";
    apple.format = "F1";
    apple.category = "FRUIT";
    apple.location = "SHELF 1";
    apple.orderCode = "OC1";
    apple.dateAdded = "01/02/2026";
    apple.quantity = 12;
    apple.reorder = 3;
    apple.minimumOrder = 6;
    apple.totalSold = 7;
    apple.cost = 0.5f;
    apple.trade = 0.99f;
    apple.retail = 1.25f;
    apple.website = "WWW.A";
    apple.webImage = "IMG.A";
    apple.notes = "FRESH";
    apple.displayCategory = 2;
    apple.lastUsed = "09:3001/12/2026";
    ExportItem bread;
    bread.number = 20;
    bread.description = "BREAD";
    bread.sku1 = "B1";
    bread.quantity = -4;
    bread.reorder = 1;
    bread.tax = 1;
    bread.cost = 1.1f;
    bread.retail = 2.5f;
    bread.displayCategory = 5;
    return { tea, freeSlot, apple, bread };
}

inline std::vector<ExportCustomer> exportCustomers()
{
    ExportCustomer smith;
    smith.number = 7;
    smith.name = "SMITH & SONS";
    smith.road = "1 HIGH ST";
    smith.area = "EAST";
    smith.town = "LEEDS";
    smith.postcode = "LS1";
    smith.telephone = "0113";
    smith.extension = "22";
    smith.telephone2 = "0114";
    smith.shipping[0] = "SMITH DEPOT";
    smith.shipping[1] = "2 LOW RD";
    smith.shipping[2] = "WEST";
    smith.shipping[3] = "YORK";
    smith.shipping[4] = "YO1";
    smith.contact = "JO";
    smith.notes = "CALL FIRST";
    smith.group = 3;
    smith.comment = "GOOD";
    smith.card = "4111";
    smith.card2 = "5500";
    smith.cardExpiry = "12/28";
    smith.card2Expiry = "01/29";
    smith.terms = 2;
    smith.comment2 = "<VIP>";
    smith.email = "jo@smith.example";
    smith.purchases = 99.5f;
    smith.balance = 12.34f;
    smith.creditLimit = 500.0f;
    smith.transactions = 4;
    smith.tax = 1;
    ExportCustomer obrien;
    obrien.number = 3;
    obrien.name = "O'BRIEN";
    obrien.balance = -5.0f;
    obrien.group = 1;
    obrien.terms = 1;
    return { smith, obrien };
}

// A choice of the given boxes (0-9) only.
inline ExportChoice exportChoice(ExportSubject subject, ExportFormat format,
    std::initializer_list<int> boxes)
{
    ExportChoice choice;
    choice.subject = subject;
    choice.format = format;
    choice.start = 1;
    choice.finish = 100;
    choice.fields.fill(false);
    for (int box : boxes)
        choice.fields[static_cast<size_t>(box)] = true;
    return choice;
}

} // namespace ovix::test
