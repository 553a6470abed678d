#include "print/widgets/receipts_page.h"

#include "platform/cp1252.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>

namespace ovix {

namespace {

QCheckBox *addBox(QWidget *parent, QVBoxLayout *layout, const char *caption, bool on)
{
    auto *box = new QCheckBox(QString::fromLatin1(caption), parent);
    box->setChecked(on);
    layout->addWidget(box);
    return box;
}

QComboBox *listOf(QWidget *parent, const auto &choices, int current)
{
    auto *list = new QComboBox(parent);
    for (const char *choice : choices)
        list->addItem(QString::fromLatin1(choice));
    list->setCurrentIndex(current);
    return list;
}

} // namespace

std::vector<PrinterChoice> installedPrinters()
{
    std::vector<PrinterChoice> printers;
    for (const QString &name : QPrinterInfo::availablePrinterNames()) {
        QPrinterInfo info = QPrinterInfo::printerInfo(name);
        printers.push_back({ fromQString(name), fromQString(info.makeAndModel()) });
    }
    return printers;
}

ReceiptsPage::ReceiptsPage(const ReceiptsPageInput &shown,
    const std::vector<PrinterChoice> &printers, std::function<void()> chooseLogo,
    QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    printer_ = new QComboBox(this);
    printer_->addItem(QStringLiteral("Default"));
    for (const PrinterChoice &printer : printers)
        printer_->addItem(toQString(printer.name));
    printer_->setCurrentIndex(shown.printerIndex);
    form->addRow(QStringLiteral("Printer"), printer_);
    autoReceipt_ = listOf(this, kAutoReceiptChoices, shown.autoReceiptIndex);
    form->addRow(QStringLiteral("Auto receipt"), autoReceipt_);
    copies_ = listOf(this, kReceiptCopiesChoices, shown.copiesIndex);
    form->addRow(QString(), copies_);
    layout->addLayout(form);

    omitConfirm_ = addBox(this, layout, "Omit print confirm", shown.omitPrintConfirm);
    kitchen_ = addBox(this, layout,
        "Auto print additional receipt to other (kitchen) receipt printer (it must be set "
        "as the Windows default printer)",
        shown.kitchenReceipt);
    centred_ = addBox(this, layout,
        "Justify the items centred (default is description on left, price on right)",
        shown.itemsCentred);
    barcode_ = addBox(this, layout, "Include barcode", shown.barcode);
    logo_ = addBox(this, layout,
        "Include logo (requires receipt.bmp in OVIX folder). Printed to half page width.",
        shown.logo);
    exclusive_ = addBox(this, layout,
        "Receipt items exclusive of tax with subtotal (default inclusive, no subtotal).",
        shown.exclusiveOfTax);
    pageWidth_ = addBox(this, layout, "Print to page width", shown.printToPageWidth);
    wordWrap_ = addBox(this, layout, "Wordwrap", shown.wordWrap);
    limit_ = addBox(this, layout, "Limit item description to 20 characters",
        shown.limitDescription);
    tenPoint_ = addBox(this, layout,
        "Force 10pt font (use only if the print character size is too small large)",
        shown.forceTenPointFont);

    logoButton_ = new QPushButton(QStringLiteral("Select logo bitmap file"), this);
    logoButton_->setObjectName(QStringLiteral("selectLogo"));
    connect(logoButton_, &QPushButton::clicked, this, [chooseLogo = std::move(chooseLogo)] {
        if (chooseLogo)
            chooseLogo();
    });
    layout->addWidget(logoButton_);

    layout->addWidget(new QLabel(QStringLiteral("Footer text (up to 252 characters)."), this));
    footer_ = new QLineEdit(toQString(shown.footer), this);
    footer_->setMaxLength(static_cast<int>(kFooterTextLength));
    layout->addWidget(footer_);
    layout->addStretch(1);
}

ReceiptsPageInput ReceiptsPage::input() const
{
    ReceiptsPageInput input;
    input.printerIndex = printer_->currentIndex();
    input.omitPrintConfirm = omitConfirm_->isChecked();
    input.autoReceiptIndex = autoReceipt_->currentIndex();
    input.copiesIndex = copies_->currentIndex();
    input.kitchenReceipt = kitchen_->isChecked();
    input.itemsCentred = centred_->isChecked();
    input.barcode = barcode_->isChecked();
    input.logo = logo_->isChecked();
    input.exclusiveOfTax = exclusive_->isChecked();
    input.printToPageWidth = pageWidth_->isChecked();
    input.wordWrap = wordWrap_->isChecked();
    input.limitDescription = limit_->isChecked();
    input.forceTenPointFont = tenPoint_->isChecked();
    input.footer = fromQString(footer_->text());
    return input;
}

} // namespace ovix
