#include "print/widgets/language_dialog.h"

#include "platform/cp1252.h"
#include "sales/logic/till_state.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace ovix {

namespace {

constexpr int kWordLength = 79;

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

    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    auto *inner = new QWidget(scroll);
    auto *columns = new QVBoxLayout(inner);
    auto *receipt = new QGroupBox(QStringLiteral("Receipt"), inner);
    auto *invoice = new QGroupBox(QStringLiteral("Invoice"), inner);
    auto *receiptGrid = new QGridLayout(receipt);
    auto *invoiceGrid = new QGridLayout(invoice);
    for (int slot = 1; slot <= kCustomizableWordSlots; ++slot) {
        const size_t at = static_cast<size_t>(slot - 1);
        QGroupBox *group = slot <= kReceiptWordSlotsShown ? receipt : invoice;
        QGridLayout *grid = slot <= kReceiptWordSlotsShown ? receiptGrid : invoiceGrid;
        const int row = slot <= kReceiptWordSlotsShown ? slot : slot - kReceiptWordSlotsShown;
        defaults_[at] = new QLineEdit(group);
        defaults_[at]->setReadOnly(true);
        words_[at] = new QLineEdit(group);
        words_[at]->setMaxLength(kWordLength);
        grid->addWidget(new QLabel(QString::number(slot), group), row, 0);
        grid->addWidget(defaults_[at], row, 1);
        grid->addWidget(words_[at], row, 2);
    }
    columns->addWidget(receipt);
    columns->addWidget(invoice);
    scroll->setWidget(inner);
    layout->addWidget(scroll, 1);

    auto *buttons
        = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    showCustomization(shown);
    connect(language_, &QComboBox::activated, this, [this](int index) { loadDefaultsOf(index); });
    connect(reset_, &QPushButton::clicked, this,
        [this] { loadDefaultsOf(language_->currentIndex()); });
    resize(640, 560);
}

void LanguageDialog::showCustomization(const LanguageCustomization &shown)
{
    language_->setCurrentIndex(shown.languageIndex);
    for (size_t at = 0; at < kCustomizableWordSlots; ++at) {
        defaults_[at]->setText(toQString(shown.defaults[at]));
        words_[at]->setText(toQString(shown.inUse[at]));
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
