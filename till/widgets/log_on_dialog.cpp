#include "till/widgets/log_on_dialog.h"

#include "platform/cp1252.h"
#include "store/till_config.h"
#include "till/logic/clerks.h"
#include "sales/logic/till_state.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace ovix {

namespace {

constexpr int kPasswordReadLimit = 9;

QPushButton *makeButton(const QString &text, const QString &name, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

// A key of the log-on keypad: large enough to press on a touch screen.
QPushButton *makeKey(const QString &text, const QString &name, QWidget *parent)
{
    QPushButton *button = makeButton(text, name, parent);
    button->setMinimumSize(64, 48);
    QFont font = button->font();
    font.setPixelSize(20);
    font.setBold(true);
    button->setFont(font);
    return button;
}

} // namespace

LogOnDialog::LogOnDialog(const TillConfig &config, QWidget *window)
    : QDialog(window)
    , config_(config)
{
    setWindowTitle(QStringLiteral("USER LOGON"));

    selector_ = new QLineEdit(this);
    selector_->setObjectName(QStringLiteral("clerkSelector"));
    // Only Up and Down choose the clerk, so a clerk who is not available
    // cannot be typed in.
    selector_->setReadOnly(true);
    selector_->setFocusPolicy(Qt::NoFocus);
    QPushButton *up = makeButton(QStringLiteral("Up"), QStringLiteral("up"), this);
    QPushButton *down = makeButton(QStringLiteral("Down"), QStringLiteral("down"), this);
    connect(up, &QPushButton::clicked, this, [this] { step(1); });
    connect(down, &QPushButton::clicked, this, [this] { step(-1); });
    auto *selectorRow = new QHBoxLayout;
    selectorRow->addWidget(selector_, 1);
    selectorRow->addWidget(up);
    selectorRow->addWidget(down);

    auto *passwordBox = new QGroupBox(QStringLiteral(" Password (numeric)"), this);
    password_ = new QLineEdit(passwordBox);
    password_->setObjectName(QStringLiteral("password"));
    password_->setEchoMode(QLineEdit::Password);
    password_->setMaxLength(kPasswordReadLimit);
    QFont passwordFont = password_->font();
    passwordFont.setPixelSize(22);
    password_->setFont(passwordFont);
    password_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), password_));
    auto *passwordLayout = new QVBoxLayout(passwordBox);
    passwordLayout->addWidget(password_);

    auto *keypad = new QGridLayout;
    for (int digit = 0; digit <= 9; ++digit) {
        const QString text = QString::number(digit);
        QPushButton *button = makeKey(text, QStringLiteral("digit") + text, this);
        connect(button, &QPushButton::clicked, this,
            [this, digit] { appendDigit(static_cast<char>('0' + digit)); });
        if (digit == 0)
            keypad->addWidget(button, 3, 1);
        else
            keypad->addWidget(button, (digit - 1) / 3, (digit - 1) % 3);
    }
    QPushButton *clear = makeKey(QStringLiteral("C"), QStringLiteral("clear"), this);
    connect(clear, &QPushButton::clicked, password_, &QLineEdit::clear);
    keypad->addWidget(clear, 3, 0);
    QPushButton *clearEntry = makeKey(QStringLiteral("CE"), QStringLiteral("clearEntry"), this);
    connect(clearEntry, &QPushButton::clicked, this, &LogOnDialog::removeLastDigit);
    keypad->addWidget(clearEntry, 3, 2);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    // Nobody logs on without a password: OK waits for the first digit.
    ok->setEnabled(false);
    connect(password_, &QLineEdit::textChanged, ok,
        [ok](const QString &text) { ok->setEnabled(!text.isEmpty()); });
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(selectorRow);
    layout->addWidget(passwordBox);
    layout->addLayout(keypad);
    layout->addLayout(buttons);

    showClerk(1);
    password_->setFocus();
}

std::string LogOnDialog::selectorText() const
{
    return fromQString(selector_->text());
}

std::string LogOnDialog::password() const
{
    return password_->text().toStdString();
}

void LogOnDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (QWidget *window = parentWidget()) {
        QRect frame = frameGeometry();
        frame.moveCenter(window->frameGeometry().center());
        move(frame.topLeft());
    }
}

void LogOnDialog::showClerk(int clerk)
{
    clerk_ = clerk;
    selector_->setText(toQString(clerkSelectorText(config_, clerk)));
}

void LogOnDialog::step(int direction)
{
    showClerk(nextAvailableClerk(config_, clerk_, direction));
}

// The on-screen keys work on the end of the password, wherever the caret is.
void LogOnDialog::appendDigit(char digit)
{
    if (password_->text().size() >= kPasswordReadLimit)
        return;
    password_->setText(password_->text() + QChar(digit));
}

void LogOnDialog::removeLastDigit()
{
    QString text = password_->text();
    text.chop(1);
    password_->setText(text);
}

void runLogOnUntilSuccess(
    QWidget *window, TillState &state, Messages &messages, const std::function<void()> &loggedOn)
{
    QPointer<QWidget> guard(window);
    if (window)
        window->setWindowTitle(QString::fromUtf8(kLoggedOffCaption));
    for (;;) {
        // On the heap: a window destroyed while the dialog is up takes the
        // dialog with it.
        QPointer<LogOnDialog> dialog = new LogOnDialog(state.config, window);
        const bool chosen = dialog->exec() == QDialog::Accepted;
        if (!dialog || (window && !guard))
            return;
        const std::string selector = dialog->selectorText();
        const std::string password = dialog->password();
        delete dialog;
        if (chosen && logOn(state, selector, password, messages))
            break;
    }
    if (loggedOn)
        loggedOn();
    if (window)
        window->setWindowTitle(QString::fromUtf8(clerkCaption(state)));
    remindOfStandardPassword(state, messages);
}

} // namespace ovix
