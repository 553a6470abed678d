#pragma once
// The Suppliers popup's address-book items: "Find", "Add", "Amend" and
// "Delete". Its "Print" and "List" items are the printed and screen lists'.

class QWidget;

namespace ovix {

class Messages;
class Shop;
class TillWindow;

// Registers the four commands with `window`; `shop` and `messages` must
// outlive it.
void connectSupplierCommands(TillWindow &window, Shop &shop, Messages &messages);

// "Find": the prompt "Supplier number" (default "1"), then the supplier shown
// read-only, or "Does not exist" (caption "Supplier").
void runFindSupplier(QWidget *parent, Shop &shop, Messages &messages);
// "Add": "New supplier" under the suggested number; OK stores it.
void runAddSupplier(QWidget *parent, Shop &shop, Messages &messages);
// "Amend": the prompt "Enter the supplier number" (default "1"), then
// "Amend supplier"; OK stores it.
void runAmendSupplier(QWidget *parent, Shop &shop, Messages &messages);
// "Delete": the prompt "Enter the supplier number" (default "1"); no question
// follows.
void runDeleteSupplier(QWidget *parent, Shop &shop, Messages &messages);

} // namespace ovix
