#include "sales/widgets/customer_transaction_dialog.h"

#include "platform/c_format.h"
#include "platform/widgets/help_pages.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cinttypes>

namespace ovix {

namespace {

QString money(double amount)
{
    return QString::fromStdString(cformat("%.2f", amount));
}

// A box's frame and the margins beside its text.
constexpr int kBoxPadding = 10;
// The customer's notes (up to 199 characters) wrap onto this many lines of
// kNotesLineLength average characters, fewer in capitals.
constexpr int kNotesLines = 6;
constexpr int kNotesLineLength = 52;

// A read-only box wide enough for its whole text.
QLineEdit *shownBox(const QString &text, const char *name, QWidget *parent)
{
    auto *box = new QLineEdit(text, parent);
    box->setReadOnly(true);
    box->setObjectName(QString::fromLatin1(name));
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(text) + kBoxPadding);
    return box;
}

QPlainTextEdit *notesBox(const QString &text, QWidget *parent)
{
    auto *box = new QPlainTextEdit(text, parent);
    box->setReadOnly(true);
    box->setObjectName(QStringLiteral("notes"));
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    const QFontMetrics metrics = box->fontMetrics();
    box->setMinimumWidth(metrics.averageCharWidth() * kNotesLineLength + kBoxPadding);
    box->setFixedHeight(metrics.lineSpacing() * kNotesLines + 2 * box->frameWidth()
        + 2 * static_cast<int>(box->document()->documentMargin()));
    return box;
}

} // namespace

CustomerTransactionDialog::CustomerTransactionDialog(
    const CustomerTransactionView &view, Messages &messages, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Customer transaction"));
    auto *layout = new QVBoxLayout(this);
    auto *columns = new QHBoxLayout;
    auto *sale = new QFormLayout;
    auto *account = new QFormLayout;
    auto s = [](const std::string &text) { return QString::fromStdString(text); };

    sale->addRow(QStringLiteral("Transaction"),
        shownBox(s(cformat("%" PRId64, view.transactionNumber)), "transaction", this));
    sale->addRow(QStringLiteral("Date"), shownBox(s(view.date), "date", this));
    sale->addRow(QStringLiteral("Time"), shownBox(s(view.time), "time", this));
    sale->addRow(QStringLiteral("Clerk"), shownBox(s(view.clerk), "clerk", this));
    sale->addRow(QStringLiteral("Subtotal"), shownBox(money(view.subtotal), "subtotal", this));
    if (view.showTaxes) {
        sale->addRow(QStringLiteral("Tax 1"), shownBox(money(view.taxOne), "taxOne", this));
        sale->addRow(QStringLiteral("Tax 2"), shownBox(money(view.taxTwo), "taxTwo", this));
    }
    sale->addRow(QStringLiteral("Total"), shownBox(money(view.total), "total", this));

    account->addRow(QStringLiteral("Customer"),
        shownBox(s(cformat("%" PRId64, view.customerNumber)), "customer", this));
    account->addRow(QStringLiteral("Name"), shownBox(s(view.fullName), "name", this));
    account->addRow(QStringLiteral("Address"), shownBox(s(view.address), "address", this));
    account->addRow(QStringLiteral("Telephone"), shownBox(s(view.telephone), "telephone", this));
    account->addRow(QStringLiteral("Comment 1"), shownBox(s(view.commentOne), "comment1", this));
    account->addRow(QStringLiteral("Comment 2"), shownBox(s(view.commentTwo), "comment2", this));
    account->addRow(QStringLiteral("Notes"), notesBox(s(view.notes), this));
    account->addRow(
        QStringLiteral("Credit limit"), shownBox(money(view.creditLimit), "creditLimit", this));
    QLineEdit *tax = shownBox(s(cformat("%" PRId64, view.taxCode)), "taxCode", this);
    QPalette palette = tax->palette();
    palette.setColor(QPalette::Base,
        view.taxCode != 0 ? QColor(240, 240, 200) : QColor(200, 40, 40));
    tax->setPalette(palette);
    account->addRow(QStringLiteral("Tax code"), tax);
    account->addRow(QStringLiteral("Previous balance"),
        shownBox(money(view.previousBalance), "previousBalance", this));
    account->addRow(QStringLiteral("This transaction"),
        shownBox(money(view.thisTransaction), "thisTransaction", this));
    account->addRow(
        QStringLiteral("Balance"), shownBox(money(view.balanceAfter), "balanceAfter", this));
    account->addRow(QStringLiteral("Transactions"),
        shownBox(s(cformat("%d", view.transactions)), "transactions", this));
    account->addRow(QStringLiteral("Last transaction"),
        shownBox(s(view.lastTransaction), "lastTransaction", this));
    columns->addLayout(sale);
    columns->addLayout(account);
    layout->addLayout(columns);

    auto *buttons = new QHBoxLayout;
    auto add = [&](const char *caption, const char *name) {
        auto *button = new QPushButton(QString::fromLatin1(caption), this);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);
        buttons->addWidget(button);
        return button;
    };
    QPushButton *credit = add("Credit", "credit");
    credit->setDefault(true);
    connect(credit, &QPushButton::clicked, this, [this] { choose(CustomerPaymentCode::Credit); });
    connect(add("EFT", "eft"), &QPushButton::clicked, this,
        [this] { choose(CustomerPaymentCode::Eft); });
    connect(add("Cash", "cash"), &QPushButton::clicked, this,
        [this] { choose(CustomerPaymentCode::Cash); });
    connect(add("CH", "cheque"), &QPushButton::clicked, this,
        [this] { choose(CustomerPaymentCode::Cheque); });
    connect(add("Cancel", "cancel"), &QPushButton::clicked, this, [this] { reject(); });
    connect(add("Help", "help"), &QPushButton::clicked, this,
        [&messages] { openHelpPage(kHelpContentsPage, messages); });
    layout->addLayout(buttons);
}

void CustomerTransactionDialog::choose(CustomerPaymentCode code)
{
    code_ = code;
    accept();
}

CustomerPaymentCode runCustomerTransaction(
    QWidget *parent, const CustomerTransactionView &view, Messages &messages)
{
    CustomerTransactionDialog dialog(view, messages, parent);
    if (dialog.exec() != QDialog::Accepted)
        return CustomerPaymentCode::Cancel;
    return dialog.code();
}

} // namespace ovix
