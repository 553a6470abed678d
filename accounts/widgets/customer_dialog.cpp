#include "accounts/widgets/customer_dialog.h"

#include "accounts/logic/customer_terms.h"
#include "platform/cp1252.h"
#include "platform/widgets/window_size.h"
#include "sales/widgets/dialog_buttons.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace ovix {

namespace {

// Boxes for names and addresses hold capitals only, as the shop's records do.
void forceCapitals(QLineEdit *box)
{
    QObject::connect(box, &QLineEdit::textEdited, box, [box](const QString &text) {
        const QString upper = toQString(toUpperCp1252(fromQString(text)));
        if (upper != text) {
            const int cursor = box->cursorPosition();
            box->setText(upper);
            box->setCursorPosition(cursor);
        }
    });
}

// The number boxes, with their labels: the form's member, object name, label.
struct NumberBox {
    std::string CustomerForm::*text;
    const char *objectName;
    const char *label;
};
const NumberBox kNumberBoxes[] = {
    { &CustomerForm::number, "number", "Number" },
    { &CustomerForm::group, "group", "Group" },
    { &CustomerForm::transactions, "transactions", "Transactions" },
    { &CustomerForm::totalPurchases, "totalPurchases", "Total purchases" },
    { &CustomerForm::balance, "balance", "Balance" },
    { &CustomerForm::creditLimit, "creditLimit", "Credit limit" },
};

// A value the view shows: a text that wraps rather than scrolls.
QLabel *readOnlyValue(QWidget *parent, const char *name, const std::string &text)
{
    auto *value = new QLabel(toQString(text), parent);
    value->setObjectName(QString::fromLatin1(name));
    value->setTextFormat(Qt::PlainText);
    value->setWordWrap(true);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    value->setFrameShape(QFrame::StyledPanel);
    value->setMinimumWidth(200);
    return value;
}

} // namespace

CustomerDialog::CustomerDialog(
    const TillConfig &config, const CustomerForm &form, CustomerDialogLook look, QWidget *parent)
    : QDialog(parent)
{
    build(config, form, look, nullptr);
}

CustomerDialog::CustomerDialog(const TillConfig &config, const CustomerView &view, QWidget *parent)
    : QDialog(parent)
{
    build(config, view.fields, CustomerDialogLook::View, &view);
}

QLineEdit *CustomerDialog::box(const char *name) const
{
    const auto found = boxes_.find(name);
    return found == boxes_.end() ? nullptr : found->second;
}

QString CustomerDialog::value(const char *name) const
{
    if (const auto found = shown_.find(name); found != shown_.end())
        return found->second->text();
    const QLineEdit *typed = box(name);
    return typed ? typed->text() : QString();
}

