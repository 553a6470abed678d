#include "sync/widgets/configuration_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ovix {

namespace {

QLineEdit *textBox(const QString &name, const QString &text, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMaxLength(kConfigTextMaxLength);
    box->setText(text);
    box->setMinimumWidth(280);
    return box;
}

} // namespace

ConfigurationDialog::ConfigurationDialog(const SyncConfig &config, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("ovixsync configuration"));
    server_ = textBox(QStringLiteral("ftpServer"), config.text(ConfigText::FtpServer), this);
    userName_ = textBox(QStringLiteral("ftpUserName"), config.text(ConfigText::FtpUserName), this);
    password_ = textBox(QStringLiteral("ftpPassword"), config.text(ConfigText::FtpPassword), this);
    password_->setEchoMode(QLineEdit::Password);
    remoteFolder_
        = textBox(QStringLiteral("remoteFolder"), config.text(ConfigText::RemoteFolder), this);
    uploadFileName_
        = textBox(QStringLiteral("uploadFileName"), config.text(ConfigText::UploadFileName), this);

    interval_ = new QComboBox(this);
    interval_->setObjectName(QStringLiteral("uploadInterval"));
    for (int32_t i = 0; i < kUploadIntervalCount; ++i)
        interval_->addItem(uploadIntervalName(i));
    const int32_t stored = config.uploadInterval();
    interval_->setCurrentIndex(isValidUploadInterval(stored) ? stored : -1);

    localFileOnly_ = new QCheckBox(QStringLiteral("Local file only"), this);
    localFileOnly_->setObjectName(QStringLiteral("localFileOnly"));
    localFileOnly_->setChecked(config.localFileOnly());
    xml_ = new QRadioButton(QStringLiteral("XML"), this);
    xml_->setObjectName(QStringLiteral("xml"));
    csv_ = new QRadioButton(QStringLiteral("CSV"), this);
    csv_->setObjectName(QStringLiteral("csv"));
    (config.fileFormat() == FileFormat::Csv ? csv_ : xml_)->setChecked(true);
    connect(xml_, &QRadioButton::clicked, this, [this] { formatChosen(FileFormat::Xml); });
    connect(csv_, &QRadioButton::clicked, this, [this] { formatChosen(FileFormat::Csv); });

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("FTP server"), server_);
    form->addRow(QStringLiteral("FTP username"), userName_);
    form->addRow(QStringLiteral("FTP password"), password_);
    form->addRow(QStringLiteral("Default remote directory"), remoteFolder_);
    form->addRow(QStringLiteral("Upload filename"), uploadFileName_);
    form->addRow(QStringLiteral("Upload interval"), interval_);
    auto *formats = new QHBoxLayout;
    formats->addWidget(xml_);
    formats->addWidget(csv_);
    formats->addStretch();
    form->addRow(localFileOnly_);
    form->addRow(formats);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void ConfigurationDialog::formatChosen(FileFormat format)
{
    const QString name = uploadFileName_->text();
    const QString switched = switchUploadNameExtension(name, format);
    if (switched != name)
        uploadFileName_->setText(switched);
}

ConfigurationChoice ConfigurationDialog::choice() const
{
    ConfigurationChoice choice;
    choice.ftpServer = server_->text();
    choice.ftpUserName = userName_->text();
    choice.ftpPassword = password_->text();
    choice.remoteFolder = remoteFolder_->text();
    choice.uploadFileName = uploadFileName_->text();
    choice.uploadInterval = interval_->currentIndex();
    choice.localFileOnly = localFileOnly_->isChecked();
    choice.fileFormat = csv_->isChecked() ? FileFormat::Csv : FileFormat::Xml;
    return choice;
}

} // namespace ovix
