#include "till/widgets/summary_dialog.h"

#include "platform/c_format.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ovix {

namespace {

QLineEdit *shownBox(const std::string &text, const char *name, QWidget *parent)
{
    auto *box = new QLineEdit(QString::fromStdString(text), parent);
    box->setReadOnly(true);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

} // namespace

SummaryDialog::SummaryDialog(const Basket &archived, const Tender &tender, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Transaction committed, summary"));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Total due"),
        shownBox(cformat("%.2f", double(archived.total(BasketTotal::Total))), "totalDue", this));
    form->addRow(QStringLiteral("Tendered"),
        shownBox(cformat("%.2f", tender.tendered), "tendered", this));
    const double cashBack = archived.total(BasketTotal::CashBack);
    form->addRow(QStringLiteral("Change"),
        shownBox(cashBack > 0 ? cformat("CB: %.2f", cashBack) : cformat("%.2f", tender.change),
            "change", this));
    layout->addLayout(form);

    auto *documents = new QGridLayout;
    const char *captions[] = { "Standard receipt", "Standard invoice", "Custom receipt",
        "Custom invoice", "Delivery note" };
    const char *names[] = { "standardReceipt", "standardInvoice", "customReceipt",
        "customInvoice", "deliveryNote" };
    for (int i = 0; i < 5; ++i) {
        auto *button = new QPushButton(QString::fromLatin1(captions[i]), this);
        button->setObjectName(QString::fromLatin1(names[i]));
        button->setAutoDefault(false);
        button->setEnabled(false);
        documents->addWidget(button, i / 3, i % 3);
    }
    layout->addLayout(documents);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok);
}

void runSummaryBox(QWidget *parent, const Basket &archived, const Tender &tender)
{
    SummaryDialog dialog(archived, tender, parent);
    dialog.exec();
}

} // namespace ovix
