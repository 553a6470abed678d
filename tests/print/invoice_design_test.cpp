// The "Invoices" design as wr.cfg keeps it: what is loaded is what was
// stored, damaged values read as their defaults, and long or odd choices
// are kept to what the block holds.

#include "print/logic/invoice_design.h"
#include "store/till_config.h"

#include <gtest/gtest.h>

namespace ovix {
namespace {

TEST(InvoiceDesign, StoredDesignLoadsBackWhole)
{
    InvoiceDesign design;
    for (int section = 0; section < kInvoiceSectionCount; ++section)
        design.lines[static_cast<size_t>(section)] = 80 - section;
    design.barcode = true;
    design.headerFont = true;
    design.standardLogo = true;
    design.fontFace = "Courier New";
    design.fontPoints = 12;
    TillConfig config;
    applyInvoiceDesign(config, design);
    const InvoiceDesign loaded = loadInvoiceDesign(config);
    EXPECT_EQ(loaded.lines, design.lines);
    EXPECT_TRUE(loaded.barcode);
    EXPECT_FALSE(loaded.boxEncased);
    EXPECT_FALSE(loaded.customLogo);
    EXPECT_TRUE(loaded.headerFont);
    EXPECT_TRUE(loaded.standardLogo);
    EXPECT_EQ(loaded.fontFace, "Courier New");
    EXPECT_EQ(loaded.fontPoints, 12);
    EXPECT_EQ(invoiceFontCaption(loaded), "Courier New, 12 pt");
}

TEST(InvoiceDesign, OddChoicesAreKeptToWhatTheBlockHolds)
{
    struct Case {
        const char *name;
        int points;
        int storedPoints;
    };
    const Case cases[] = { { "no size", 0, 0 }, { "too large", 500, 0 }, { "negative", -3, 0 },
        { "largest", 72, 72 }, { "smallest", 1, 1 } };
    for (const Case &c : cases) {
        InvoiceDesign design;
        design.fontPoints = c.points;
        design.fontFace = std::string(60, 'F'); // longer than the 31 kept
        design.lines[0] = 500;
        design.lines[1] = -2;
        TillConfig config;
        applyInvoiceDesign(config, design);
        EXPECT_EQ(config.get(cfg::invoiceFontPoints), c.storedPoints) << c.name;
        EXPECT_EQ(config.text(cfg::invoiceFontFace), std::string(31, 'F')) << c.name;
        EXPECT_EQ(config.get(cfg::invoicePositions, 0), 80) << c.name;
        EXPECT_EQ(config.get(cfg::invoicePositions, 1), 0) << c.name;
    }
    // A new block shows Arial at 10 points.
    EXPECT_EQ(invoiceFontCaption(loadInvoiceDesign(TillConfig())), "Arial, 10 pt");
}

} // namespace
} // namespace ovix
