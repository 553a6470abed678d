#pragma once
// The drawer and the pole display as a paid sale's finishing sequence drives
// them. The summary box and the documents stay with the till window, which
// derives from this class and overrides showSummary and printDocument.
//
// Device failures are told through `messages` and go no further: the sale is
// archived before any of these run.

#include "sales/logic/payment.h"

namespace ovix {

class Messages;
class TillState;

class DeviceSaleDevices : public NullSaleDevices {
public:
    // `state` and `messages` are not owned and must outlive this object.
    DeviceSaleDevices(const TillState &state, Messages &messages);

    void openDrawer() override;
    void poleShowTotal(double total) override;
    void poleShowTenderAndChange(double tendered, double change) override;

private:
    const TillState &state_;
    Messages &messages_;
};

} // namespace ovix
