#include "print/widgets/language_dialog.h"

#include "platform/cp1252.h"
#include "platform/widgets/window_size.h"
#include "sales/logic/till_state.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace ovix {

namespace {

constexpr int kWordLength = 79;
// A word's row: its number, the language's word and the shop's own; an
// empty grid column of kColumnGap pixels parts the two columns of rows.
constexpr int kColumnsPerWord = 3;
constexpr int kColumnGap = 12;
// Average characters a word's column shows at least on one line.
constexpr int kWordShown = 20;

} // namespace

LanguageDialog::LanguageDialog(const LanguageCustomization &shown, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Language customization"));
    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    language_ = new QComboBox(this);
    for (const char *name : kLanguageNames)
        language_->addItem(QString::fromLatin1(name));
    top->addWidget(language_);
    reset_ = new QPushButton(QStringLiteral("Reset"), this);
    reset_->setObjectName(QStringLiteral("reset"));
    top->addWidget(reset_);
    top->addStretch(1);
    layout->addLayout(top);
    layout->addWidget(new QLabel(QStringLiteral("Choosing a language, or Reset, loads its "
                                                "default words into both columns: your own "
                                                "words are lost."),
        this));

    // The receipt's words and the invoice's on two tabs, each in two columns
    // of rows, so that all show at once on an 800 x 600 screen.
    auto *tabs = new QTabWidget(this);
    auto *receipt = new QWidget(tabs);
    auto *invoice = new QWidget(tabs);
    auto *receiptGrid = new QGridLayout(receipt);
    auto *invoiceGrid = new QGridLayout(invoice);
    const int receiptRows = (kReceiptWordSlotsShown + 1) / 2;
    const int invoiceRows = (kCustomizableWordSlots - kReceiptWordSlotsShown + 1) / 2;
    for (int slot = 1; slot <= kCustomizableWordSlots; ++slot) {
        const size_t at = static_cast<size_t>(slot - 1);
        const bool onReceipt = slot <= kReceiptWordSlotsShown;
        QWidget *page = onReceipt ? receipt : invoice;
        QGridLayout *grid = onReceipt ? receiptGrid : invoiceGrid;
        const int index = onReceipt ? slot - 1 : slot - 1 - kReceiptWordSlotsShown;
        const int rows = onReceipt ? receiptRows : invoiceRows;
        const int row = index % rows;
        const int column = (index / rows) * (kColumnsPerWord + 1);
        defaults_[at] = new QLabel(page);
        defaults_[at]->setWordWrap(true);
        defaults_[at]->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        defaults_[at]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        defaults_[at]->setTextFormat(Qt::PlainText);
        words_[at] = new QLineEdit(page);
        words_[at]->setMaxLength(kWordLength);
        grid->addWidget(new QLabel(QString::number(slot), page), row, column, Qt::AlignRight);
        grid->addWidget(defaults_[at], row, column + 1, Qt::AlignVCenter);
        grid->addWidget(words_[at], row, column + 2);
    }
    for (QGridLayout *grid : { receiptGrid, invoiceGrid }) {
        grid->setRowStretch(grid->rowCount(), 1);
        grid->setColumnMinimumWidth(kColumnsPerWord, kColumnGap);
        // The words share the width evenly.
        for (int column : { 1, 2, kColumnsPerWord + 2, kColumnsPerWord + 3 }) {
            grid->setColumnStretch(column, 1);
            grid->setColumnMinimumWidth(column, fontMetrics().averageCharWidth() * kWordShown);
        }
    }
    tabs->addTab(receipt, QStringLiteral("Receipt"));
    tabs->addTab(invoice, QStringLiteral("Invoice"));
    layout->addWidget(tabs, 1);

    auto *buttons
        = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    showCustomization(shown);
    connect(language_, &QComboBox::activated, this, [this](int index) { loadDefaultsOf(index); });
    connect(reset_, &QPushButton::clicked, this,
        [this] { loadDefaultsOf(language_->currentIndex()); });
    openAtPreferredSize(this);
}

void LanguageDialog::showCustomization(const LanguageCustomization &shown)
{
    language_->setCurrentIndex(shown.languageIndex);
    for (size_t at = 0; at < kCustomizableWordSlots; ++at) {
        defaults_[at]->setText(toQString(shown.defaults[at]));
        words_[at]->setText(toQString(shown.inUse[at]));
        words_[at]->setCursorPosition(0);
    }
}

void LanguageDialog::loadDefaultsOf(int language)
{
    LanguageCustomization chosen = customization();
    if (chooseLanguage(chosen, language))
        showCustomization(chosen);
}

LanguageCustomization LanguageDialog::customization() const
{
    LanguageCustomization current;
    current.languageIndex = language_->currentIndex();
    for (size_t at = 0; at < kCustomizableWordSlots; ++at) {
        current.defaults[at] = fromQString(defaults_[at]->text());
        current.inUse[at] = fromQString(words_[at]->text());
    }
    return current;
}

bool runLanguageCustomization(QWidget *parent, TillState &state)
{
    LanguageDialog dialog(openLanguageCustomization(state.config, state.receiptWords), parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    applyLanguageCustomization(state.config, state.receiptWords, dialog.customization());
    return true;
}

} // namespace ovix
