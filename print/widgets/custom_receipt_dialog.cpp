#include "print/widgets/custom_receipt_dialog.h"

#include "platform/clock.h"
#include "platform/cp1252.h"
#include "platform/messages.h"
#include "platform/widgets/window_size.h"
#include "print/logic/port_map.h"
#include "print/logic/print_request.h"
#include "print/widgets/print_job.h"
#include "sales/logic/basket.h"
#include "sales/logic/sample_sale.h"
#include "sales/logic/till_state.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <memory>

namespace ovix {

namespace {

constexpr int kLineBoxWidth = 44;
// Rows of boxes close together, so that the dialog fits an 800 x 600 screen.
constexpr int kRowSpacing = 3;

QLineEdit *newLineBox(QWidget *parent, const QString &name)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMaxLength(3);
    box->setFixedWidth(kLineBoxWidth);
    return box;
}

QLabel *newNote(const char *text, QWidget *parent)
{
    auto *note = new QLabel(QString::fromLatin1(text), parent);
    note->setWordWrap(true);
    return note;
}

// Text 1-3 as 0-2, or -1 for the other fields.
int textOf(ReceiptField field)
{
    if (field < ReceiptField::TextOne || field > ReceiptField::TextThree)
        return -1;
    return static_cast<int>(field) - static_cast<int>(ReceiptField::TextOne);
}

// The fields of one group two to a row, each text field on its own row with
// the box for its text.
QGridLayout *fieldGrid(QGroupBox *group, bool header,
    std::array<QLineEdit *, kReceiptFieldCount> &lines, std::array<QLineEdit *, 3> &texts)
{
    auto *grid = new QGridLayout;
    grid->setVerticalSpacing(kRowSpacing);
    int row = 0;
    int column = 0;
    for (int index = 0; index < kReceiptFieldCount; ++index) {
        const auto field = static_cast<ReceiptField>(index);
        if (isHeaderField(field) != header)
            continue;
        const QString label = QString::fromLatin1(kReceiptFieldLabels[static_cast<size_t>(index)]);
        QLineEdit *box = newLineBox(group, QStringLiteral("line%1").arg(index));
        lines[static_cast<size_t>(index)] = box;
        const int text = textOf(field);
        if (text >= 0) {
            if (column != 0) {
                ++row;
                column = 0;
            }
            auto *words = new QLineEdit(group);
            words->setObjectName(QStringLiteral("text%1").arg(text + 1));
            words->setMaxLength(static_cast<int>(kCustomReceiptTextLength));
            texts[static_cast<size_t>(text)] = words;
            grid->addWidget(new QLabel(label, group), row, 0);
            grid->addWidget(box, row, 1);
            grid->addWidget(words, row, 2, 1, 2);
            ++row;
            continue;
        }
        grid->addWidget(new QLabel(label, group), row, column);
        grid->addWidget(box, row, column + 1);
        column += 2;
        if (column == 4) {
            ++row;
            column = 0;
        }
    }
    return grid;
}

} // namespace

CustomReceiptDialog::CustomReceiptDialog(const CustomReceiptSettings &shown,
    std::function<bool(const CustomReceiptSettings &)> apply,
    std::function<void(const CustomReceiptSettings &)> preview, QWidget *parent)
    : QDialog(parent)
    , apply_(std::move(apply))
{
    setWindowTitle(QStringLiteral("Custom receipt"));
    auto *layout = new QVBoxLayout(this);
    auto *groups = new QHBoxLayout;
    groups->addWidget(headerGroup(), 1);
    groups->addWidget(footerGroup(), 1);
    layout->addLayout(groups);
    layout->addWidget(itemsGroup());
    layout->addWidget(cutterRow());

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    preview_ = buttons->addButton(QStringLiteral("Preview"), QDialogButtonBox::ActionRole);
    preview_->setObjectName(QStringLiteral("preview"));
    connect(preview_, &QPushButton::clicked, this, [this, preview = std::move(preview)] {
        if (preview)
            preview(settings());
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    showSettings(shown);
    openAtPreferredSize(this);
}

QWidget *CustomReceiptDialog::headerGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Header"), this);
    auto *layout = new QVBoxLayout(group);
    layout->addWidget(newNote(kHeaderLinesNote, group));
    layout->addLayout(fieldGrid(group, true, lines_, texts_));
    logo_ = new QCheckBox(QStringLiteral("Include logo"), group);
    layout->addWidget(logo_);
    layout->addStretch(1);
    return group;
}

QWidget *CustomReceiptDialog::footerGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Footer"), this);
    auto *layout = new QVBoxLayout(group);
    layout->addWidget(newNote(kFooterLinesNote, group));
    QGridLayout *grid = fieldGrid(group, false, lines_, texts_);
    noteLine_ = newLineBox(group, QStringLiteral("noteLine"));
    const int row = grid->rowCount();
    grid->addWidget(new QLabel(QString::fromLatin1(kTransactionNoteLabel), group), row, 0);
    grid->addWidget(noteLine_, row, 1);
    layout->addLayout(grid);

    barcode_ = new QCheckBox(QStringLiteral("Include barcode"), group);
    secondCurrency_ = new QCheckBox(QStringLiteral("Include second currency"), group);
    layout->addWidget(barcode_);
    layout->addWidget(secondCurrency_);
    auto *blank = new QHBoxLayout;
    blankLines_ = new QComboBox(group);
    for (int lines = 1; lines <= kBlankLinesChoices; ++lines)
        blankLines_->addItem(QString::number(lines));
    blank->addWidget(new QLabel(QStringLiteral("Blank lines at end"), group));
    blank->addWidget(blankLines_);
    blank->addStretch(1);
    layout->addLayout(blank);
    layout->addStretch(1);
    return group;
}

