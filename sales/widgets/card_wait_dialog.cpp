#include "sales/widgets/card_wait_dialog.h"

#include "sales/widgets/dialog_buttons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace ovix {

CardWaitDialog::CardWaitDialog(CardReplyWatch &watch, QWidget *parent)
    : QDialog(parent), watch_(watch), timer_(new QTimer(this))
{
    setObjectName(QStringLiteral("CardWaitDialog"));
    setWindowTitle(QStringLiteral("Card terminal"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Waiting for the card terminal"), this));
    auto *row = new QHBoxLayout;
    row->addStretch();
    QPushButton *cancel = namedButton(QStringLiteral("Cancel"), QStringLiteral("cancel"), this);
    row->addWidget(cancel);
    layout->addLayout(row);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    timer_->setInterval(kCardPollMilliseconds);
    connect(timer_, &QTimer::timeout, this, &CardWaitDialog::pollOnce);
    timer_->start();
}

void CardWaitDialog::pollOnce()
{
    if (outcome_)
        return;
    const CardReplyWatch::State state = watch_.poll();
    if (state == CardReplyWatch::State::Waiting)
        return;
    timer_->stop();
    outcome_ = state;
    accept();
}

std::optional<CardReplyWatch::State> DialogCardReplyWaiter::wait(CardReplyWatch &watch)
{
    CardWaitDialog dialog(watch, parent_);
    dialog.exec();
    return dialog.outcome();
}

} // namespace ovix
