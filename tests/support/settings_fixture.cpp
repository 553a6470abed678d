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
