#include "support/settings_fixture.h"

#include "store/till_config_defaults.h"

namespace ovix::test {

TillConfig blockOf(const std::string &bytes)
{
    TillConfig config;
    config.assign(bytes);
    return config;
}

std::string bytesOf(const TillConfig &config)
{
    return std::string(config.view());
}

void useCounterDevices(TillConfig &config)
{
    config.set(cfg::drawerInUse, 1);
    config.set(cfg::drawerMode, 0);
    config.set(cfg::drawerPort, 1);
    config.set(cfg::drawerOpenCharacter, 7);
    config.set(cfg::drawerRepeat, 2);
    config.set(cfg::poleInUse, 2);
    config.set(cfg::polePort, 2);
    config.setText(cfg::poleTexts, 5, "10");
}

NewShop::NewShop()
{
    setFixedLocalTime(kNewShopTime);
    state.config = makeDataSetDefaults(localNow(), "$");
}

NewShop::~NewShop()
{
    setFixedLocalTime(std::nullopt);
}

} // namespace ovix::test
