#include "exchange/logic/export_choice.h"

#include "platform/messages.h"
#include "platform/number_text.h"
#include "store/shop.h"

#include <algorithm>

namespace ovix {

const std::array<const char *, kExportFieldCount> &exportFieldNames(ExportSubject subject)
{
    static const std::array<const char *, kExportFieldCount> items = { "Number", "Description",
        "SKU 1", "SKU 2", "Cost", "Display category", "Retail price", "In stock",
        "Reorder level", "Taxable" };
    static const std::array<const char *, kExportFieldCount> customers = { "Number", "Company",
        "Address 1", "Address 2", "Address 3", "Address 4", "Telephone", "Taxable", "Balance",
        "Credit limit" };
    return subject == ExportSubject::Items ? items : customers;
}

const char *exportFieldTitle(ExportSubject subject)
{
    return subject == ExportSubject::Items ? "Inventory database" : "Customer database";
}

bool exportRangeValid(const ExportChoice &choice, Messages &messages)
{
    if (choice.start <= 0 || choice.finish < choice.start) {
        reportProblem(messages, "Invalid range");
        return false;
    }
    return true;
}

bool setExportRange(ExportChoice &choice, std::string_view start, std::string_view finish,
    Messages &messages)
{
    const std::optional<int64_t> first = wholeNumber(start);
    const std::optional<int64_t> last = wholeNumber(finish);
    ExportChoice typed = choice;
    typed.start = first.value_or(0);
    typed.finish = last.value_or(0);
    if (!first || !last) {
        reportProblem(messages, "Invalid range");
        return false;
    }
    if (!exportRangeValid(typed, messages))
        return false;
    choice = typed;
    return true;
}

int64_t highestExportNumber(const Shop &shop, ExportSubject subject)
{
    const RecordIndex &index
        = subject == ExportSubject::Items ? shop.items.index() : shop.customers.index();
    if (index.size() == 0)
        return 0;
    const int64_t last = index[index.size() - 1].number;
    return last > 0 ? last : 0;
}

bool exportFieldsChosen(const ExportChoice &choice, Messages &messages)
{
    if (choice.format == ExportFormat::Xml || choice.entire
        || std::ranges::any_of(choice.fields, [](bool ticked) { return ticked; }))
        return true;
    reportProblem(messages, "No field is ticked to export.");
    return false;
}

std::string defaultExportFileName(ExportSubject subject, ExportFormat format)
{
    std::string stem = subject == ExportSubject::Items ? "INVENTOR" : "CUSTOMER";
    switch (format) {
    case ExportFormat::Text: return stem + ".TXT";
    case ExportFormat::Html: return stem + ".HTM";
    case ExportFormat::Xml: return stem + ".XML";
    }
    return stem;
}

const char *exportFilePrompt(ExportSubject subject)
{
    return subject == ExportSubject::Items ? "Enter the inventory file path/name:"
                                           : "Enter the customer file path/name:";
}

} // namespace ovix
