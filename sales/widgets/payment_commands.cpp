#include "sales/widgets/payment_commands.h"

#include "comms/logic/card_transactions.h"
#include "platform/c_format.h"
#include "platform/cp1252.h"
#include "sales/logic/item_entry.h"
#include "sales/logic/payment.h"
#include "sales/logic/till_state.h"
#include "sales/widgets/card_setup_dialog.h"
#include "sales/widgets/card_wait_dialog.h"
#include "sales/widgets/cash_box.h"
#include "sales/widgets/customer_transaction_dialog.h"
#include "sales/widgets/till_window.h"
#include "sales/widgets/split_dialog.h"

#include <QDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

#include <cinttypes>

namespace ovix {

namespace {

class DialogPrompts : public PaymentPrompts {
public:
    DialogPrompts(QWidget *parent, Messages &messages) : parent_(parent), messages_(messages) { }

    CardChoice electronicPayment() override
    {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Electronic Payment"),
            QStringLiteral("Electronic Payment"), QMessageBox::NoButton, parent_);
        QPushButton *payment = box.addButton(QStringLiteral("Payment"), QMessageBox::AcceptRole);
        QPushButton *withCashBack
            = box.addButton(QStringLiteral("Payment plus cashback"), QMessageBox::AcceptRole);
        box.addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
        box.setDefaultButton(payment);
        box.exec();
        if (box.clickedButton() == payment)
            return CardChoice::Payment;
        if (box.clickedButton() == withCashBack)
            return CardChoice::PaymentPlusCashback;
        return CardChoice::Cancel;
    }

    CardChoice cardTerminalChoice(const CardChoiceOffer &offer) override
    {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Electronic Payment"),
            QStringLiteral("Electronic Payment"), QMessageBox::NoButton, parent_);
        QPushButton *payment = box.addButton(QStringLiteral("Payment"), QMessageBox::AcceptRole);
        QPushButton *withCashBack = nullptr;
        if (offer.cashBack)
            withCashBack = box.addButton(
                QStringLiteral("Payment plus cashback"), QMessageBox::AcceptRole);
        QPushButton *notPresent = nullptr;
        if (offer.notPresent)
            notPresent = box.addButton(
                QStringLiteral("Cardholder not present payment"), QMessageBox::AcceptRole);
        box.addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
        box.setDefaultButton(payment);
        box.exec();
        QAbstractButton *clicked = box.clickedButton();
        if (clicked == payment)
            return CardChoice::Payment;
        if (withCashBack && clicked == withCashBack)
            return CardChoice::PaymentPlusCashback;
        if (notPresent && clicked == notPresent)
            return CardChoice::CardholderNotPresent;
        return CardChoice::Cancel;
    }

    std::optional<std::string> cashBack() override
    {
        QInputDialog dialog(parent_);
        dialog.setWindowTitle(QStringLiteral("CASH BACK"));
        dialog.setLabelText(QStringLiteral("Whole amount \nNo cents pence"));
        dialog.setInputMode(QInputDialog::IntInput);
        dialog.setIntRange(0, 999999999);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return std::to_string(dialog.intValue());
    }

    std::optional<size_t> chooseCustomer(const std::vector<CustomerCandidate> &candidates) override
    {
        QStringList lines;
        for (const CustomerCandidate &candidate : candidates) {
            lines << QString::fromStdString(toUtf8(cformat("%" PRId64 " %s,  %s",
                candidate.number, candidate.name.c_str(), candidate.road.c_str())));
        }
        bool ok = false;
        const QString chosen = QInputDialog::getItem(
            parent_, QStringLiteral("Please select"), QString(), lines, 0, false, &ok);
        if (!ok)
            return std::nullopt;
        const qsizetype index = lines.indexOf(chosen);
        if (index < 0)
            return std::nullopt;
        return static_cast<size_t>(index);
    }

    CustomerPaymentCode customerTransaction(const CustomerTransactionView &view) override
    {
        return runCustomerTransaction(parent_, view, messages_);
    }

private:
    QWidget *parent_;
    Messages &messages_;
};

// What the payment commands keep between calls; owned by the window.
class PaymentCommands : public QObject {
public:
    PaymentCommands(TillWindow &window, TillState &state, Basket &basket, ItemEntry &entry,
        Messages &messages, SaleDevices &devices)
        : QObject(window.widget()), window_(window), state_(state), entry_(entry),
          messages_(messages), waiter_(window.widget()),
          payment_(state, basket, messages, devices, &waiter_),
          prompts_(window.widget(), messages)
    {
    }

