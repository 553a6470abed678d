#pragma once
// The operator set-up of one clerk: name, "Available" and the password twice.
// OK applies it through applyOperatorSetup(); on a problem the message is
// shown and the dialog stays open.

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace ovix {

class Messages;
class TillConfig;
class TillState;

class OperatorSetupDialog : public QDialog {
public:
    // `config` and `messages` must outlive the dialog; `clerk` is 1-99.
    OperatorSetupDialog(TillConfig &config, int clerk, Messages &messages, QWidget *parent);

    void accept() override;

private:
    TillConfig &config_;
    Messages &messages_;
    int clerk_;
    QLineEdit *name_;
    QCheckBox *available_;
    QLineEdit *password_;
    QLineEdit *repeat_;
};

// The "Operator setup" command: asks for the clerk (restricted clerks are
// turned away) and shows the dialog. True when a clerk was amended.
bool runOperatorSetup(QWidget *parent, TillState &state, Messages &messages);

} // namespace ovix
