#include "reports/logic/day_items_csv.h"

#include "platform/c_format.h"
#include "platform/data_dir.h"
#include "platform/file.h"
#include "sales/logic/sales_archive.h"
#include "store/fixed_text.h"

#include <unordered_map>
#include <vector>

namespace ovix {

namespace {

void appendLine(std::string &text, const SoldItemRecord &line, const TransactionRecord &sale,
    bool withCategory)
{
    const SoldItemRecord copy = line; // packed fields read through a copy
    text += cformat("%lld,", static_cast<long long>(copy.itemNumber));
    text += readFixedText(copy.description, sizeof copy.description);
    text += ',';
    if (withCategory)
        text += cformat("%lld,", static_cast<long long>(copy.category));
    text += cformat("%.2f,%.2f,%.2f,%.2f,%.2f,%.2f,", double(copy.nonTaxable),
        double(copy.taxable), double(copy.taxOne), double(copy.taxTwo), double(copy.cost),
        double(copy.total));
    text += cformat("%lld,%d,", static_cast<long long>(copy.transactionNumber),
        static_cast<int>(copy.clerkNumber));
    text += readFixedText(sale.paymentType, sizeof sale.paymentType);
    text += "\r\n";
}

} // namespace

DayItemsCsv dayItemsCsv(const DataDir &dir, int year, int month, int day, bool withCategory)
{
    DayItemsCsv result;
    if (!fileExists(dir.path(dayFileName(year, month, day, kSalesLogName)))) {
        result.status = DayItemsCsvStatus::NoSalesLog;
        return result;
    }
    if (!fileExists(dir.path(dayFileName(year, month, day, kItemsLogName)))) {
        result.status = DayItemsCsvStatus::NoItemsLog;
        return result;
    }
    const auto transactions = readDayTransactions(dir, year, month, day);
    const auto lines = readDayLines(dir, year, month, day);
    if (!transactions || !lines) {
        result.status = DayItemsCsvStatus::Unreadable;
        return result;
    }

    // The lines of each transaction number, in file order, so that each
    // transaction finds its lines without a walk over the whole day.
    std::unordered_map<int64_t, std::vector<size_t>> linesOf;
    for (size_t i = 0; i < lines->size(); ++i) {
        const int64_t number = (*lines)[i].transactionNumber; // a copy: the field is packed
        linesOf[number].push_back(i);
    }

    for (const TransactionRecord &sale : *transactions) {
        const char kind = sale.paymentType[0];
        if (kind == 'P' || kind == 'R')
            continue;
        const int64_t number = sale.transactionNumber;
        const auto found = linesOf.find(number);
        if (found == linesOf.end())
            continue;
        for (const size_t i : found->second)
            appendLine(result.text, (*lines)[i], sale, withCategory);
    }
    return result;
}

} // namespace ovix
