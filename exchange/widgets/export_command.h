#pragma once
// Utilities "Export": the settings, the output file's name, the fields for
// text and HTML, then the export (exchange/logic/export_file.h).

class QWidget;

namespace ovix {

class Messages;
class Shop;

// Runs the whole command over `parent`; nothing is changed in the shop.
void runExport(QWidget *parent, const Shop &shop, Messages &messages);

} // namespace ovix
