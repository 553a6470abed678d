#include "sales/widgets/transaction_dialog.h"

#include "platform/c_format.h"
#include "sales/widgets/dialog_buttons.h"

#include <QComboBox>
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

// Wide enough for a split's payment line and a 39-character description.
constexpr int kWideFieldCharacters = 44;
// A note of 79 capitals wraps onto this many lines at that width.
constexpr int kNoteLines = 4;
// A box's frame and the margins beside its text.
constexpr int kBoxPadding = 10;

QString text(const std::string &value)
{
    return QString::fromStdString(value);
}

} // namespace

TransactionDialog::TransactionDialog(
    const TransactionView &view, Actions actions, bool invoices, QWidget *parent)
    : QDialog(parent)
    , actions_(std::move(actions))
{
    setWindowTitle(QStringLiteral("Transaction"));
    auto *layout = new QVBoxLayout(this);
    auto *columns = new QHBoxLayout;
    auto *left = new QFormLayout;
    auto *right = new QFormLayout;
    const auto add = [this](QFormLayout *form, const char *caption, const char *name) {
        form->addRow(QString::fromLatin1(caption), addField(caption, name));
    };
    add(left, "Transaction", "number");
    add(left, "Date", "date");
    add(left, "Time", "time");
    add(left, "Clerk", "clerk");
    add(left, "Lines", "lineCount");
    add(left, "Discount", "discount");
    add(left, "Customer", "customer");
    add(left, "Cash back", "cashBack");
    add(right, "Non taxable", "nonTaxable");
    add(right, "Taxable", "taxable");
    add(right, "Subtotal", "subtotal");
    add(right, "Tax 1", "taxOne");
    add(right, "Tax 2", "taxTwo");
    add(right, "Total", "total");
    add(right, "Type", "type");
    columns->addLayout(left);
    columns->addLayout(right);
    layout->addLayout(columns);

    auto *wide = new QFormLayout;
    QLineEdit *payment = addField("Payment", "payment");
    payment->setMinimumWidth(payment->fontMetrics().averageCharWidth() * kWideFieldCharacters);
    wide->addRow(QStringLiteral("Payment"), payment);
    lines_ = new QComboBox(this);
    lines_->setObjectName(QStringLiteral("lines"));
    lines_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    lines_->setMinimumContentsLength(kWideFieldCharacters);
    wide->addRow(QStringLiteral("Items"), lines_);
    note_ = new QPlainTextEdit(this);
    note_->setObjectName(QStringLiteral("note"));
    note_->setReadOnly(true);
    note_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    const QFontMetrics metrics = note_->fontMetrics();
    note_->setFixedHeight(metrics.lineSpacing() * kNoteLines + 2 * note_->frameWidth()
        + 2 * static_cast<int>(note_->document()->documentMargin()));
    wide->addRow(QStringLiteral("Note"), note_);
    layout->addLayout(wide);
    auto *remark = new QLabel(QString::fromLatin1(kTransactionRemark), this);
    remark->setObjectName(QStringLiteral("remark"));
    remark->setWordWrap(true);
    layout->addWidget(remark);

    auto *buttons = new QHBoxLayout;
    QPushButton *next = namedButton(QStringLiteral("Next"), QStringLiteral("next"), this);
    QPushButton *invoice = namedButton(QStringLiteral("Invoice"), QStringLiteral("invoice"), this);
    QPushButton *custom
        = namedButton(QStringLiteral("Custom receipt"), QStringLiteral("customReceipt"), this);
    QPushButton *till
        = namedButton(QStringLiteral("Till receipt"), QStringLiteral("tillReceipt"), this);
    invoice->setEnabled(invoices);
    for (QPushButton *button : { next, invoice, custom, till })
        buttons->addWidget(button);
    layout->addLayout(buttons);
    const OkCancel closing = addOkCancelRow(layout, this);

    connect(next, &QPushButton::clicked, this, [this] {
        if (!actions_.next)
            return;
        if (const std::optional<TransactionView> following = actions_.next())
            showTransaction(*following);
    });
    const auto print = [this](PrintDocument document) {
        return [this, document] {
            if (actions_.print)
                actions_.print(document);
        };
    };
    connect(invoice, &QPushButton::clicked, this, print(PrintDocument::StandardInvoice));
    connect(custom, &QPushButton::clicked, this, print(PrintDocument::CustomReceipt));
    connect(till, &QPushButton::clicked, this, print(PrintDocument::StandardReceipt));
    connect(closing.ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(closing.cancel, &QPushButton::clicked, this, &QDialog::reject);
    showTransaction(view);
}

QLineEdit *TransactionDialog::addField(const char *caption, const char *name)
{
    auto *box = new QLineEdit(this);
    box->setReadOnly(true);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(QString::fromLatin1(caption));
    return box;
}

QLineEdit *TransactionDialog::field(const char *name) const
{
    return findChild<QLineEdit *>(QString::fromLatin1(name));
}

QPushButton *TransactionDialog::button(const char *name) const
{
    return findChild<QPushButton *>(QString::fromLatin1(name));
}

void TransactionDialog::showTransaction(const TransactionView &view)
{
    const auto set = [this](const char *name, const std::string &value) {
        if (QLineEdit *box = field(name)) {
            box->setText(text(value));
            box->setCursorPosition(0);
            const int needed = box->fontMetrics().horizontalAdvance(box->text()) + kBoxPadding;
            if (box->minimumWidth() < needed)
                box->setMinimumWidth(needed);
        }
    };
    set("number", cformat("%" PRId64, view.number));
    set("date", view.date);
    set("time", view.time);
    set("clerk", view.clerk);
    set("lineCount", cformat("%d", view.lines));
    set("discount", view.discount);
    set("customer", cformat("%" PRId64, view.customer));
    set("cashBack", view.cashBack);
    set("nonTaxable", view.nonTaxable);
    set("taxable", view.taxable);
    set("subtotal", view.subtotal);
    set("taxOne", view.taxOne);
    set("taxTwo", view.taxTwo);
    set("total", view.total);
    set("type", view.type);
    set("payment", view.payment);
    note_->setPlainText(text(view.note));
    lines_->clear();
    for (const std::string &line : view.lineTexts)
        lines_->addItem(text(line));
}

} // namespace ovix
