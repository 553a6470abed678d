#include "accounts/logic/customer_form.h"

#include "accounts/logic/customer_terms.h"
#include "comms/logic/mail_settings.h"
#include "platform/c_format.h"
#include "platform/cp1252.h"
#include "platform/leading_number.h"
#include "platform/number_text.h"
#include "store/fixed_text.h"

#include <algorithm>
#include <charconv>
#include <cinttypes>
#include <cmath>
#include <cstring>
#include <limits>

namespace ovix {

namespace {

#define CUSTOMER_FIELD(object, label, member, field, maxChars, upper)                              \
    CustomerTextField                                                                              \
    {                                                                                              \
        object, label, &CustomerForm::member, offsetof(CustomerRecord, field),                     \
            sizeof(CustomerRecord::field), maxChars, upper                                         \
    }

constexpr CustomerTextField kTextFields[] = {
    CUSTOMER_FIELD("name", "Name", name, name, 29, true),
    CUSTOMER_FIELD("road", "Road", road, road, 29, true),
    CUSTOMER_FIELD("area", "Area", area, area, 29, true),
    CUSTOMER_FIELD("town", "Town", town, town, 19, true),
    CUSTOMER_FIELD("postcode", "Zip / Post", postcode, postcode, 9, true),
    CUSTOMER_FIELD("telephone", "Telephone", telephone, telephone, 19, true),
    CUSTOMER_FIELD("extension", "Ext", extension, telephone_extension, 19, true),
    CUSTOMER_FIELD("telephone2", "Telephone 2", telephone2, telephone2, 19, true),
    CUSTOMER_FIELD("email", "Email", email, email, 39, false),
    CUSTOMER_FIELD("fax", "Fax", fax, fax, 19, true),
    CUSTOMER_FIELD("contact", "Contact", contact, contact, 29, true),
    CUSTOMER_FIELD("notes", "Notes", notes, customer_notes, 79, false),
    CUSTOMER_FIELD("comment", "Comment", comment, comment, 29, true),
    CUSTOMER_FIELD("comment2", "Comment 2", comment2, comment2, 29, true),
    CUSTOMER_FIELD("creditCard", "Credit card 1", creditCard, credit_card, 39, true),
    CUSTOMER_FIELD("creditCardExpiry", "Exp", creditCardExpiry, credit_card_expiry, 7, true),
    CUSTOMER_FIELD("creditCard2", "Credit card 2", creditCard2, credit_card_2, 29, true),
    CUSTOMER_FIELD("creditCard2Expiry", "Exp", creditCard2Expiry, credit_card_2_expiry, 9, true),
    CUSTOMER_FIELD("shippingName", "Shipping name", shippingName, shipping_address_1, 55, true),
    CUSTOMER_FIELD("shippingRoad", "Road", shippingRoad, shipping_address_2, 29, true),
    CUSTOMER_FIELD("shippingArea", "Area", shippingArea, shipping_address_3, 29, true),
    CUSTOMER_FIELD("shippingTown", "Town", shippingTown, shipping_address_4, 29, true),
    CUSTOMER_FIELD("shippingPostcode", "Zip / Post", shippingPostcode, shipping_address_5, 9,
        true),
};

#undef CUSTOMER_FIELD

constexpr bool fieldsFitTheirRecordFields()
{
    for (const CustomerTextField &field : kTextFields) {
        if (field.maxChars + 1 > field.width || field.offset + field.width > kCustomerRecordSize)
            return false;
    }
    return true;
}
static_assert(fieldsFitTheirRecordFields(), "a box keeps more than its record field holds");

std::string boxText(std::string_view typed, size_t maxChars)
{
    return std::string(typed.substr(0, std::min(typed.size(), maxChars)));
}

// The leading decimal number of an amount box, rounded to whole cents; 0
// when it holds none.
float typedAmount(std::string_view text)
{
    text = boxText(trimBlanks(text), kCustomerNumberChars);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    (void)end;
    if (error != std::errc() || !std::isfinite(value))
        return 0;
    return static_cast<float>(roundMoney(value));
}

int32_t typedInt32(std::string_view text)
{
    const LeadingNumber parsed = parseLeadingNumber(boxText(text, kCustomerNumberChars));
    return static_cast<int32_t>(std::clamp<int64_t>(parsed.value,
        std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

std::optional<std::string> nameAndGroupProblem(const CustomerForm &form)
{
    if (boxText(form.name, 29).size() < 2)
        return "The name must have at least two characters.";
    const std::optional<int64_t> group = typedWholeNumber(form.group);
    if (!group || *group < kLowestGroup || *group > kHighestGroup)
        return "Invalid category (1-2000)";
    // The address goes into the mail dialogue: a line break there would add commands.
    if (holdsControlCharacter(form.email))
        return kEmailControlProblem;
    return std::nullopt;
}

std::string amountText(float amount)
{
    return cformat("%.2f", static_cast<double>(amount));
}

} // namespace

std::span<const CustomerTextField> customerTextFields()
{
    return kTextFields;
}

std::optional<int64_t> typedWholeNumber(std::string_view text)
{
    const LeadingNumber parsed = parseLeadingNumber(boxText(text, kCustomerNumberChars));
    if (parsed.outOfRange)
        return std::nullopt;
    return parsed.value;
}

std::optional<int64_t> formCustomerNumber(const CustomerForm &form)
{
    const std::optional<int64_t> number = typedWholeNumber(form.number);
    if (!number || *number < kLowestCustomerNumber || *number > kHighestCustomerNumber)
        return std::nullopt;
    return number;
}

std::optional<std::string> newCustomerProblem(const CustomerForm &form)
{
    if (!formCustomerNumber(form))
        return "Number outside range.";
    return nameAndGroupProblem(form);
}

std::optional<std::string> amendmentProblem(const CustomerForm &form, int64_t number)
{
    const std::optional<int64_t> typed = typedWholeNumber(form.number);
    if (!typed || *typed != number)
        return "Number cannot be changed";
    return nameAndGroupProblem(form);
}

CustomerForm formOfRecord(const CustomerRecord &customer)
{
    CustomerForm form;
    const auto *bytes = reinterpret_cast<const char *>(&customer);
    for (const CustomerTextField &field : kTextFields) {
        std::string text
            = boxText(readFixedText(bytes + field.offset, field.width), field.maxChars);
        (form.*field.text).swap(text);
    }
    form.number = cformat("%" PRId64, +customer.number);
    form.taxable = std::string(1, customer.tax == 0 ? '0' : '1');
    form.group = cformat("%d", +customer.group);
    form.transactions = cformat("%d", +customer.transactions);
    form.totalPurchases = amountText(customer.total_purchases);
    form.balance = amountText(customer.balance);
    form.creditLimit = amountText(customer.credit_limit);
    form.termsIndex = customerBand(customer) - 1;
    return form;
}

void applyForm(const CustomerForm &form, CustomerRecord &customer, bool withBalance)
{
    auto *bytes = reinterpret_cast<char *>(&customer);
    for (const CustomerTextField &field : kTextFields) {
        std::string text = boxText(form.*field.text, field.maxChars);
        if (field.upperCase)
            text = toUpperCp1252(text);
        writeFixedText(bytes + field.offset, field.width, text);
    }
    customer.number = typedWholeNumber(form.number).value_or(0);
    customer.tax = form.taxable == "0" ? 0 : 1;
    customer.group = typedInt32(form.group);
    customer.transactions = typedInt32(form.transactions);
    customer.total_purchases = typedAmount(form.totalPurchases);
    customer.credit_limit = typedAmount(form.creditLimit);
    if (withBalance)
        customer.balance = typedAmount(form.balance);
    customer.terms = std::clamp(form.termsIndex, 0, kCustomerBands - 1) + 1;
}

} // namespace ovix
