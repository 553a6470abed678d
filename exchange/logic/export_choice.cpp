#include "exchange/logic/export_choice.h"

#include "platform/messages.h"

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
    const std::string stem = subject == ExportSubject::Items ? "INVENTOR" : "CUSTOMER";
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
