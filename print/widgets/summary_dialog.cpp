#include "print/widgets/summary_dialog.h"

#include "platform/c_format.h"
#include "print/logic/print_request.h"
#include "print/widgets/receipt_job.h"
#include "sales/logic/till_state.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
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

SummaryDialog::SummaryDialog(const Basket &archived, const Tender &tender, QWidget *parent,
    std::function<void(SaleDocument)> print)
    : QDialog(parent)
    , print_(std::move(print))
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
    const SaleDocument documentOf[] = { SaleDocument::StandardReceipt,
        SaleDocument::StandardInvoice, SaleDocument::CustomReceipt, SaleDocument::CustomInvoice,
        SaleDocument::DeliveryNote };
    for (int i = 0; i < 5; ++i) {
        auto *button = new QPushButton(QString::fromLatin1(captions[i]), this);
        button->setObjectName(QString::fromLatin1(names[i]));
        button->setAutoDefault(false);
        const SaleDocument document = documentOf[i];
        const bool receipt
            = document == SaleDocument::StandardReceipt || document == SaleDocument::CustomReceipt;
        button->setEnabled(receipt && print_);
        if (receipt && print_)
            connect(button, &QPushButton::clicked, this, [this, document] { print_(document); });
        documents->addWidget(button, i / 3, i % 3);
    }
    layout->addLayout(documents);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok);
}

QPushButton *SummaryDialog::documentButton(SaleDocument document) const
{
    const char *name = nullptr;
    switch (document) {
    case SaleDocument::StandardReceipt:
        name = "standardReceipt";
        break;
    case SaleDocument::StandardInvoice:
        name = "standardInvoice";
        break;
    case SaleDocument::CustomReceipt:
        name = "customReceipt";
        break;
    case SaleDocument::CustomInvoice:
        name = "customInvoice";
        break;
    case SaleDocument::DeliveryNote:
        name = "deliveryNote";
        break;
    case SaleDocument::KitchenReceipt:
        return nullptr;
    }
    return findChild<QPushButton *>(QString::fromLatin1(name));
}

void runSummaryBox(QWidget *parent, const Basket &archived, const Tender &tender,
    const std::function<void(SaleDocument)> &print, std::optional<AutomaticDocument> automatic)
{
    SummaryDialog dialog(archived, tender, parent, print);
    if (automatic) {
        // Pressed once the box is up, so the clerk sees what is printing.
        QTimer::singleShot(0, &dialog, [&dialog, automatic] {
            QPushButton *button = dialog.documentButton(automatic->document);
            for (int pass = 0; button && pass < automatic->passes; ++pass)
                button->click();
        });
    }
    dialog.exec();
}

void WindowSaleDevices::showSummary(const Basket &archived, const Tender &tender)
{
    runSummaryBox(
        parent_, archived, tender,
        [&](SaleDocument document) { printDocument(document, archived, tender, false); },
        automaticDocument(state_.config));
}

void WindowSaleDevices::printDocument(
    SaleDocument document, const Basket &archived, const Tender &tender, bool)
{
    PrintRequest request;
    ReceiptKind kind = ReceiptKind::Standard;
    switch (document) {
    case SaleDocument::StandardReceipt:
        request = documentPrintRequest(state_.config, state_.dir, PrintDocument::StandardReceipt);
        break;
    case SaleDocument::CustomReceipt:
        request = documentPrintRequest(state_.config, state_.dir, PrintDocument::CustomReceipt);
        kind = ReceiptKind::Custom;
        break;
    case SaleDocument::KitchenReceipt:
        request = kitchenPrintRequest(state_.dir);
        break;
    default:
        return; // invoices and delivery notes come with their own layouts
    }
    printSaleReceipt(state_, request, kind, archived, tender.tendered, tender.change, messages_);
}

} // namespace ovix
