#pragma once
// "Upload configuration": the head office's FTP server, user name and
// password (hidden), and for each of the three reports whether it is sent and
// under which name.

#include "reports/logic/upload_settings.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLineEdit;

namespace ovix {

class Messages;
class Shop;

class UploadConfigDialog : public QDialog {
public:
    UploadConfigDialog(const UploadSettingsForm &shown, QWidget *parent);

    UploadSettingsForm form() const;

    QLineEdit *serverBox() const
    {
        return server_;
    }
    QLineEdit *passwordBox() const
    {
        return password_;
    }
    QCheckBox *uploadBox(HeadOfficeReport report) const
    {
        return chosen_[static_cast<size_t>(report)];
    }
    QLineEdit *fileNameBox(HeadOfficeReport report) const
    {
        return names_[static_cast<size_t>(report)];
    }

private:
    QLineEdit *server_;
    QLineEdit *userName_;
    QLineEdit *password_;
    std::array<QCheckBox *, kHeadOfficeReportCount> chosen_{};
    std::array<QLineEdit *, kHeadOfficeReportCount> names_{};
};

// "Head office report setup": shows the dialog over the settings of
// upload.cfg (`upload`, already read or a zeroed block) and keeps it open
// until its OK is stored or it is cancelled. True when stored; `upload` then
// holds what upload.cfg holds.
bool runUploadConfig(QWidget *parent, Shop &shop, UploadConfig &upload, Messages &messages);

} // namespace ovix
