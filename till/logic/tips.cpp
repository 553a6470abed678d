#include "till/logic/tips.h"

#include "store/till_config.h"

#include <array>

namespace ovix {

namespace {

constexpr std::array<std::string_view, kTipCount> kTips = {
    "Press F9 to log off when you leave the counter. The next clerk logs on with "
    "their own number and password, and every sale carries their number.",
    "Type an item number and press Enter to add it to the basket. With an empty item "
    "box, Enter opens the item search instead.",
    "To sell several of the same item, type the quantity in the item box and press "
    "\"Repeat last\": the last item is added that many more times.",
    "Select a line in the basket and press \"Remove highlighted item\" to void it. "
    "\"Empty basket\" abandons the whole sale.",
    "F5 opens the cash box. Type the amount handed over, in cents with no point "
    "(2000 for 20.00), and the till shows the change.",
    "F7 takes a card payment and F6 puts the sale on a customer's account. F5, F6 "
    "and F7 are the same as the payment buttons beside the keypad.",
    "Leaving the till for a report or for stock maintenance empties the basket, so "
    "finish or save the sale first.",
    "\"Save basket\" (Ctrl+W) parks a sale while you serve someone else; \"Reload "
    "basket\" (Ctrl+X) brings it back.",
    "F2 finds an item by number, Ctrl+N by the start of its description, and Find "
    "that contain by any part of it.",
    "Use Inventory, Inventory received (Ctrl+V) when a delivery arrives: stock levels "
    "go up and the delivery is kept for the received report.",
    "Set reorder levels on your items and print Reports, Reorder list before you "
    "phone your suppliers.",
    "Utilities, Backup copies all the shop's data files to a folder of your choice. "
    "Back up at the end of every day, to a stick you take home.",
    "Utilities, Configuration (Ctrl+C) holds the shop's settings: categories, tax "
    "names, the cash float at the start of the day and more.",
    "Utilities, Tax setup sets the tax rates in hundredths of a percent: 20% is "
    "entered as 2000.",
    "Utilities, Store print heading sets the shop name and address printed at the "
    "top of receipts, invoices and reports.",
    "Give each clerk their own password in Utilities, Operator setup, and limit what "
    "they may do in User control (Ctrl+P).",
    "The activity log keeps every sale, refund and log-on with its time. Look at it "
    "under Activity, Display log file.",
    "Activity, Activity summary (F12) shows today's takings by cash, cheque, card "
    "and account at a glance.",
    "At the end of the day run Reports, Till closeout and count the drawer against "
    "what the till expects.",
    "Customers, Add (Ctrl+A) opens a new customer. Ctrl+J finds a customer by number "
    "or by the start of the name.",
    "Reminders, Add today (Ctrl+R) notes something for today; the till tells you "
    "about the day's reminders when it starts.",
    "The arrow keys Left and Right step through the categories of the picture "
    "buttons, Up and Down page through the items of one category.",
    "F8 opens the cash drawer without a sale, for giving change or checking the "
    "float.",
    "Transactions, Display transaction (F11) finds an earlier sale by its number, "
    "to reprint its receipt or to refund it.",
    "Utilities, Sound effects turns the key clicks on and off; Button tips turns "
    "these little help texts over the buttons on and off.",
    "F1 opens the help pages in your web browser. They explain logging on, ringing "
    "up and taking payment step by step.",
};

} // namespace

std::string_view tipText(int index)
{
    int wrapped = index % kTipCount;
    if (wrapped < 0)
        wrapped += kTipCount;
    return kTips[static_cast<size_t>(wrapped)];
}

int takeTipOfTheDay(TillConfig &config)
{
    int index = config.get(cfg::tipIndex);
    if (index < 0 || index >= kTipCount)
        index = 0;
    config.set(cfg::tipIndex, (index + 1) % kTipCount);
    return index;
}

bool tipsShownAtStart(const TillConfig &config)
{
    return config.get(cfg::tipsOff) == 0;
}

void setTipsShownAtStart(TillConfig &config, bool shown)
{
    config.set(cfg::tipsOff, shown ? 0 : 1);
}

} // namespace ovix
