#pragma once
// "Barcode print" (Utilities menu): the "Barcode" dialog, then the labels
// through the print dialog, one page per sheet, to a PDF file in printouts/
// when no printer is installed.

class QWidget;

namespace ovix {

class Messages;
class Shop;

// Opens the dialog with the stored text size and, on OK, keeps the size
// chosen and prints the labels. The clerk can stop between sheets. Nothing
// prints when the dialog or the print dialog is cancelled, or when the range
// holds nothing to print (the clerk is told why).
void runBarcodeLabels(QWidget *parent, Shop &shop, Messages &messages);

} // namespace ovix
