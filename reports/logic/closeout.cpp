#include "reports/logic/closeout.h"

#include "platform/c_format.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "print/logic/print_device.h"
#include "store/activity_log.h"
#include "store/shop.h"
#include "store/till_config.h"
#include "store/till_config_file.h"
#include "store/time_stamp.h"

#include <cinttypes>
#include <cmath>
#include <cstdlib>
#include <string>

namespace ovix {

namespace {

int64_t cents(const TillConfig &config, DoubleField field)
{
    return moneyCents(config.get(field));
}

} // namespace

CloseoutFigures closeoutFigures(const TillConfig &config)
{
    CloseoutFigures f;
    f.initialTill = moneyCents(config.get(cfg::startOfDayTill));
    f.cash = cents(config, cfg::cashSales) + cents(config, cfg::cashBalancePayments);
    f.cashRefunds = cents(config, cfg::cashRefunds);
    f.pettyCash = -cents(config, cfg::pettyCash);
    f.cashBack = -cents(config, cfg::cashBack);
    f.totalCash = f.initialTill + f.cash + f.cashRefunds + f.pettyCash + f.cashBack;
    f.cheque = cents(config, cfg::chequeSales) + cents(config, cfg::chequeBalancePayments);
    f.chequeRefunds = cents(config, cfg::chequeRefunds);
    f.eft = cents(config, cfg::eftSales) + cents(config, cfg::eftBalancePayments);
    f.eftRefunds = cents(config, cfg::eftRefunds);
    f.tillTotal = f.totalCash + f.cheque + f.chequeRefunds + f.eft + f.eftRefunds;
    return f;
}

std::vector<CloseoutRow> closeoutRows(const CloseoutFigures &f)
{
    return {
        {"Initial till", f.initialTill},
        {"Cash", f.cash},
        {"Cash refunds", f.cashRefunds},
        {"Petty cash", f.pettyCash},
        {"Cash back", f.cashBack},
        {"Total cash", f.totalCash},
        {"Ch", f.cheque},
        {"Ch refunds", f.chequeRefunds},
        {"EFT", f.eft},
        {"EFT refunds", f.eftRefunds},
        {"Till total", f.tillTotal},
    };
}

std::string closeoutLogText(const CloseoutFigures &f, const CloseoutClerk &clerk,
    const LocalTime &now)
{
    std::string text = "\r\nTill closeout: " + logTimePrefix(makeTimeStamp(now)) + "\r\n";
    text += cformat("Assoc: %" PRId64 ", %s\r\n", clerk.number, clerk.name.c_str());
    const auto line = [&text](const char *caption, int64_t amount) {
        text += std::string(caption) + ": " + centsText(amount) + "\r\n";
    };
    line("Initial till", f.initialTill);
    line("Cash", f.cash);
    line("Cash refunds", f.cashRefunds);
    line("Petty cash", -f.pettyCash);
    line("Cash back", -f.cashBack);
    line("Total cash", f.totalCash);
    line("Ch", f.cheque);
    line("Ch refunds", f.chequeRefunds);
    line("EFT", f.eft);
    line("EFT refunds", f.eftRefunds);
    line("Till total", f.tillTotal);
    return text;
}

void printCloseout(PrintDevice &device, const std::string &storeName,
    const CloseoutFigures &f, const CloseoutClerk &clerk, const LocalTime &now)
{
    const int lineHeight = device.lineHeight();
    const auto row = [&device, lineHeight](int number, const std::string &text) {
        device.drawText(0, number * lineHeight, text, TextAlign::Left);
    };
    const auto figure = [&row](int number, const char *caption, int64_t amount) {
        row(number, std::string(caption) + ": " + centsText(amount));
    };
    row(0, storeName + "  Till closeout");
    row(1, logTimePrefix(makeTimeStamp(now)));
    row(2, cformat("Assoc: %" PRId64 ", %s", clerk.number, clerk.name.c_str()));
    figure(4, "Initial till", f.initialTill);
    figure(5, "Cash", f.cash);
    figure(6, "Cash refunds", f.cashRefunds);
    figure(7, "Petty cash", f.pettyCash);
    figure(8, "Cash back", f.cashBack);
    figure(9, "Total cash", f.totalCash);
    figure(11, "Ch", f.cheque);
    figure(12, "Ch refunds", f.chequeRefunds);
    figure(13, "EFT", f.eft);
    figure(14, "EFT refunds", f.eftRefunds);
    figure(16, "Till total", f.tillTotal);
}

bool logCloseout(const DataDir &dir, const CloseoutFigures &figures, const CloseoutClerk &clerk,
    const LocalTime &now, Messages &messages)
{
    if (appendToLog(dir, closeoutLogText(figures, clerk, now)))
        return true;
    reportFatal(messages, "Data file: bun4.dat, not present.");
    return false;
}

double typedAmount(std::string_view text)
{
    const std::string copy(text);
    const double value = std::strtod(copy.c_str(), nullptr);
    return std::isfinite(value) ? value : 0.0;
}

bool recordPettyCash(Shop &shop, Messages &messages)
{
    const std::optional<std::string> entry
        = messages.askText("Please enter the amount", "Petty cash payment");
    if (!entry)
        return false;
    const double amount = typedAmount(*entry);
    if (amount < 0) {
        reportProblem(messages, "Negative amount");
        return false;
    }
    const int64_t paid = moneyCents(shop.config.get(cfg::pettyCash)) + moneyCents(amount);
    shop.config.set(cfg::pettyCash, static_cast<double>(paid) / 100.0);
    storeTillConfig(shop.dir, shop.config, messages, TillConfigStoreMoment::AfterTransaction);
    reportInfo(messages, "Recorded", "Petty cash payment");
    return true;
}

} // namespace ovix
