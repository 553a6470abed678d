#pragma once
// "Email target": the mail server, the two addresses, and how the till reaches
// the server (port, encryption, log-in). The dialog only collects them;
// storeMailSettings checks and keeps them.

#include "comms/logic/mail_settings.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QLineEdit;
class QSpinBox;

namespace ovix {

class MailSetupDialog : public QDialog {
public:
    // `accept` is asked on OK with what the dialog holds and closes it only
    // when it returns true.
    MailSetupDialog(const MailSettings &shown, std::function<bool(const MailSettings &)> accept,
        QWidget *parent);

    MailSettings settings() const;

private:
    std::function<bool(const MailSettings &)> accept_;
    MailSettings shown_;
    QLineEdit *server_;
    QLineEdit *target_;
    QLineEdit *sender_;
    QSpinBox *port_;
    QComboBox *encryption_;
    QLineEdit *userName_;
    QLineEdit *password_;
};

} // namespace ovix
