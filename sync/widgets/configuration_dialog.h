#pragma once
// "ovixsync configuration": the FTP server and log-on, the remote folder, the
// upload file name, the upload interval, "Local file only" and the XML/CSV
// choice. Choosing a format switches the file name's ending to match (see
// switchUploadNameExtension).

#include "sync/logic/sync_session.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace ovix {

class ConfigurationDialog : public QDialog {
public:
    // Shows the settings of `config`; nothing is stored by the dialog.
    ConfigurationDialog(const SyncConfig &config, QWidget *parent = nullptr);

    // What the boxes hold now.
    ConfigurationChoice choice() const;

private:
    void formatChosen(FileFormat format);

    QLineEdit *server_;
    QLineEdit *userName_;
    QLineEdit *password_;
    QLineEdit *remoteFolder_;
    QLineEdit *uploadFileName_;
    QComboBox *interval_;
    QCheckBox *localFileOnly_;
    QRadioButton *xml_;
    QRadioButton *csv_;
};

} // namespace ovix
