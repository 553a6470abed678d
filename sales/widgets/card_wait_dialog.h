#pragma once
// The small window shown while the till waits for the card program's reply:
// it looks at the reply file every 200 ms (a timer, so the till window keeps
// drawing and answering) and offers Cancel, which gives the wait up: the card
// payment or refund then counts as not approved.

#include "comms/logic/card_exchange.h"

#include <QDialog>

#include <optional>

class QTimer;

namespace ovix {

class CardWaitDialog : public QDialog {
public:
    // `watch` must outlive the dialog.
    CardWaitDialog(CardReplyWatch &watch, QWidget *parent);

    // The state the wait ended in; nothing while waiting or after Cancel.
    std::optional<CardReplyWatch::State> outcome() const { return outcome_; }

private:
    void pollOnce();

    CardReplyWatch &watch_;
    QTimer *timer_;
    std::optional<CardReplyWatch::State> outcome_;
};

// Waits in a CardWaitDialog over `parent`.
class DialogCardReplyWaiter : public CardReplyWaiter {
public:
    explicit DialogCardReplyWaiter(QWidget *parent) : parent_(parent) { }
    std::optional<CardReplyWatch::State> wait(CardReplyWatch &watch) override;

private:
    QWidget *parent_;
};

} // namespace ovix
