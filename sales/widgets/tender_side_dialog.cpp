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
    window_.setTenderAmountBox(amountBox);
    show();
    // Placed once shown, when the dialog has its final size.
    if (const QWidget *till = window_.widget()) {
        const QRect frame = till->frameGeometry();
        const QSize size = frameGeometry().size();
        move(frame.x() + (frame.width() - size.width()) / 2,
            frame.y() + frame.height() - size.height() - 10);
    }
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
