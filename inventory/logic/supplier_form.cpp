#include "inventory/logic/supplier_form.h"

#include "platform/leading_number.h"
#include "store/fixed_text.h"
#include "store/record_kinds.h"

#include <algorithm>

namespace ovix {

namespace {

#define OVIX_SUPPLIER_FIELD(label, name, field, entered, capitals, lines)                          \
    SupplierField                                                                                  \
    {                                                                                              \
        label, name, offsetof(SupplierRecord, field), sizeof(SupplierRecord::field), entered,      \
            capitals, lines                                                                        \
    }

constexpr std::array<SupplierField, kSupplierFieldCount> kFields = {
    OVIX_SUPPLIER_FIELD("Name", "name", name, 40, true, false),
    OVIX_SUPPLIER_FIELD("Road", "road", road, 28, true, false),
    OVIX_SUPPLIER_FIELD("Area", "area", area, 28, true, false),
    OVIX_SUPPLIER_FIELD("Town", "town", town, 28, true, false),
    OVIX_SUPPLIER_FIELD("Zip / Post", "postcode", postcode, 8, true, false),
    OVIX_SUPPLIER_FIELD("Telephone 1", "telephone", telephone, 18, true, false),
    OVIX_SUPPLIER_FIELD("Ext", "extension", telephone_extension, 18, false, false),
    OVIX_SUPPLIER_FIELD("Telephone 2", "telephone2", telephone2, 18, true, false),
    OVIX_SUPPLIER_FIELD("Email", "email", email, 38, false, false),
    OVIX_SUPPLIER_FIELD("Fax", "fax", fax, 18, true, false),
    OVIX_SUPPLIER_FIELD("Contact", "contact", contact, 58, true, false),
    OVIX_SUPPLIER_FIELD("Origination", "origination", origination, 38, true, false),
    OVIX_SUPPLIER_FIELD("Comment 1", "comment", comment, 28, true, false),
    OVIX_SUPPLIER_FIELD("Comment 2", "comment2", comment2, 38, true, false),
    OVIX_SUPPLIER_FIELD("Credit limit", "creditLimit", credit_limit, 38, false, false),
    OVIX_SUPPLIER_FIELD("Terms", "terms", terms, 38, true, false),
    OVIX_SUPPLIER_FIELD("Notes", "notes", supplier_notes, 198, false, true),
};

#undef OVIX_SUPPLIER_FIELD

// Every box keeps room for the terminator and lies inside the record.
constexpr bool fieldsFit()
{
    for (const SupplierField &field : kFields) {
        if (field.entered + 1 > field.width || field.offset + field.width > kSupplierRecordSize)
            return false;
    }
    return true;
}
static_assert(fieldsFit());

char *fieldOf(SupplierRecord &record, const SupplierField &field)
{
    return reinterpret_cast<char *>(&record) + field.offset;
}

const char *fieldOf(const SupplierRecord &record, const SupplierField &field)
{
    return reinterpret_cast<const char *>(&record) + field.offset;
}

} // namespace

std::span<const SupplierField, kSupplierFieldCount> supplierFields()
{
    return kFields;
}

int64_t typedSupplierNumber(std::string_view text)
{
    const LeadingNumber typed = parseLeadingNumber(text.substr(0, kSupplierNumberWidth));
    return typed.outOfRange ? -1 : typed.value;
}

int64_t suggestedSupplierNumber(const RecordFile<SupplierRecord> &suppliers)
{
    return suppliers.offerNumber(0);
}

SupplierForm newSupplierForm(const RecordFile<SupplierRecord> &suppliers)
{
    SupplierForm form;
    form.number = std::to_string(suggestedSupplierNumber(suppliers));
    return form;
}

SupplierForm formOfSupplier(const SupplierRecord &record)
{
    SupplierForm form;
    form.number = std::to_string(+record.number);
    for (size_t i = 0; i < kFields.size(); ++i)
        form.texts[i] = readFixedText(fieldOf(record, kFields[i]), kFields[i].width);
    return form;
}

void applySupplierForm(const SupplierForm &form, SupplierRecord &record)
{
    record.number = typedSupplierNumber(form.number);
    for (size_t i = 0; i < kFields.size(); ++i) {
        const SupplierField &field = kFields[i];
        char *bytes = fieldOf(record, field);
        if (form.texts[i] == readFixedText(bytes, field.width))
            continue;
        const std::string_view typed = form.texts[i];
        writeFixedText(bytes, field.width, typed.substr(0, field.entered));
    }
}

} // namespace ovix
