#pragma once
// A customer's terms: the band 1 to 8 kept in the record, which names one of
// the shop's eight bands of a credit period and a discount (configuration,
// "Terms" page). The texts are what the customer dialog and the customer
// details sheet show, such as "30 days, " followed by "2% disc".

#include <array>
#include <string>

namespace ovix {

struct CustomerRecord;
class TillConfig;

inline constexpr int kCustomerBands = 8;

// The band of `customer`: its terms field clamped to 1..8, so that a damaged
// record never picks a band that does not exist.
int customerBand(const CustomerRecord &customer);

// The period text of a band's period code ("No credit, ", "10 days, ", ...,
// "180 days, ") and the discount text of its discount code ("Nett",
// "2% disc", ..., "50% disc"); codes outside 1..8 read as 1.
const char *periodText(int periodCode);
const char *discountText(int discountCode);

// The text of band `band` (1..8, else band 1) as the shop has set it up: the
// period text followed by the discount text, e.g. "30 days, 2% disc".
std::string bandText(const TillConfig &config, int band);

// The eight bands' texts, band 1 first: the choices of the Terms list.
std::array<std::string, kCustomerBands> bandTexts(const TillConfig &config);

} // namespace ovix