void CustomerDialog::build(const TillConfig &config, const CustomerForm &form,
    CustomerDialogLook look, const CustomerView *view)
{
    const bool viewing = look == CustomerDialogLook::View;
    switch (look) {
    case CustomerDialogLook::New:
        setWindowTitle(QStringLiteral("NEW CUSTOMER"));
        break;
    case CustomerDialogLook::Amend:
        setWindowTitle(QStringLiteral("Amend customer"));
        break;
    case CustomerDialogLook::View:
        setWindowTitle(QStringLiteral("CUSTOMER"));
        break;
    }

    std::map<std::string, const char *> labels;
    std::map<std::string, QWidget *> fields;
    auto addBox = [&](const char *name, const char *label, const std::string &text,
                      size_t maxChars, bool upper) {
        labels[name] = label;
        if (viewing) {
            QLabel *value = readOnlyValue(this, name, text);
            shown_[name] = value;
            fields[name] = value;
            return;
        }
        auto *box = new QLineEdit(toQString(text), this);
        box->setObjectName(QString::fromLatin1(name));
        box->setMaxLength(static_cast<int>(maxChars));
        box->setReadOnly(viewing);
        if (maxChars >= 29)
            box->setMinimumWidth(150);
        else
            box->setMinimumWidth(90);
        if (upper && !viewing)
            forceCapitals(box);
        boxes_[name] = box;
        fields[name] = box;
    };
    for (const NumberBox &number : kNumberBoxes)
        addBox(number.objectName, number.label, form.*number.text, kCustomerNumberChars, false);
    for (const CustomerTextField &field : customerTextFields())
        addBox(field.objectName, field.label, form.*field.text, field.maxChars, field.upperCase);

    taxable_ = new QComboBox(this);
    taxable_->setObjectName(QStringLiteral("taxable"));
    taxable_->addItems({ QStringLiteral("0"), QStringLiteral("1") });
    taxable_->setCurrentIndex(form.taxable == "0" ? 0 : 1);
    taxable_->setEnabled(!viewing);
    QWidget *terms = nullptr;
    if (viewing) {
        viewed_ = form;
        shown_["terms"] = readOnlyValue(this, "terms", view->terms);
        shown_["taxable"] = readOnlyValue(this, "taxable", form.taxable);
        terms = shown_["terms"];
        taxable_->hide();
    } else {
        terms_ = new QComboBox(this);
        terms_->setObjectName(QStringLiteral("terms"));
        for (const std::string &text : bandTexts(config))
            terms_->addItem(toQString(text));
        terms_->setCurrentIndex(std::clamp(form.termsIndex, 0, kCustomerBands - 1));
        terms = terms_;
    }

    auto row = [&](QFormLayout *column, const char *name) {
        column->addRow(QString::fromLatin1(labels[name]), fields[name]);
    };
    auto *columns = new QHBoxLayout;
    QTabWidget *pages = nullptr;
    if (viewing) {
        // Every value shows whole, wrapped where long: three pages of one column.
        shown_["lastUsed"] = readOnlyValue(this, "lastUsed", view->lastUsed);
        shown_["lastPayment"] = readOnlyValue(this, "lastPayment", view->lastPayment);
        pages = new QTabWidget(this);
        auto page = [&](const QString &title) {
            auto *widget = new QWidget(pages);
            auto *column = new QFormLayout(widget);
            pages->addTab(widget, title);
            return column;
        };
        QFormLayout *customer = page(QStringLiteral("Customer"));
        for (const char *name : { "number", "name", "road", "area", "town", "postcode",
                 "telephone", "extension", "telephone2", "email", "fax", "contact", "notes" })
            row(customer, name);
        QFormLayout *account = page(QStringLiteral("Account"));
        for (const char *name : { "comment", "comment2", "creditCard", "creditCardExpiry",
                 "creditCard2", "creditCard2Expiry" })
            row(account, name);
        account->addRow(QStringLiteral("Taxable"), shown_["taxable"]);
        row(account, "group");
        account->addRow(QStringLiteral("Terms"), terms);
        for (const char *name : { "transactions", "totalPurchases", "balance", "creditLimit" })
            row(account, name);
        account->addRow(QStringLiteral("Last used"), shown_["lastUsed"]);
        account->addRow(QStringLiteral("Last payment"), shown_["lastPayment"]);
        QFormLayout *shipping = page(QStringLiteral("Shipping"));
        for (const char *name : { "shippingName", "shippingRoad", "shippingArea", "shippingTown",
                 "shippingPostcode" })
            row(shipping, name);
    } else {
        auto *first = new QFormLayout;
        for (const char *name : { "number", "name", "road", "area", "town", "postcode",
                 "telephone", "extension", "telephone2", "email", "fax", "contact" })
            row(first, name);
        auto *second = new QFormLayout;
        for (const char *name : { "notes", "comment", "comment2", "creditCard",
                 "creditCardExpiry", "creditCard2", "creditCard2Expiry" })
            row(second, name);
        second->addRow(QStringLiteral("Taxable"), taxable_);
        row(second, "group");
        second->addRow(QStringLiteral("Terms"), terms);
        auto *third = new QFormLayout;
        for (const char *name : { "shippingName", "shippingRoad", "shippingArea", "shippingTown",
                 "shippingPostcode", "transactions", "totalPurchases", "balance", "creditLimit" })
            row(third, name);
        if (look == CustomerDialogLook::Amend) {
            // The balance changes only through payments and credit amendments.
            third->setRowVisible(fields["balance"], false);
        }
        columns->setSpacing(8);
        columns->addLayout(first);
        columns->addLayout(second);
        columns->addLayout(third);
    }

    auto button = [this](const char *name, const QString &caption, CustomerDialogChoice choice) {
        QPushButton *push = namedButton(caption, QString::fromLatin1(name), this);
        connect(push, &QPushButton::clicked, this, [this, choice] { finish(choice); });
        return push;
    };
    QPushButton *next = button("next", viewing ? QStringLiteral("Next") : QStringLiteral("&Next"),
        CustomerDialogChoice::Next);
    next->setVisible(look != CustomerDialogLook::Amend);
    QPushButton *cancel = button("cancel", QStringLiteral("Cancel"), CustomerDialogChoice::Cancel);
    QPushButton *ok = button("ok", QStringLiteral("OK"), CustomerDialogChoice::Ok);
    ok->setDefault(true);

    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(next);
    bottom->addWidget(cancel);
    bottom->addWidget(ok);
    auto *layout = new QVBoxLayout(this);
    if (pages)
        layout->addWidget(pages);
    else
        layout->addLayout(columns);
    layout->addLayout(bottom);

    if (!viewing) {
        QLineEdit *number = boxes_["number"];
        (number->text().isEmpty() ? number : boxes_["name"])->setFocus();
    } else {
        ok->setFocus();
    }
    openAtPreferredSize(this);
}

CustomerForm CustomerDialog::form() const
{
    if (!shown_.empty())
        return viewed_;
    CustomerForm form;
    for (const NumberBox &number : kNumberBoxes)
        form.*number.text = fromQString(boxes_.at(number.objectName)->text());
    for (const CustomerTextField &field : customerTextFields())
        form.*field.text = fromQString(boxes_.at(field.objectName)->text());
    form.taxable = std::string(1, taxable_->currentIndex() == 0 ? '0' : '1');
    form.termsIndex = terms_ ? terms_->currentIndex() : 0;
    return form;
}

void CustomerDialog::finish(CustomerDialogChoice choice)
{
    choice_ = choice;
    if (choice == CustomerDialogChoice::Cancel)
        reject();
    else
        accept();
}

} // namespace ovix
