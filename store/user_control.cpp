#include "store/user_control.h"

#include "store/till_config.h"

#include <array>

namespace ovix {

namespace {

constexpr std::array<std::string_view, kUserControlItems> kUserControlCaptions = {
    "Configuration", "Delete Inventory", "Delete customer", "Prune customers",
    "Customer balance", "Status display", "Takings", "Print takings", "Purge takings",
    "Purge log files", "Takings amendment", "File reset", "New inventory",
    "Inventory received", "Amend inventory", "Tax setup", "Inhibit discount button",
    "Inhibit adjust price button", "Inhibit trade price button", "Inhibit by weight button",
    "Cashback", "Non inventory sale", "Refunds", "Inhibit manual till open", "Report menu",
    "Activity menu", "Do not display cost price",
};

static_assert(kUserControlItems == cfg::kUserControlCount);

} // namespace

std::string_view userControlCaption(UserControlItem item)
{
    return kUserControlCaptions[static_cast<size_t>(item)];
}

bool userControlSet(const TillConfig &config, UserControlItem item)
{
    return config.get(cfg::userControl, static_cast<size_t>(item)) != 0;
}

} // namespace ovix
