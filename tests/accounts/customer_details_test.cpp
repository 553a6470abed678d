// The customer details sheet as printed, against its reviewed golden page.

#include "accounts/logic/customer_details.h"
#include "accounts/logic/customer_terms.h"
#include "accounts/customer_shop.h"
#include "print/logic/recording_print_device.h"
#include "support/golden_page.h"

#include <gtest/gtest.h>

using namespace ovix;
using namespace ovix::test;

namespace {

RecordingPrintDevice a4Device()
{
    RecordingPageSetup a4;
    a4.pageWidth = 21000;
    a4.pageHeight = 29700;
    a4.offsetLeft = 423;
    a4.offsetTop = 423;
    a4.printableWidth = 20154;
    a4.printableHeight = 28854;
    a4.dotsPerInch = 600;
    a4.lineHeight = 423;
    a4.averageCharWidth = 190;
    return RecordingPrintDevice(a4);
}

CustomerRecord bell()
{
    CustomerRecord customer {};
    customer.number = 77;
    writeText(customer.name, "BELL & SONS");
    writeText(customer.road, "1 HIGH ST");
    writeText(customer.area, "EAST END");
    writeText(customer.town, "DUNMORE");
    writeText(customer.postcode, "DM1 2AB");
    writeText(customer.shipping_address_1, "BELL WAREHOUSE");
    writeText(customer.shipping_address_2, "2 LOW ST");
    writeText(customer.telephone, "01234 567");
    writeText(customer.telephone_extension, "12");
    writeText(customer.email, "shop@bell.example");
    writeText(customer.contact, "MARY");
    writeText(customer.comment, "TRADE");
    writeText(customer.credit_card, "4111 1111");
    writeText(customer.credit_card_expiry, "01/29");
    writeText(customer.origination, "IMPORT");
    customer.tax = 0;
    customer.transactions = 3;
    customer.credit_limit = 500;
    customer.balance = 15.25f;
    customer.total_purchases = 120.51f;
    customer.group = 12;
    writeText(customer.customer_last_used, "09:0504/03/2026");
    customer.terms = 4;
    return customer;
}

} // namespace

TEST(CustomerDetails, TheSheetMatchesItsGoldenPage)
{
    CustomerShop shop;
    shop.state.config.set(cfg::bandPeriod, 3, 4); // band 4: "30 days, "
    shop.state.config.set(cfg::bandDiscount, 3, 2); // "2% disc"
    RecordingPrintDevice device = a4Device();
    printCustomerDetails(device, bell(), shop.state.config, shop.messages);
    EXPECT_TRUE(shop.messages.shown.empty()) << shop.messages.lastText();
    EXPECT_TRUE(matchesGoldenPage(device.transcript(), "print/data/customer_details.txt"));
}

TEST(CustomerDetails, ADamagedTermsBandPrintsAsTheNearestBand)
{
    CustomerShop shop;
    CustomerRecord customer = bell();
    customer.terms = 9000;
    writeText(customer.customer_last_used, "NEW");
    RecordingPrintDevice device = a4Device();
    printCustomerDetails(device, customer, shop.state.config, shop.messages);
    const std::string page = device.transcript();
    EXPECT_NE(page.find("Terms: " + bandText(shop.state.config, 8)), std::string::npos);
    EXPECT_NE(page.find("Last used: \""), std::string::npos) << page;
    EXPECT_NE(page.find("Last payment: \""), std::string::npos) << page;
}

TEST(CustomerDetails, APrinterWithWideLeadingGetsSmallerCharactersSoTheSheetFits)
{
    CustomerShop shop;
    RecordingPageSetup setup;
    setup.printableHeight = 28000;
    setup.lineHeight = 800; // 42 lines of 800 would run off the page
    RecordingPrintDevice device(setup);
    printCustomerDetails(device, bell(), shop.state.config, shop.messages);
    const std::string page = device.transcript();
    EXPECT_NE(page.find("font     Arial h700\n"), std::string::npos) << page;
    EXPECT_NE(page.find("font     Arial h583\n"), std::string::npos) << page;
}
