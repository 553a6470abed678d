#pragma once
// A BasketView with no screen and no devices: every call does nothing.

#include "sales/logic/basket_view.h"

namespace ovix {

class NullBasketView : public BasketView {
public:
    void lineAdded(std::string_view) override
    {
    }
    void lineRemoved(int) override
    {
    }
    void listCleared() override
    {
    }
    void totalsChanged() override
    {
    }
    void clearItemBox() override
    {
    }
    void poleShowPassive() override
    {
    }
    void poleShowItem(std::string_view, double) override
    {
    }
    void playSound(int) override
    {
    }
};

} // namespace ovix
