#pragma once
// "Card Terminal Payment Setup ": the exchange folder with its "..." folder
// chooser and the five switches of the card terminal link. The dialog only
// collects them; storeCardSettings checks and keeps them.

#include "comms/logic/card_settings.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLineEdit;

namespace ovix {

class CardSetupDialog : public QDialog {
public:
    // `accept` is asked on OK with what the dialog holds and closes it only
    // when it returns true. `referenced`, when given, is run by the
    // "Referenced transaction" button.
    CardSetupDialog(const CardSettings &shown, std::function<bool(const CardSettings &)> accept,
        std::function<void()> referenced, QWidget *parent);

    CardSettings settings() const;

private:
    void chooseFolder();

    std::function<bool(const CardSettings &)> accept_;
    QLineEdit *folder_;
    QCheckBox *active_;
    QCheckBox *cashBack_;
    QCheckBox *notPresentPayments_;
    QCheckBox *notPresentRefunds_;
    QCheckBox *verbose_;
};

} // namespace ovix
