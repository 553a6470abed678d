#include "accounts/logic/customer_view.h"

#include "accounts/logic/customer_terms.h"
#include "platform/locale_text.h"
#include "store/fixed_text.h"
#include "store/time_stamp.h"

namespace ovix {

std::string shownStamp(std::string_view stamp)
{
    stamp = stamp.substr(0, stamp.find('\0'));
    if (stamp.empty())
        return {};
    // The time digits of logTimePrefix, then the date as the clerk reads it.
    const std::string prefix = logTimePrefix(stamp);
    return prefix.substr(0, 6) + showStampDate(stamp);
}

CustomerView customerView(const CustomerRecord &customer, const TillConfig &config)
{
    CustomerView view;
    view.fields = formOfRecord(customer);
    const std::string lastUsed = readText(customer.customer_last_used);
    if (lastUsed != "NEW")
        view.lastUsed = shownStamp(lastUsed);
    view.lastPayment = shownStamp(readText(customer.last_payment));
    view.terms = bandText(config, customerBand(customer));
    return view;
}

} // namespace ovix
