#include "print/widgets/invoice_job.h"

#include "sales/logic/basket.h"
#include "store/customer_record.h"
#include "store/shop.h"

namespace ovix {

int saleCustomerBand(const Shop &shop, const Basket &archived, Messages &messages)
{
    if (archived.customerNumber <= 0)
        return 0;
    const std::optional<int64_t> slot = shop.customers.slotOf(archived.customerNumber);
    if (!slot)
        return 0;
    CustomerRecord customer {};
    if (!shop.customers.readRecord(*slot, customer, messages))
        return 0;
    return customer.terms >= 1 && customer.terms <= kBandCount ? customer.terms : 0;
}

PrintJobResult printSaleInvoice(const Shop &shop, const PrintRequest &request, InvoiceKind kind,
    const Basket &archived, Messages &messages)
{
    const InvoiceData data { archived, shop.config, shop.heading, shop.receiptWords,
        shop.config.clerkName(archived.clerkNumber), saleCustomerBand(shop, archived, messages),
        loadInvoiceLogo(shop.dir) };
    const auto draw = [&](PrintDevice &device, Messages &problems) {
        printInvoice(device, kind, data, problems);
    };
    return runPrintJob(request, draw, messages, {});
}

} // namespace ovix
