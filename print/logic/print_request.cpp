#include "print/logic/print_request.h"

#include "platform/cp1252.h"
#include "platform/data_dir.h"
#include "store/till_config.h"

namespace ovix {

namespace {

const char *kindName(PrintDocument document)
{
    switch (document) {
    case PrintDocument::StandardReceipt:
        return "receipt";
    case PrintDocument::CustomReceipt:
        return "custom-receipt";
    case PrintDocument::StandardInvoice:
        return "invoice";
    case PrintDocument::CustomInvoice:
        return "invoice-2";
    case PrintDocument::DeliveryNote:
        return "delivery-note";
    case PrintDocument::KitchenReceipt:
        return "kitchen-receipt";
    case PrintDocument::Other:
        break;
    }
    return "document";
}

} // namespace

PrintRequest documentPrintRequest(
    const TillConfig &config, const DataDir &dataDir, PrintDocument document)
{
    if (document == PrintDocument::KitchenReceipt)
        return kitchenPrintRequest(dataDir);
    PrintRequest request;
    request.kind = kindName(document);
    request.pdfFolder = dataDir.path(kPrintoutsFolderName);
    if (goesToReceiptPrinter(document))
        request.rollWidth = kReceiptRollWidth;
    std::string name = toUtf8(config.text(cfg::receiptPrinterDevice));
    if (goesToReceiptPrinter(document) && receiptPrinterListIndex(config) > 0 && !name.empty()) {
        request.printer = PrinterChoice::NamedPrinter;
        request.printerName = name;
    } else if (config.get(cfg::printConfirm) == 0) {
        request.printer = PrinterChoice::DefaultPrinter;
    }
    return request;
}

PrintRequest automaticPrintRequest(
    const TillConfig &config, const DataDir &dataDir, PrintDocument document)
{
    PrintRequest request = documentPrintRequest(config, dataDir, document);
    request.copies = 1 + receiptCopiesIndex(config);
    return request;
}

PrintRequest kitchenPrintRequest(const DataDir &dataDir)
{
    PrintRequest request;
    request.kind = kindName(PrintDocument::KitchenReceipt);
    request.printer = PrinterChoice::DefaultPrinter;
    request.pdfFolder = dataDir.path(kPrintoutsFolderName);
    request.rollWidth = kReceiptRollWidth;
    return request;
}

PrintRequest previewedPrintRequest(const TillConfig &config, const DataDir &dataDir, const char *kind)
{
    PrintRequest request = documentPrintRequest(config, dataDir, PrintDocument::Other);
    request.kind = kind;
    request.printer = PrinterChoice::Dialog;
    request.copies = 1;
    request.preview = true;
    return request;
}

} // namespace ovix
