#include "till/logic/damaged_config.h"

#include "platform/c_format.h"
#include "platform/messages.h"
#include "store/till_config_defaults.h"
#include "store/till_config_file.h"
#include "store/till_config_repair.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace ovix {

namespace {

constexpr size_t kClerksListed = 8;
constexpr size_t kKindsListed = 6;

std::string joined(const std::vector<std::string> &parts)
{
    std::string text;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            text += i + 1 == parts.size() ? " and " : ", ";
        text += parts[i];
    }
    return text;
}

// The kinds of value found, the first few by name.
std::string foundText(const std::vector<std::string> &found)
{
    if (found.size() <= kKindsListed)
        return joined(found);
    std::vector<std::string> named(
        found.begin(), found.begin() + static_cast<std::ptrdiff_t>(kKindsListed));
    named.push_back(cformat("%d more", static_cast<int>(found.size() - kKindsListed)));
    return joined(named);
}

std::string sizeText(const TillConfigRepair &repair)
{
    const auto size = static_cast<long long>(repair.fileSize);
    const auto whole = static_cast<long long>(kTillConfigSize);
    if (size == 0)
        return "wr.cfg was empty: every setting starts empty.";
    if (size < whole)
        return cformat("wr.cfg was short: it held %lld of its %lld bytes. What it held was "
                       "loaded; the rest starts empty.",
            size, whole);
    return cformat("wr.cfg was too long: %lld bytes instead of %lld. Only the first %lld "
                   "were loaded.",
        size, whole, whole);
}

std::string passwordText(const std::vector<int> &clerks)
{
    if (clerks.size() == static_cast<size_t>(kClerkCount))
        return cformat("Every clerk now logs on with the password %s; please change it in "
                       "Operator setup.",
            kStandardClerkPassword);
    std::vector<std::string> numbers;
    for (size_t i = 0; i < clerks.size() && i < kClerksListed; ++i)
        numbers.push_back(cformat("%d", clerks[i]));
    if (clerks.size() > kClerksListed) {
        const int others = static_cast<int>(clerks.size() - kClerksListed);
        numbers.push_back(cformat("%d other%s", others, others == 1 ? "" : "s"));
    }
    return cformat("Clerk%s %s now log%s on with the password %s; please change it in "
                   "Operator setup.",
        clerks.size() == 1 ? "" : "s", joined(numbers).c_str(), clerks.size() == 1 ? "s" : "",
        kStandardClerkPassword);
}

} // namespace

std::string damagedConfigText(const TillConfigRepair &repair, const std::string &copyName)
{
    std::vector<std::string> lines;
    if (repair.wrongSize())
        lines.push_back(sizeText(repair));
    if (!repair.found.empty())
        lines.push_back("Values the till cannot use were set back to their standard values: "
            + foundText(repair.found) + ". Please check the settings.");
    if (!repair.passwordsSetBack.empty())
        lines.push_back(passwordText(repair.passwordsSetBack));
    lines.push_back("A copy of wr.cfg as it was found was kept as " + copyName + ".");
    std::string text;
    for (const std::string &line : lines) {
        if (!text.empty())
            text += "\n\n";
        text += line;
    }
    return text;
}

bool keepAndTellDamagedConfig(
    const DataDir &dir, const TillConfigRepair &repair, const LocalTime &now, Messages &messages)
{
    if (!repair.damaged())
        return true;
    std::string error;
    const std::optional<std::string> copy = keepTillConfigCopy(dir, now, &error);
    if (!copy) {
        reportProblem(messages,
            "wr.cfg is short or damaged, and no copy of it could be kept (" + error
                + "). The till did not start, so wr.cfg stays as it is.");
        return false;
    }
    reportProblem(messages, damagedConfigText(repair, *copy));
    return true;
}

} // namespace ovix
