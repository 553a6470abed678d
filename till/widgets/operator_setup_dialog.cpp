#include "till/widgets/operator_setup_dialog.h"

#include "platform/cp1252.h"
#include "store/till_config.h"
#include "till/logic/clerks.h"
#include "sales/logic/till_state.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace ovix {

namespace {

// One more than a password may hold, so that a long one is told, not cut.
constexpr int kPasswordBoxLimit = kClerkPasswordLimit + 1;

QLineEdit *framedBox(const QString &caption, const QString &name, QWidget *parent,
                     QVBoxLayout *layout)
{
    auto *frame = new QGroupBox(caption, parent);
    auto *box = new QLineEdit(frame);
    box->setObjectName(name);
    auto *inner = new QVBoxLayout(frame);
    inner->addWidget(box);
    layout->addWidget(frame);
    return box;
}

void makePasswordBox(QLineEdit *box, const std::string &initial)
{
    box->setEchoMode(QLineEdit::Password);
    box->setMaxLength(kPasswordBoxLimit);
    box->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), box));
    box->setText(QString::fromStdString(initial));
}

} // namespace

OperatorSetupDialog::OperatorSetupDialog(TillConfig &config, int clerk, Messages &messages,
                                         QWidget *parent)
    : QDialog(parent), config_(config), messages_(messages), clerk_(clerk)
{
    const OperatorSetupForm form = operatorSetupForm(config, clerk);
    setWindowTitle(QStringLiteral("Operator setup"));
    auto *layout = new QVBoxLayout(this);

    auto *user = new QLabel(QStringLiteral("User: %1").arg(clerk), this);
    user->setObjectName(QStringLiteral("user"));
    layout->addWidget(user);

    name_ = framedBox(QStringLiteral("Name (29 characters)"), QStringLiteral("name"), this,
                      layout);
    name_->setMaxLength(kClerkNameLimit);
    name_->setText(toQString(form.name));

    available_ = new QCheckBox(QStringLiteral("Available"), this);
    available_->setObjectName(QStringLiteral("available"));
    available_->setChecked(form.available);
    available_->setEnabled(!form.availabilityFixed);
    layout->addWidget(available_);

    // The boxes start with the stored password, so that changing only the
    // name does not blank the password.
    password_ = framedBox(QStringLiteral(" Password"), QStringLiteral("password"), this, layout);
    makePasswordBox(password_, form.password);
    repeat_ = framedBox(QStringLiteral(" Re-enter password"), QStringLiteral("repeat"), this,
                        layout);
    makePasswordBox(repeat_, form.password);

    for (const char *note : {"The password is not updated if the Available box is unchecked.",
                             "Passwords must be numeric upto 8 characters"})
        layout->addWidget(new QLabel(QString::fromLatin1(note), this));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &OperatorSetupDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    name_->setFocus();
}

void OperatorSetupDialog::accept()
{
    const OperatorSetupResult result = applyOperatorSetup(
        config_, clerk_, fromQString(name_->text()), available_->isChecked(),
        password_->text().toStdString(), repeat_->text().toStdString(), messages_);
    if (result == OperatorSetupResult::Amended)
        QDialog::accept();
}

bool runOperatorSetup(QWidget *parent, TillState &state, Messages &messages)
{
    const int clerk = askOperatorSetupClerk(state, messages);
    if (clerk == 0)
        return false;
    OperatorSetupDialog dialog(state.config, clerk, messages, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace ovix
