#include "print/logic/device_sale_devices.h"

#include "print/logic/pole_display.h"
#include "print/logic/till_drawer.h"
#include "sales/logic/till_state.h"

namespace ovix {

DeviceSaleDevices::DeviceSaleDevices(const TillState &state, Messages &messages)
    : state_(state)
    , messages_(messages)
{
}

void DeviceSaleDevices::openDrawer()
{
    openTillDrawer(state_.config, state_.dir, messages_);
}

void DeviceSaleDevices::poleShowTotal(double total)
{
    ovix::poleShowTotal(state_.config, state_.dir, messages_, total);
}

void DeviceSaleDevices::poleShowTenderAndChange(double tendered, double change)
{
    poleShowTenderChange(state_.config, state_.dir, messages_, tendered, change);
}

} // namespace ovix
