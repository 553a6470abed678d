#include "reports/logic/report_print_request.h"

#include "store/shop.h"

namespace ovix {

PrintRequest reportPrintRequest(const Shop &shop, const char *kind)
{
    return previewedPrintRequest(shop.config, shop.dir, kind);
}

} // namespace ovix
