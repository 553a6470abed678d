#pragma once
// The boxes of the item searches on the screen: "FIND INVENTORY", the
// "Please select" list and the till's "Item description search", over
// `parent`.

#include "inventory/logic/item_find.h"

class QWidget;

namespace ovix {

class Shop;

// Screens drawing on `shop` (its category names, and whether the logged-on
// clerk may see cost prices) at the time each box opens; `parent` and `shop`
// must outlive them.
ItemSearchScreens itemSearchScreens(QWidget *parent, const Shop &shop);

// Whether the logged-on clerk is kept from cost prices: a restricted clerk
// while "Do not display cost price" is set.
bool costPriceHidden(const Shop &shop);

} // namespace ovix
