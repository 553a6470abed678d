#include "print/widgets/summary_dialog.h"

#include "platform/c_format.h"

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

// The document buttons in the order the box shows them, three to a row.
struct DocumentButton {
    PrintDocument document;
    const char *caption;
    const char *name;
    bool printable; // the till prints it; the others stay greyed
};
constexpr DocumentButton kDocumentButtons[] = {
    { PrintDocument::StandardReceipt, "Standard receipt", "standardReceipt", true },
    { PrintDocument::StandardInvoice, "Standard invoice", "standardInvoice", true },
    { PrintDocument::CustomReceipt, "Custom receipt", "customReceipt", true },
    { PrintDocument::CustomInvoice, "Custom invoice", "customInvoice", true },
    { PrintDocument::DeliveryNote, "Delivery note", "deliveryNote", true },
};

} // namespace

SummaryDialog::SummaryDialog(const Basket &archived, const Tender &tender, QWidget *parent,
    std::function<void(PrintDocument)> print)
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
    int at = 0;
    for (const DocumentButton &shown : kDocumentButtons) {
        auto *button = new QPushButton(QString::fromLatin1(shown.caption), this);
        button->setObjectName(QString::fromLatin1(shown.name));
        button->setAutoDefault(false);
        const PrintDocument document = shown.document;
        button->setEnabled(shown.printable && print_);
        if (shown.printable && print_)
            connect(button, &QPushButton::clicked, this, [this, document] { print_(document); });
        documents->addWidget(button, at / 3, at % 3);
        ++at;
    }
    layout->addLayout(documents);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok);
}

QPushButton *SummaryDialog::documentButton(PrintDocument document) const
{
    for (const DocumentButton &shown : kDocumentButtons) {
        if (shown.document == document)
            return findChild<QPushButton *>(QString::fromLatin1(shown.name));
    }
    return nullptr;
}

void runSummaryBox(QWidget *parent, const Basket &archived, const Tender &tender,
    const std::function<void(PrintDocument)> &print, std::optional<AutomaticDocument> automatic)
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

} // namespace ovix
