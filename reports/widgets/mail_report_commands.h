#pragma once
// Activity "Email report" and "Email daily items": today's figures (and
// today's sold lines, also written to ES.CSV) mailed to the shop's target
// address. The till's Activity popup calls these.

namespace ovix {

class Messages;
class Shop;
class TillWindow;

void emailDailyReport(TillWindow &window, const Shop &shop, Messages &messages);
void emailDailyItems(TillWindow &window, const Shop &shop, Messages &messages);

} // namespace ovix
