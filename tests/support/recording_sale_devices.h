#pragma once
// The finishing devices of a sale as the tests see them: nothing opens,
// shows or prints; every request is written down in order, so a test can
// check what a sale asked for and when.

#include "platform/c_format.h"
#include "sales/logic/basket.h"
#include "sales/logic/sale_devices.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ovix::test {

class RecordingSaleDevices final : public SaleDevices {
public:
    void openDrawer() override
    {
        calls.push_back("drawer");
    }
    void poleShowTotal(double total) override
    {
        calls.push_back(cformat("total %.2f", total));
    }
    void poleShowTenderAndChange(double tendered, double change) override
    {
        calls.push_back(cformat("pole %.2f %.2f", tendered, change));
    }
    void showSummary(const Basket &archived, const Tender &tender) override
    {
        calls.push_back("summary");
        summaryNumber = archived.transactionNumber;
        summaryTender = tender;
        if (onSummary)
            onSummary(archived);
    }
    // "print N D": N the document's number, D 1 when through the print dialog.
    void printDocument(
        PrintDocument document, const Basket &, const Tender &, bool throughPrintDialog) override
    {
        calls.push_back(
            cformat("print %d %d", static_cast<int>(document), throughPrintDialog ? 1 : 0));
    }

    // "drawer", "total 12.59", "pole 20.00 7.41", "summary", "print 1 0", in order.
    std::vector<std::string> calls;
    // The transaction number and tender the summary box last showed.
    int64_t summaryNumber = 0;
    Tender summaryTender;
    // Run as the summary box comes up, to look at the files at that moment.
    std::function<void(const Basket &archived)> onSummary;
};

} // namespace ovix::test
