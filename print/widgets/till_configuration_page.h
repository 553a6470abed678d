#pragma once
// The "Till configuration" page of the configuration sheet: the cash drawer's
// connection, port, open character, repeat count and printer control
// sequence, with a list of printer models and their sequences to copy from.

#include "print/logic/device_pages.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace ovix {

class TillConfigurationPage : public QWidget {
public:
    explicit TillConfigurationPage(const TillConfigurationPageInput &shown,
        QWidget *parent = nullptr);

    // The controls as they stand now.
    TillConfigurationPageInput input() const;

    QCheckBox *useBox() const { return use_; }
    QComboBox *portList() const { return port_; }
    QLineEdit *openCharacterBox() const { return openCharacter_; }
    QLineEdit *repeatBox() const { return repeat_; }
    QLineEdit *sequenceBox() const { return sequence_; }
    QRadioButton *directButton() const { return direct_; }
    QRadioButton *printerButton() const { return printer_; }
    QListWidget *modelList() const { return models_; }

private:
    QCheckBox *use_;
    QComboBox *port_;
    QLineEdit *openCharacter_;
    QLineEdit *repeat_;
    QLineEdit *sequence_;
    QRadioButton *direct_;
    QRadioButton *printer_;
    QListWidget *models_;
};

} // namespace ovix
