#pragma once
// The painted totals panel of the till screen: the picture of the item-entry
// area when there is room, the sale's state (trade sale, barcode entry, line
// count, next transaction) and, while the basket has lines, the amounts with
// the total picked out.

#include "till/logic/totals_panel.h"

#include <QWidget>

namespace ovix {

class TotalsPanel : public QWidget {
public:
    explicit TotalsPanel(QWidget *parent);

    // Takes the texts to show and repaints.
    void setText(const TotalsPanelText &text);

    const TotalsPanelText &text() const
    {
        return text_;
    }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TotalsPanelText text_;
};

} // namespace ovix
