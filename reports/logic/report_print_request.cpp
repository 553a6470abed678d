#include "reports/logic/report_print_request.h"

#include "store/shop.h"

namespace ovix {

PrintRequest reportPrintRequest(const Shop &shop, const char *kind)
{
    PrintRequest request = documentPrintRequest(shop.config, shop.dir, PrintDocument::Other);
    request.kind = kind;
    request.printer = PrinterChoice::Dialog;
    request.copies = 1;
    request.preview = true;
    return request;
}

} // namespace ovix
