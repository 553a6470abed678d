#include "sales/widgets/tender_side_dialog.h"

#include "sales/widgets/till_window.h"

#include <QLineEdit>

namespace ovix {

TenderSideDialog::TenderSideDialog(TillWindow &window)
    : QDialog(window.widget())
    , window_(window)
{
    setModal(false);
}

void TenderSideDialog::showBesideTill(QLineEdit *amountBox)
{
    adjustSize();
    if (const QWidget *till = window_.widget()) {
        const QRect frame = till->frameGeometry();
        move(frame.x() + (frame.width() - width()) / 2, frame.bottom() - height() - 10);
    }
    window_.setTenderAmountBox(amountBox);
    show();
    raise();
    activateWindow();
    amountBox->setFocus();
}

void TenderSideDialog::finish()
{
    if (finished_)
        return;
    finished_ = true;
    window_.setTenderAmountBox(nullptr);
    // Hidden and deleted later rather than closed: closing would reject again.
    hide();
    deleteLater();
    window_.focusItemBox();
}

void TenderSideDialog::reject()
{
    finish();
}

} // namespace ovix
