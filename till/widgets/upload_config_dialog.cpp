#include "till/widgets/upload_config_dialog.h"

#include "platform/cp1252.h"
#include "sales/widgets/dialog_buttons.h"
#include "store/shop.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace ovix {

namespace {

constexpr int kTextLength = static_cast<int>(kUploadTextSlot) - 1;

const char *const kGroupTitles[kHeadOfficeReportCount]
    = { "Daily overview", "Daily items CSV", "Reorder list" };

QLineEdit *textBox(const std::string &text, const QString &name, QWidget *parent)
{
    auto *box = new QLineEdit(toQString(text), parent);
    box->setObjectName(name);
    box->setMaxLength(kTextLength);
    return box;
}

} // namespace

UploadConfigDialog::UploadConfigDialog(const UploadSettingsForm &shown, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Upload configuration"));
    auto *layout = new QVBoxLayout(this);
    auto *ftp = new QFormLayout;
    server_ = textBox(shown.server, QStringLiteral("ftpServer"), this);
    ftp->addRow(QStringLiteral("FTP server"), server_);
    ftp->addRow(QString(), new QLabel(QStringLiteral("For example: ftp.headoffice.com"), this));
    userName_ = textBox(shown.userName, QStringLiteral("ftpUserName"), this);
    ftp->addRow(QStringLiteral("FTP username"), userName_);
    password_ = textBox(shown.password, QStringLiteral("ftpPassword"), this);
    password_->setEchoMode(QLineEdit::Password);
    ftp->addRow(QStringLiteral("FTP password"), password_);
    layout->addLayout(ftp);

    for (size_t index = 0; index < chosen_.size(); ++index) {
        auto *group = new QGroupBox(QString::fromLatin1(kGroupTitles[index]), this);
        auto *form = new QFormLayout(group);
        chosen_[index] = new QCheckBox(QStringLiteral("Upload"), group);
        chosen_[index]->setObjectName(QStringLiteral("upload%1").arg(index));
        chosen_[index]->setChecked(shown.chosen[index]);
        names_[index]
            = textBox(shown.fileNames[index], QStringLiteral("fileName%1").arg(index), group);
        form->addRow(chosen_[index]);
        form->addRow(QStringLiteral("Upload filename"), names_[index]);
        layout->addWidget(group);
    }
    layout->addWidget(new QLabel(
        QStringLiteral("The selected reports are uploaded as individual text files."), this));
    const OkCancel buttons = addOkCancelRow(layout, this);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
}

UploadSettingsForm UploadConfigDialog::form() const
{
    UploadSettingsForm form;
    form.server = fromQString(server_->text());
    form.userName = fromQString(userName_->text());
    form.password = fromQString(password_->text());
    for (size_t index = 0; index < chosen_.size(); ++index) {
        form.chosen[index] = chosen_[index]->isChecked();
        form.fileNames[index] = fromQString(names_[index]->text());
    }
    return form;
}

bool runUploadConfig(QWidget *parent, Shop &shop, UploadConfig &upload, Messages &messages)
{
    UploadSettingsForm shown = uploadSettingsForm(shop.config, upload);
    for (;;) {
        // On the heap: a window closed while the dialog is up takes it along.
        QPointer<UploadConfigDialog> dialog = new UploadConfigDialog(shown, parent);
        const bool accepted = dialog->exec() == QDialog::Accepted;
        if (!dialog)
            return false;
        shown = dialog->form();
        delete dialog;
        if (!accepted)
            return false;
        if (saveUploadSettings(shop.dir, shop.config, upload, shown, messages))
            return true;
    }
}

} // namespace ovix
