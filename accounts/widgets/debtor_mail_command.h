#pragma once
// Customers "Debtor email": the overdue-balance reminder mailed to the
// customer chosen with "Please enter the customer".

class QWidget;

namespace ovix {

class Messages;
class Shop;
class TillWindow;

void runDebtorEmail(TillWindow &window, const Shop &shop, Messages &messages);

} // namespace ovix
