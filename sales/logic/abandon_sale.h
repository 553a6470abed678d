#pragma once
// The question asked before a sale in progress is thrown away: by a command
// that leaves the till for another function, by Exit or closing the window,
// by log off, and by retrieving the saved basket over it.

#include <string_view>

namespace ovix {

class Messages;
struct Basket;

inline constexpr std::string_view kAbandonSaleQuestion = "Abandon the sale being rung up?";
inline constexpr std::string_view kAbandonSaleCaption = "Basket";

// True when the sale in `basket` may go: at once, asking nothing, when it
// holds no lines; else when the clerk answers Yes to "Abandon the sale being
// rung up?" (caption "Basket"). Enter answers No, so a stray key after a
// stray command keeps the sale. Nothing is changed either way.
bool mayAbandonSale(const Basket &basket, Messages &messages);

} // namespace ovix
