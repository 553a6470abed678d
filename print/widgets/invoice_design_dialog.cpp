#include "print/widgets/invoice_design_dialog.h"

#include "platform/cp1252.h"
#include "sales/logic/till_state.h"
#include "sales/widgets/dialog_buttons.h"

#include <QCheckBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace ovix {

namespace {

// Sections per column of the layout group, so that the dialog fits an
// 800 x 600 screen.
constexpr int kSectionsPerColumn = 10;

QCheckBox *newCheckBox(const char *caption, const char *name, bool checked, QWidget *parent)
{
    auto *box = new QCheckBox(QString::fromLatin1(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(checked);
    return box;
}

} // namespace

InvoiceDesignDialog::InvoiceDesignDialog(
    const InvoiceDesign &shown, FontChoice chooseFont, QWidget *parent)
    : QDialog(parent)
    , fontFace_(shown.fontFace)
    , fontPoints_(shown.fontPoints)
{
    setWindowTitle(QStringLiteral("Invoices"));
    auto *layout = new QVBoxLayout(this);

    auto *custom = new QGroupBox(QStringLiteral("Invoice 2: line of each section (0 omits it)"), this);
    auto *grid = new QGridLayout(custom);
    grid->setVerticalSpacing(3);
    for (int section = 0; section < kInvoiceSectionCount; ++section) {
        auto *box = new QSpinBox(custom);
        box->setRange(0, kLastInvoiceLine);
        box->setValue(shown.lines[static_cast<size_t>(section)]);
        box->setObjectName(QStringLiteral("line%1").arg(section));
        lines_[static_cast<size_t>(section)] = box;
        const int row = section % kSectionsPerColumn;
        const int column = 2 * (section / kSectionsPerColumn);
        grid->addWidget(new QLabel(QString::fromLatin1(invoiceSectionCaption(section)), custom),
            row, column);
        grid->addWidget(box, row, column + 1);
    }
    layout->addWidget(custom);

    auto *options = new QGroupBox(QStringLiteral("Invoice 2 options"), this);
    auto *optionRow = new QHBoxLayout(options);
    barcode_ = newCheckBox("Barcode", "barcode", shown.barcode, options);
    boxEncased_ = newCheckBox("Box encased", "boxEncased", shown.boxEncased, options);
    customLogo_ = newCheckBox("Use logo", "customLogo", shown.customLogo, options);
    headerFont_ = newCheckBox("Use header font", "headerFont", shown.headerFont, options);
    for (QCheckBox *box : { barcode_, boxEncased_, customLogo_, headerFont_ })
        optionRow->addWidget(box);
    layout->addWidget(options);

    auto *fontRow = new QHBoxLayout;
    fontButton_ = namedButton(QStringLiteral("Header font"), QStringLiteral("headerFontButton"), this);
    fontLabel_ = new QLabel(toQString(invoiceFontCaption(shown)), this);
    fontLabel_->setObjectName(QStringLiteral("fontCaption"));
    fontRow->addWidget(fontButton_);
    fontRow->addWidget(fontLabel_, 1);
    layout->addLayout(fontRow);

    auto *standard = new QGroupBox(QStringLiteral("Standard invoice"), this);
    auto *standardRow = new QHBoxLayout(standard);
    standardLogo_ = newCheckBox("Use logo", "standardLogo", shown.standardLogo, standard);
    standardRow->addWidget(standardLogo_);
    layout->addWidget(standard);

    connect(fontButton_, &QPushButton::clicked, this, [this, chooseFont = std::move(chooseFont)] {
        if (!chooseFont)
            return;
        if (const std::optional<InvoiceDesign> chosen = chooseFont(design())) {
            fontFace_ = chosen->fontFace;
            fontPoints_ = chosen->fontPoints;
            fontLabel_->setText(toQString(invoiceFontCaption(design())));
        }
    });
    const OkCancel buttons = addOkCancelRow(layout, this);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
}

InvoiceDesign InvoiceDesignDialog::design() const
{
    InvoiceDesign design;
    for (int section = 0; section < kInvoiceSectionCount; ++section)
        design.lines[static_cast<size_t>(section)] = lines_[static_cast<size_t>(section)]->value();
    design.barcode = barcode_->isChecked();
    design.boxEncased = boxEncased_->isChecked();
    design.customLogo = customLogo_->isChecked();
    design.headerFont = headerFont_->isChecked();
    design.standardLogo = standardLogo_->isChecked();
    design.fontFace = fontFace_;
    design.fontPoints = fontPoints_;
    return design;
}

std::optional<InvoiceDesign> chooseInvoiceFont(const InvoiceDesign &design, QWidget *parent)
{
    QFont start(design.fontFace.empty() ? QStringLiteral("Arial") : toQString(design.fontFace));
    start.setPointSize(design.fontPoints > 0 ? design.fontPoints : 10);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, start, parent, QStringLiteral("Header font"));
    if (!ok)
        return std::nullopt;
    InvoiceDesign result = design;
    result.fontFace = fromQString(chosen.family()).substr(0, kInvoiceFontFaceLength);
    result.fontPoints = chosen.pointSize() > 0 ? chosen.pointSize() : 10;
    return result;
}

bool runInvoiceDesignDialog(QWidget *parent, TillState &state)
{
    InvoiceDesignDialog dialog(
        loadInvoiceDesign(state.config),
        [parent](const InvoiceDesign &design) { return chooseInvoiceFont(design, parent); },
        parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    applyInvoiceDesign(state.config, dialog.design());
    return true;
}

} // namespace ovix
