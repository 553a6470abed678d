#include "sales/widgets/mail_setup_dialog.h"

#include "platform/cp1252.h"
#include "sales/widgets/dialog_buttons.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace ovix {

namespace {

QLineEdit *textField(const std::string &shown, const char *name, QWidget *parent)
{
    auto *edit = new QLineEdit(toQString(shown), parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(static_cast<int>(kMailTextLength));
    edit->setMinimumWidth(300);
    return edit;
}

} // namespace

MailSetupDialog::MailSetupDialog(const MailSettings &shown,
    std::function<bool(const MailSettings &)> accept, QWidget *parent)
    : QDialog(parent), accept_(std::move(accept)), shown_(shown)
{
    setObjectName(QStringLiteral("MailSetupDialog"));
    setWindowTitle(QStringLiteral("Email target"));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    layout->addLayout(form);

    server_ = textField(shown.server, "server", this);
    target_ = textField(shown.target, "target", this);
    sender_ = textField(shown.sender, "sender", this);
    form->addRow(QStringLiteral("SMTP server"), server_);
    form->addRow(QStringLiteral("Target email"), target_);
    form->addRow(QStringLiteral("Your email"), sender_);

    port_ = new QSpinBox(this);
    port_->setObjectName(QStringLiteral("port"));
    port_->setRange(0, 65535);
    port_->setSpecialValueText(QStringLiteral("Standard"));
    port_->setValue(shown.port);
    form->addRow(QStringLiteral("Port"), port_);

    encryption_ = new QComboBox(this);
    encryption_->setObjectName(QStringLiteral("encryption"));
    encryption_->addItem(QStringLiteral("None"), static_cast<int>(MailEncryption::None));
    encryption_->addItem(QStringLiteral("STARTTLS"), static_cast<int>(MailEncryption::StartTls));
    encryption_->addItem(QStringLiteral("TLS"), static_cast<int>(MailEncryption::Tls));
    encryption_->setCurrentIndex(encryption_->findData(static_cast<int>(shown.encryption)));
    form->addRow(QStringLiteral("Encryption"), encryption_);

    userName_ = textField(shown.userName, "userName", this);
    password_ = textField(shown.password, "password", this);
    password_->setEchoMode(QLineEdit::Password);
    form->addRow(QStringLiteral("User name"), userName_);
    form->addRow(QStringLiteral("Password"), password_);

    const OkCancel buttons = addOkCancelRow(layout, this);
    connect(buttons.ok, &QPushButton::clicked, this, [this] {
        if (accept_(settings()))
            QDialog::accept();
    });
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
}

MailSettings MailSetupDialog::settings() const
{
    MailSettings settings = shown_;
    settings.server = fromQString(server_->text().trimmed());
    settings.target = fromQString(target_->text().trimmed());
    settings.sender = fromQString(sender_->text().trimmed());
    settings.port = port_->value();
    settings.encryption = static_cast<MailEncryption>(encryption_->currentData().toInt());
    settings.userName = fromQString(userName_->text());
    settings.password = fromQString(password_->text());
    return settings;
}

} // namespace ovix