    // "Card processing setup": the folder and switches of the card link.
    void cardSetup()
    {
        auto accept = [this](const CardSettings &settings) {
            return storeCardSettings(state_.config, state_.dir, settings, messages_);
        };
        auto referenced = [this] {
            referencedCardTransaction(state_.config, state_.dir, waiter_, messages_);
        };
        CardSetupDialog dialog(
            loadCardSettings(state_.config, state_.dir), accept, referenced, window_.widget());
        dialog.exec();
        window_.focusItemBox();
    }

    void payCash()
    {
        if (payment_.startCash())
            openCashBox();
    }

    void paySplit()
    {
        if (!payment_.startSplit())
            return;
        SplitDialog::Actions actions;
        actions.remainder = [this](const QString &typed) {
            return payment_.splitRemainder(typed.toStdString());
        };
        actions.ok = [this](const QString &typed, bool cheque) {
            if (!payment_.splitOk(typed.toStdString(), cheque)) {
                if (split_)
                    split_->cashBox()->clear();
                return;
            }
            closeTender();
            openCashBox();
        };
        actions.cancel = [this] {
            payment_.cancelTender();
            closeTender();
        };
        split_ = new SplitDialog(payment_.amountDue(), std::move(actions), window_.widget());
        split_->setAttribute(Qt::WA_DeleteOnClose);
        window_.setTenderAmountBox(split_->cashBox());
        split_->show();
        split_->raise();
        split_->activateWindow();
        split_->cashBox()->setFocus();
    }

    void payCheque() { finished(payment_.payCheque()); }
    void payCard() { finished(payment_.payCard(prompts_)); }
    void payByCustomer() { finished(payment_.payByCustomer(prompts_)); }

private:
    void openCashBox()
    {
        CashBox::Actions actions;
        actions.exact = [this] { tenderDone(payment_.exactAmount()); };
        actions.quick = [this](double amount) { tenderDone(payment_.quickButton(amount)); };
        actions.ok = [this](const QString &typed) {
            tenderDone(payment_.cashOk(typed.toStdString()));
        };
        actions.cancel = [this] {
            payment_.cancelTender();
            closeTender();
        };
        cash_ = new CashBox(
            payment_.amountDue(), payment_.quickAmounts(), std::move(actions), window_.widget());
        cash_->setAttribute(Qt::WA_DeleteOnClose);
        cash_->placeOver(window_.widget());
        window_.setTenderAmountBox(cash_->tenderedBox());
        cash_->show();
        cash_->raise();
        cash_->activateWindow();
        cash_->tenderedBox()->setFocus();
    }

    // After a cash box button: a refusal keeps the box; anything else ends it.
    void tenderDone(PaymentResult result)
    {
        if (result == PaymentResult::NotPaid && payment_.tenderOpen()) {
            if (cash_)
                cash_->tenderedBox()->setFocus();
            return;
        }
        closeTender();
        finished(result);
    }

    void closeTender()
    {
        window_.setTenderAmountBox(nullptr);
        // Hidden, not closed: closing would ask the box to cancel once more.
        for (QDialog *box : { static_cast<QDialog *>(cash_), static_cast<QDialog *>(split_) }) {
            if (box) {
                box->hide();
                box->deleteLater();
            }
        }
        cash_ = nullptr;
        split_ = nullptr;
    }

    void finished(PaymentResult result)
    {
        if (result == PaymentResult::Archived)
            entry_.saleCompleted();
        window_.focusItemBox();
    }

    TillWindow &window_;
    TillState &state_;
    ItemEntry &entry_;
    Messages &messages_;
    DialogCardReplyWaiter waiter_;
    Payment payment_;
    DialogPrompts prompts_;
    QPointer<CashBox> cash_;
    QPointer<SplitDialog> split_;
};

} // namespace

void connectPaymentCommands(TillWindow &window, TillState &state, Basket &basket,
    ItemEntry &entry, Messages &messages, SaleDevices &devices)
{
    auto *commands = new PaymentCommands(window, state, basket, entry, messages, devices);
    window.registerCommand(Command::PayCash, [commands] { commands->payCash(); });
    window.registerCommand(Command::PayCheque, [commands] { commands->payCheque(); });
    window.registerCommand(Command::PayByCustomer, [commands] { commands->payByCustomer(); });
    window.registerCommand(Command::PayCard, [commands] { commands->payCard(); });
    window.registerCommand(Command::PaySplit, [commands] { commands->paySplit(); });
    window.registerCommand(Command::CardProcessingSetup, [commands] { commands->cardSetup(); });
}

} // namespace ovix
