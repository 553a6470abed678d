#pragma once
// The overdue-balance reminder mailed to one customer (Windows-1252, CR LF
// lines).

#include "comms/logic/smtp_mail.h"
#include "platform/clock.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ovix {

class Messages;
class Shop;
class StoreHeading;

// Header (to the customer's own address), the two heading lines, "Overdue
// reminder" with the time and date, the customer's number and balance and the
// closing request. The balance is mailed whatever its sign.
std::string debtorMailText(const StoreHeading &heading, std::string_view from,
    std::string_view customerEmail, int64_t customerNumber, double balance, const LocalTime &now);

// The reminder to customer `number` from `settings`' sender, made from the
// customer's record now. Nothing, with a message (caption "Problem"), when the
// customer cannot be read, has no Email ("No email address") or an Email
// holding a line break or other control character.
std::optional<OutgoingMail> debtorMail(const Shop &shop, const MailSettings &settings,
    int64_t number, const LocalTime &now, Messages &messages);

} // namespace ovix
