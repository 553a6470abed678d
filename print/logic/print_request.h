#pragma once
// Which printer a document goes to, and how many times.

#include "sales/logic/print_document.h"

#include <string>

namespace ovix {

class DataDir;
class TillConfig;

enum class PrinterChoice {
    Dialog, // the print dialog, starting on the default printer
    DefaultPrinter, // the system's default printer, no dialog
    NamedPrinter, // `printerName`, no dialog
};

struct PrintRequest {
    std::string kind = "document"; // a short word for printout file names
    PrinterChoice printer = PrinterChoice::Dialog;
    std::string printerName; // UTF-8, for NamedPrinter
    int copies = 1; // whole documents, one after another
    // Where printouts go as PDF files when no printer is installed.
    std::string pdfFolder;
    // Straight to a PDF file even when printers are installed.
    bool pdfOnly = false;
    // 0.01 mm. A receipt that goes to a PDF file instead of a printer is put on
    // a page this wide and as long as the receipt, like the roll's paper; 0
    // keeps the PDF's own page size. A printer's paper is never changed.
    int rollWidth = 0;
    // Shows the pages in a print preview first: Print there sends them as
    // without the preview, Close sends nothing. Receipts and invoices go
    // without it.
    bool preview = false;
};

// The folder in the shop's data folder that holds PDF printouts.
inline constexpr const char *kPrintoutsFolderName = "printouts";

// The receipt roll a PDF printout stands in for: 80 mm paper, in 0.01 mm.
inline constexpr int kReceiptRollWidth = 8000;

// The request for one print of `document`: a receipt goes straight to the
// named receipt printer when one is chosen; otherwise "Omit print confirm"
// takes the default printer without the dialog, and without it the dialog
// asks. One copy. A receipt printed to a PDF file is on the receipt roll's
// page. The kitchen receipt is kitchenPrintRequest's.
PrintRequest documentPrintRequest(
    const TillConfig &config, const DataDir &dataDir, PrintDocument document);
// The automatic print after a sale: as documentPrintRequest, with the extra
// copies of the "Receipts" settings (1 to 3 documents in all).
PrintRequest automaticPrintRequest(
    const TillConfig &config, const DataDir &dataDir, PrintDocument document);
// A report, list or letter: shown in the print preview first, then sent
// through the print dialog as one copy, or to a PDF file in printouts/ when
// no printer is installed; `kind` names the PDF file ("closeout", ...).
PrintRequest previewedPrintRequest(const TillConfig &config, const DataDir &dataDir, const char *kind);
// The additional standard receipt for the kitchen: always the default
// printer, without the dialog, one copy; on the roll's page as a PDF file.
PrintRequest kitchenPrintRequest(const DataDir &dataDir);

} // namespace ovix
