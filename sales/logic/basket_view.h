#pragma once
// What the basket operations tell the till screen and its devices: the till
// list box, the totals panel, the item box, the pole display and the sounds.
// The till window implements it; NullBasketView ignores everything.
//
// Texts are Windows-1252 as the basket holds them. The list always holds one
// entry per basket line, in line order.

#include <string_view>

namespace ovix {

class BasketView {
public:
    virtual ~BasketView() = default;

    // A new last entry of the till list, selected.
    virtual void lineAdded(std::string_view listText) = 0;
    // List entry `index` (0-based) removed; the new last entry is selected.
    virtual void lineRemoved(int index) = 0;
    // The till list emptied.
    virtual void listCleared() = 0;
    // Repaint the totals panel from the basket and the configuration.
    virtual void totalsChanged() = 0;
    // Empty the item box.
    virtual void clearItemBox() = 0;
    // Pole display: the passive text; the line just added (description and
    // price including tax). Called only while the pole display is in use.
    virtual void poleShowPassive() = 0;
    virtual void poleShowItem(std::string_view description, double priceWithTax) = 0;
    // Play wave resource kKeySound, kVoidSound or kAddSound (platform/sounds.h). Called only while
    // sounds are on; a sound that cannot be played is no error.
    virtual void playSound(int resource) = 0;
};

} // namespace ovix