QWidget *CustomReceiptDialog::itemsGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Items"), this);
    auto *layout = new QHBoxLayout(group);
    excludingTax_ = new QRadioButton(QStringLiteral("Items (Excluding tax)"), group);
    includingTax_ = new QRadioButton(QStringLiteral("Items (Including tax)"), group);
    auto *basis = new QButtonGroup(group);
    basis->addButton(excludingTax_);
    basis->addButton(includingTax_);
    centred_ = new QCheckBox(QStringLiteral("Justify items centred"), group);
    markExempt_ = new QCheckBox(QStringLiteral("Denote tax exempt item with E"), group);
    layout->addWidget(excludingTax_);
    layout->addWidget(includingTax_);
    layout->addWidget(centred_);
    layout->addWidget(markExempt_);
    layout->addStretch(1);
    return group;
}

QWidget *CustomReceiptDialog::cutterRow()
{
    auto *group = new QGroupBox(QStringLiteral("Cutter"), this);
    auto *layout = new QHBoxLayout(group);
    cutter_ = new QLineEdit(group);
    cutter_->setObjectName(QStringLiteral("cutter"));
    cutter_->setMaxLength(static_cast<int>(kCustomReceiptTextLength));
    cutter_->setPlaceholderText(QString::fromLatin1(kCutterSequenceHint));
    cutterPort_ = new QComboBox(group);
    for (int port = 0; port < kCutterPortChoices; ++port)
        cutterPort_->addItem(QString::fromStdString(PortMap::portName(port)));
    layout->addWidget(new QLabel(QStringLiteral("Cutter control sequence"), group));
    layout->addWidget(cutter_, 1);
    layout->addWidget(new QLabel(QString::fromLatin1(kCutterSequenceHint), group));
    layout->addWidget(new QLabel(QStringLiteral("Port"), group));
    layout->addWidget(cutterPort_);
    return group;
}

void CustomReceiptDialog::showSettings(const CustomReceiptSettings &shown)
{
    for (size_t index = 0; index < lines_.size(); ++index)
        lines_[index]->setText(toQString(shown.lines[index]));
    noteLine_->setText(toQString(shown.noteLine));
    for (size_t text = 0; text < texts_.size(); ++text)
        texts_[text]->setText(toQString(shown.texts[text]));
    cutter_->setText(toQString(shown.cutterSequence));
    cutterPort_->setCurrentIndex(shown.cutterPortIndex);
    blankLines_->setCurrentIndex(shown.blankLinesIndex);
    centred_->setChecked(shown.itemsCentred);
    barcode_->setChecked(shown.barcode);
    logo_->setChecked(shown.logo);
    secondCurrency_->setChecked(shown.secondCurrency);
    markExempt_->setChecked(shown.markExempt);
    excludingTax_->setChecked(shown.excludingTax);
    includingTax_->setChecked(!shown.excludingTax);
}

CustomReceiptSettings CustomReceiptDialog::settings() const
{
    CustomReceiptSettings current;
    for (size_t index = 0; index < lines_.size(); ++index)
        current.lines[index] = fromQString(lines_[index]->text());
    current.noteLine = fromQString(noteLine_->text());
    for (size_t text = 0; text < texts_.size(); ++text)
        current.texts[text] = fromQString(texts_[text]->text());
    current.cutterSequence = fromQString(cutter_->text());
    current.cutterPortIndex = cutterPort_->currentIndex();
    current.blankLinesIndex = blankLines_->currentIndex();
    current.itemsCentred = centred_->isChecked();
    current.barcode = barcode_->isChecked();
    current.logo = logo_->isChecked();
    current.secondCurrency = secondCurrency_->isChecked();
    current.markExempt = markExempt_->isChecked();
    current.excludingTax = excludingTax_->isChecked();
    return current;
}

void CustomReceiptDialog::accept()
{
    if (apply_ && !apply_(settings())) {
        cutter_->setFocus();
        cutter_->selectAll();
        return;
    }
    QDialog::accept();
}

void previewCustomReceipt(
    const TillState &state, const CustomReceiptSettings &shown, Messages &messages)
{
    auto config = std::make_unique<TillConfig>(state.config);
    if (!applyCustomReceiptSettings(*config, shown, messages))
        return;
    auto sale = std::make_unique<Basket>();
    const SampleSale paid = fillSampleSale(*sale, *config, localNow());
    const ReceiptData data { *sale, paid.tendered, paid.change, *config, state.heading,
        state.receiptWords, config->clerkName(sale->clerkNumber), loadReceiptLogo(state.dir) };
    PrintRequest request = documentPrintRequest(*config, state.dir, PrintDocument::CustomReceipt);
    request.kind = "custom-receipt-preview";
    request.pdfOnly = true;
    request.copies = 1;
    runPrintJob(
        request,
        [&](PrintDevice &device, Messages &problems) {
            printReceipt(device, ReceiptKind::Custom, data, problems);
        },
        messages);
}

bool runCustomReceiptDialog(QWidget *parent, TillState &state, Messages &messages)
{
    CustomReceiptDialog dialog(
        loadCustomReceiptSettings(state.config),
        [&](const CustomReceiptSettings &chosen) {
            return applyCustomReceiptSettings(state.config, chosen, messages);
        },
        [&](const CustomReceiptSettings &shown) { previewCustomReceipt(state, shown, messages); },
        parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace ovix
