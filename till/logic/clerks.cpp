#include "till/logic/clerks.h"

#include "platform/c_format.h"
#include "platform/cp1252.h"
#include "platform/messages.h"
#include "store/activity_log.h"
#include "store/till_config_defaults.h"
#include "store/time_stamp.h"
#include "sales/logic/till_state.h"

#include <cinttypes>

namespace ovix {

namespace {

bool isClerkNumber(int clerk)
{
    return clerk >= kFirstClerk && clerk <= kLastClerk;
}

bool allDigits(std::string_view text)
{
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

// A whole answer that is a clerk number (blanks around it allowed), else 0.
int wholeClerkNumber(std::string_view text)
{
    size_t first = text.find_first_not_of(' ');
    size_t last = text.find_last_not_of(' ');
    if (first == std::string_view::npos)
        return 0;
    std::string_view digits = text.substr(first, last - first + 1);
    if (!allDigits(digits))
        return 0;
    return selectorClerkNumber(digits);
}

} // namespace

bool clerkAvailable(const TillConfig &config, int clerk)
{
    if (!isClerkNumber(clerk))
        return false;
    return clerk == 1 || clerk == 2 || config.clerkAvailability(clerk) == kClerkAvailable;
}

std::string clerkSelectorText(const TillConfig &config, int clerk)
{
    return cformat("%d %s", clerk, config.clerkName(clerk).c_str());
}

int nextAvailableClerk(const TillConfig &config, int from, int step)
{
    int clerk = isClerkNumber(from) ? from : kFirstClerk;
    int direction = step < 0 ? -1 : 1;
    for (int tried = 0; tried < kLastClerk; ++tried) {
        clerk += direction;
        if (clerk > kLastClerk)
            clerk = kFirstClerk;
        if (clerk < kFirstClerk)
            clerk = kLastClerk;
        if (clerkAvailable(config, clerk))
            return clerk;
    }
    return kFirstClerk;
}

int selectorClerkNumber(std::string_view selectorText)
{
    size_t at = selectorText.find_first_not_of(' ');
    if (at == std::string_view::npos)
        return 0;
    int number = 0;
    bool anyDigit = false;
    for (; at < selectorText.size() && selectorText[at] >= '0' && selectorText[at] <= '9'; ++at) {
        anyDigit = true;
        number = number * 10 + (selectorText[at] - '0');
        if (number > kLastClerk)
            return 0;
    }
    return anyDigit ? number : 0;
}

bool logOn(TillState &state, std::string_view selectorText, std::string_view password,
           Messages &messages)
{
    const int clerk = selectorClerkNumber(selectorText);
    if (!clerkAvailable(state.config, clerk))
        return false;
    if (password.empty() || password != state.config.clerkPassword(clerk))
        return false;

    state.config.set(cfg::currentClerk, clerk);
    const std::string lines = "\r\n" + logTimePrefixNow() + "  Log on.\r\n"
        + cformat("Clerk: %" PRId64 ", %s\r\n", static_cast<int64_t>(clerk),
                  state.config.clerkName(clerk).c_str());
    if (!appendToLog(state.dir, lines))
        reportProblem(messages, "Unable to open bun4.dat");
    return true;
}

bool remindOfStandardPassword(const TillState &state, Messages &messages)
{
    if (state.clerk() != 1 || state.config.clerkPassword(1) != kStandardClerkPassword)
        return false;
    reportInfo(messages, kStandardPasswordReminder, kStandardPasswordReminderCaption);
    return true;
}

std::string clerkCaption(const TillState &state)
{
    const int64_t clerk = state.clerk();
    return cformat("OVIX Retail    Assoc: %" PRId64 ", %s", clerk,
                   toUtf8(state.config.clerkName(static_cast<int>(clerk))).c_str());
}

OperatorSetupForm operatorSetupForm(const TillConfig &config, int clerk)
{
    OperatorSetupForm form;
    form.clerk = clerk;
    form.name = config.clerkName(clerk);
    form.availabilityFixed = clerk == 1 || clerk == 2;
    form.available = clerkAvailable(config, clerk);
    form.password = config.clerkPassword(clerk);
    return form;
}

int askOperatorSetupClerk(const TillState &state, Messages &messages)
{
    if (state.restricted()) {
        reportProblem(messages, "Administrator or manager", "Restricted access");
        return 0;
    }
    std::optional<std::string> answer =
        messages.askText("Please enter the clerk number (1-99):", "Operator setup", "1");
    if (!answer)
        return 0;
    const int clerk = wholeClerkNumber(*answer);
    if (!isClerkNumber(clerk)) {
        reportProblem(messages, "Outside range");
        return 0;
    }
    return clerk;
}

OperatorSetupResult applyOperatorSetup(TillConfig &config, int clerk, std::string_view name,
                                       bool available, std::string_view password,
                                       std::string_view repeat, Messages &messages)
{
    if (!isClerkNumber(clerk)) {
        reportProblem(messages, "Outside range");
        return OperatorSetupResult::OutsideRange;
    }
    if (name.size() > static_cast<size_t>(kClerkNameLimit)) {
        reportProblem(messages, "Name too long");
        return OperatorSetupResult::NameTooLong;
    }
    if (name.empty()) {
        reportProblem(messages, "Please enter a name for the clerk");
        return OperatorSetupResult::NameEmpty;
    }
    const bool keepsPassword = !available && clerk != 1 && clerk != 2;
    if (!keepsPassword) {
        if (password.empty() && repeat.empty()) {
            reportProblem(messages, "Please enter a password of 1 to 8 digits");
            return OperatorSetupResult::PasswordEmpty;
        }
        const size_t limit = static_cast<size_t>(kClerkPasswordLimit);
        if (password.size() > limit || repeat.size() > limit) {
            reportProblem(messages, "Password too long");
            return OperatorSetupResult::PasswordTooLong;
        }
        if (password != repeat) {
            reportProblem(messages, "Passwords do not match");
            return OperatorSetupResult::PasswordsDoNotMatch;
        }
        if (!allDigits(password)) {
            reportProblem(messages, "Passwords must be numeric upto 8 characters");
            return OperatorSetupResult::PasswordNotNumeric;
        }
    }

    config.setClerkName(clerk, name);
    if (keepsPassword) {
        config.setClerkAvailability(clerk, kClerkNotAvailable);
    } else {
        config.setClerkPassword(clerk, password);
        config.setClerkAvailability(clerk, kClerkAvailable);
    }
    reportInfo(messages, "Amended", "Clerk");
    return OperatorSetupResult::Amended;
}

bool mayChangeUserControl(const TillState &state)
{
    return !state.restricted();
}

UserControlChoices userControlChoices(const TillConfig &config)
{
    UserControlChoices choices{};
    for (int i = 0; i < kUserControlItems; ++i)
        choices[static_cast<size_t>(i)] = userControlSet(config, static_cast<UserControlItem>(i));
    return choices;
}

void applyUserControl(TillConfig &config, const UserControlChoices &choices)
{
    for (size_t i = 0; i < choices.size(); ++i)
        config.set(cfg::userControl, i, choices[i] ? 2 : 0);
}

} // namespace ovix
