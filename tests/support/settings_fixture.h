#pragma once
// Settings as the tests of the configuration pages and dialogs start from
// them: a wr.cfg block built byte by byte, and a new shop's loaded state.

#include "platform/clock.h"
#include "platform/scripted_messages.h"
#include "sales/logic/till_state.h"
#include "store/till_config.h"
#include "support/test_support.h"

#include <string>

namespace ovix::test {

// The configuration block held in `bytes` (a whole wr.cfg built by the test).
TillConfig blockOf(const std::string &bytes);
// The block's bytes as wr.cfg stores them.
std::string bytesOf(const TillConfig &config);

// The counter's devices: the drawer on COM2, kicked directly with 07 twice,
// and the pole display on COM3, whose second line follows a line feed. Where
// COM2 and COM3 lead is the test's ports.cfg.
void useCounterDevices(TillConfig &config);

// The day every NewShop lives on: 15 March 2026, 9:30.
inline constexpr LocalTime kNewShopTime { 2026, 3, 15, 9, 30, 0, 0 };

// A new shop in a fresh data folder: the set-up tool's first-run settings with
// "$" as currency, nothing loaded from files, the clock held at kNewShopTime
// while it lives.
struct NewShop {
    NewShop();
    ~NewShop();
    NewShop(const NewShop &) = delete;
    NewShop &operator=(const NewShop &) = delete;

    // The settings' bytes as wr.cfg would store them.
    std::string stored() const
    {
        return bytesOf(state.config);
    }

    TempDir folder;
    TillState state { folder.path() };
    ScriptedMessages messages;
};

} // namespace ovix::test
