#pragma once
// The till's clerks: who may log on, the log-on itself, the caption that shows
// who is serving, the operator set-up of one clerk and the "PASSWORD CONTROL"
// flags that keep restricted clerks (all but 1 and 2) away from parts of the till.
//
// Clerk names and passwords are Windows-1252 text as wr.cfg holds them, unless
// a function says otherwise.

#include "till/logic/commands.h"

#include <array>
#include <string>
#include <string_view>

namespace ovix {

class Messages;
class TillConfig;
class TillState;

inline constexpr int kFirstClerk = 1;
inline constexpr int kLastClerk = 99;
inline constexpr int kClerkNameLimit = 29;    // characters a name may hold
inline constexpr int kClerkPasswordLimit = 8; // digits a password may hold
inline constexpr int32_t kClerkAvailable = 0;
inline constexpr int32_t kClerkNotAvailable = 2;

// The window caption while nobody is logged on.
inline constexpr const char *kLoggedOffCaption = "OVIX Retail";

// Whether clerk 1-99 may log on: 1 and 2 always, whatever is stored; the others
// when their stored availability is 0. False for any other number.
bool clerkAvailable(const TillConfig &config, int clerk);

// "%d %s": the clerk's number and name, as the log-on selector shows it.
std::string clerkSelectorText(const TillConfig &config, int clerk);

// The clerk `step` places (+1 Up, -1 Down) from `from`, wrapping 99 -> 1 and
// 1 -> 99 and skipping clerks that are not available. A `from` outside 1-99
// counts as clerk 1. Never fails: clerks 1 and 2 are always available.
int nextAvailableClerk(const TillConfig &config, int from, int step);

// The number a selector text starts with (after blanks), or 0 when it does not
// start with digits. Numbers too large for a clerk come back as 0 too.
int selectorClerkNumber(std::string_view selectorText);

// Logs the clerk named by the selector on when the number is 1-99, the clerk
// is available and `password` equals the stored password exactly. An empty
// password never logs anyone on, whatever is stored. On success the clerk is stored
// as the current clerk and "Log on." with the clerk's number and name is
// appended to bun4.dat; a log that cannot be written is reported ("Unable to
// open bun4.dat") but the log-on stands. A refused log-on says nothing and
// changes nothing. The caller empties the basket and greys the menus.
bool logOn(TillState &state, std::string_view selectorText, std::string_view password,
           Messages &messages);

// The reminder shown while clerk 1 keeps the password every new data set
// starts with (kStandardClerkPassword).
inline constexpr const char *kStandardPasswordReminder =
    "Clerk 1 still has the password every new till starts with, which anyone "
    "may know. Please choose your own in Utilities, \"Operator setup\".";
inline constexpr const char *kStandardPasswordReminderCaption = "Password";

// After a log-on: when the logged-on clerk is clerk 1 and still has the
// standard password, shows the reminder once (an information box). True when
// it was shown. The log-on calls it once per successful log-on.
bool remindOfStandardPassword(const TillState &state, Messages &messages);

// "OVIX Retail    Assoc: <number>, <name>" for the logged-on clerk, in UTF-8
// for the screen.
std::string clerkCaption(const TillState &state);

// What the operator set-up of one clerk shows when it opens.
struct OperatorSetupForm {
    int clerk = 1;
    std::string name;     // Windows-1252
    bool available = true;
    bool availabilityFixed = true; // clerks 1 and 2: the box is ticked and greyed
    std::string password; // the stored one, so that OK alone keeps it
};
OperatorSetupForm operatorSetupForm(const TillConfig &config, int clerk);

// Asks which clerk to set up ("Please enter the clerk number (1-99):", "1"
// offered). Returns the clerk, or 0 when the question was cancelled, the
// answer was not 1-99 ("Outside range") or the logged-on clerk is restricted
// ("Administrator or manager", caption "Restricted access").
int askOperatorSetupClerk(const TillState &state, Messages &messages);

enum class OperatorSetupResult {
    Amended,
    OutsideRange,        // no clerk of that number
    NameTooLong,         // 30 characters or more
    NameEmpty,
    PasswordEmpty,       // an available clerk needs a password to log on
    PasswordTooLong,     // more than 8 characters, in either box
    PasswordsDoNotMatch,
    PasswordNotNumeric,  // anything but the digits 0-9
};

// Applies the operator set-up of `clerk`: everything is checked first and a
// problem is reported (caption "Problem") with nothing changed, so the dialog
// can stay open; an empty name, and an empty password for a clerk who stays
// available, are problems too. Otherwise the name is stored; when `available`
// (always for clerks 1 and 2) the password is stored and the clerk made available, else
// the clerk is made unavailable and keeps the old password (the password boxes
// are then not checked). Success is confirmed with "Amended" (caption "Clerk").
OperatorSetupResult applyOperatorSetup(TillConfig &config, int clerk, std::string_view name,
                                       bool available, std::string_view password,
                                       std::string_view repeat, Messages &messages);

// One tick per "PASSWORD CONTROL" item, in the order of UserControlItem.
using UserControlChoices = std::array<bool, kUserControlItems>;

// Only clerks 1 and 2 may open "User control"; for others the command does nothing.
bool mayChangeUserControl(const TillState &state);
UserControlChoices userControlChoices(const TillConfig &config);
// Stores every flag: 2 for a ticked item, 0 for a clear one.
void applyUserControl(TillConfig &config, const UserControlChoices &choices);

} // namespace ovix
