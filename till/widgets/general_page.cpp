#include "till/widgets/general_page.h"

#include "platform/cp1252.h"
#include "platform/widgets/wrapping_check_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace ovix {

namespace {

QLineEdit *textBox(const std::string &text, int maxLength, QWidget *parent)
{
    auto *box = new QLineEdit(toQString(text), parent);
    box->setMaxLength(maxLength);
    return box;
}

// Rows of boxes close together, so that the page fits a small screen.
constexpr int kRowSpacing = 3;
constexpr int kPageMargin = 6;
constexpr int kCategoryColumns = 6;

QCheckBox *checkBox(const char *caption, bool ticked, QWidget *parent)
{
    auto *box = new WrappingCheckBox(QString::fromLatin1(caption), parent);
    box->setChecked(ticked);
    return box;
}

// A list of the numbers first to last, showing `shown` (none when not listed).
QComboBox *numberList(int first, int last, int shown, QWidget *parent)
{
    auto *list = new QComboBox(parent);
    for (int number = first; number <= last; ++number)
        list->addItem(QString::number(number), number);
    list->setCurrentIndex(list->findData(shown));
    return list;
}

int chosenNumber(const QComboBox *list)
{
    return list->currentIndex() >= 0 ? list->currentData().toInt() : 0;
}

void keepUpperCase(QLineEdit *box)
{
    QObject::connect(box, &QLineEdit::textEdited, box, [box](const QString &text) {
        const int cursor = box->cursorPosition();
        box->setText(text.toUpper());
        box->setCursorPosition(cursor);
    });
}

} // namespace

GeneralPage::GeneralPage(const GeneralPageInput &shown,
    const std::array<std::string, kCategoryNameBoxes> &categoryNames, int firstYear, int thisYear,
    QWidget *parent)
    : QWidget(parent)
{
    // Two columns that fit an 800 x 600 screen: the boxes on the left, the
    // switches (their captions wrapping) and the category names on the right.
    auto *columns = new QHBoxLayout(this);
    columns->setContentsMargins(kPageMargin, kPageMargin, kPageMargin, kPageMargin);
    auto *left = new QFormLayout;
    left->setVerticalSpacing(kRowSpacing);
    left->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    columns->addLayout(left);
    itemStart_ = textBox(shown.itemStartPoint, 18, this);
    left->addRow(QStringLiteral("Inventory next available start point"), itemStart_);
    customerStart_ = textBox(shown.customerStartPoint, 18, this);
    left->addRow(QStringLiteral("Customer next available start point "), customerStart_);

    displayCategory_ = new QComboBox(this);
    itemCategory_ = new QComboBox(this);
    for (const std::string &name : categoryNames) {
        displayCategory_->addItem(toQString(name));
        itemCategory_->addItem(toQString(name));
    }
    displayCategory_->addItem(QStringLiteral("ALL"));
    displayCategory_->setCurrentIndex(shown.displayCategoryIndex);
    itemCategory_->setCurrentIndex(shown.itemCategoryIndex);
    left->addRow(QStringLiteral("Default display button category"), displayCategory_);
    left->addRow(QStringLiteral("Default inventory category"), itemCategory_);

    till_ = textBox(shown.startOfDayTill, 12, this);
    left->addRow(QStringLiteral("Default start of day till total"), till_);
    taxOneName_ = textBox(shown.taxOneName, 5, this);
    taxTwoName_ = textBox(shown.taxTwoName, 5, this);
    left->addRow(QStringLiteral("Tax 1 description"), taxOneName_);
    left->addRow(QStringLiteral("Tax 2 description"), taxTwoName_);
    taxCode_ = new QComboBox(this);
    taxCode_->addItems({ QStringLiteral("Non taxable"), QStringLiteral("Tax 1 and 2"),
        QStringLiteral("Tax 1"), QStringLiteral("Tax 2") });
    taxCode_->setCurrentIndex(shown.taxCodeIndex);
    left->addRow(QStringLiteral("Default inventory tax code"), taxCode_);
    discountRate_ = new QSpinBox(this);
    discountRate_->setRange(0, kMaxDiscountButtonRate);
    discountRate_->setValue(shown.discountButtonRate);
    left->addRow(QStringLiteral("Default rate for discount button"), discountRate_);

    auto *history = new QHBoxLayout;
    historyDay_ = numberList(1, 31, shown.historyDay, this);
    historyMonth_ = numberList(1, 12, shown.historyMonth, this);
    historyYear_ = numberList(firstYear, thisYear, shown.historyYear, this);
    history->addWidget(historyDay_);
    history->addWidget(historyMonth_);
    history->addWidget(historyYear_);
    history->addStretch(1);
    left->addRow(QStringLiteral("History from:"), history);

    currencySymbol_ = textBox(shown.currencySymbol, 4, this);
    left->addRow(QStringLiteral("Currency symbol"), currencySymbol_);
    secondCurrency_ = checkBox("Display second currency", shown.secondCurrency, this);
    left->addRow(secondCurrency_);
    secondCurrencySymbol_ = textBox(shown.secondCurrencySymbol, 3, this);
    left->addRow(QStringLiteral("Second currency symbol"), secondCurrencySymbol_);
    conversionRate_ = textBox(shown.conversionRate, 16, this);
    left->addRow(QStringLiteral("Conversion rate"), conversionRate_);
    percentageTradeDiscount_
        = checkBox("Use percentage discount for trade sales", shown.percentageTradeDiscount, this);
    left->addRow(percentageTradeDiscount_);
    tradeDiscount_ = textBox(shown.tradeDiscount, 8, this);
    left->addRow(QStringLiteral("Discount (say 5 or 5.62)"), tradeDiscount_);

    auto *right = new QVBoxLayout;
    right->setSpacing(kRowSpacing);
    columns->addLayout(right, 1);
    summaryBox_ = checkBox("Display summary box after each transaction (with receipt and "
                           "invoice print buttons).",
        shown.summaryBox, this);
    customerList_ = checkBox("Display customer searches as a list rather than individual "
                             "matches.",
        shown.customerSearchAsList, this);
    itemList_ = checkBox("Display inventory searches as a list rather than individual matches.",
        shown.itemSearchAsList, this);
    permitShortStock_ = checkBox(
        "Permit transaction if stock level is insufficient.", shown.permitShortStock, this);
    omitMonthlyTotals_ = checkBox(
        "Omit monthly till totals from the overview printout", shown.omitMonthlyTotals, this);
    cartDescriptionOnly_ = checkBox("Display cart items with just description (default is "
                                    "barcode and description).",
        shown.cartDescriptionOnly, this);
    nonInventoryTaxable_
        = checkBox("Non inventory sale default is taxable", shown.nonInventoryTaxable, this);
    skuOneEntry_ = checkBox("Use SKU 1 for cart item selection (default is the number field). "
                            "Ensure unique.",
        shown.skuOneEntry, this);
    discountOnTotal_
        = checkBox("Apply discounts on total amount not nett", shown.discountOnTotal, this);
    noNumberOnNewItem_
        = checkBox("Do not offer on new inventory box", shown.noNumberOnNewItem, this);
    noNumberOnNewCustomer_
        = checkBox("Do not offer on new customer box", shown.noNumberOnNewCustomer, this);
    for (QCheckBox *box : { summaryBox_, customerList_, itemList_, permitShortStock_,
             omitMonthlyTotals_, cartDescriptionOnly_, nonInventoryTaxable_, skuOneEntry_,
             discountOnTotal_, noNumberOnNewItem_, noNumberOnNewCustomer_ })
        right->addWidget(box);

    auto *names = new QGroupBox(QStringLiteral("Categories"), this);
    auto *grid = new QGridLayout(names);
    grid->setVerticalSpacing(kRowSpacing);
    grid->setHorizontalSpacing(kRowSpacing);
    for (int box = 0; box < kCategoryNameBoxes; ++box) {
        QLineEdit *edit = textBox(shown.categoryNames[static_cast<size_t>(box)], 3, names);
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("MMM")) + 6);
        keepUpperCase(edit);
        categoryNames_[static_cast<size_t>(box)] = edit;
        const int row = box / kCategoryColumns;
        const int column = (box % kCategoryColumns) * 2;
        grid->addWidget(new QLabel(QString::number(box + 1), names), row, column, Qt::AlignRight);
        grid->addWidget(edit, row, column + 1);
    }
    right->addWidget(names);
    right->addStretch(1);
}

GeneralPageInput GeneralPage::input() const
{
    GeneralPageInput input;
    input.itemStartPoint = fromQString(itemStart_->text());
    input.customerStartPoint = fromQString(customerStart_->text());
    input.displayCategoryIndex = displayCategory_->currentIndex();
    input.itemCategoryIndex = itemCategory_->currentIndex();
    input.startOfDayTill = fromQString(till_->text());
    input.taxOneName = fromQString(taxOneName_->text());
    input.taxTwoName = fromQString(taxTwoName_->text());
    input.taxCodeIndex = taxCode_->currentIndex();
    input.discountButtonRate = discountRate_->value();
    for (size_t box = 0; box < categoryNames_.size(); ++box)
        input.categoryNames[box] = fromQString(categoryNames_[box]->text());
    input.historyDay = chosenNumber(historyDay_);
    input.historyMonth = chosenNumber(historyMonth_);
    input.historyYear = chosenNumber(historyYear_);
    input.summaryBox = summaryBox_->isChecked();
    input.customerSearchAsList = customerList_->isChecked();
    input.itemSearchAsList = itemList_->isChecked();
    input.permitShortStock = permitShortStock_->isChecked();
    input.omitMonthlyTotals = omitMonthlyTotals_->isChecked();
    input.currencySymbol = fromQString(currencySymbol_->text());
    input.secondCurrency = secondCurrency_->isChecked();
    input.secondCurrencySymbol = fromQString(secondCurrencySymbol_->text());
    input.conversionRate = fromQString(conversionRate_->text());
    input.cartDescriptionOnly = cartDescriptionOnly_->isChecked();
    input.nonInventoryTaxable = nonInventoryTaxable_->isChecked();
    input.skuOneEntry = skuOneEntry_->isChecked();
    input.percentageTradeDiscount = percentageTradeDiscount_->isChecked();
    input.tradeDiscount = fromQString(tradeDiscount_->text());
    input.discountOnTotal = discountOnTotal_->isChecked();
    input.noNumberOnNewItem = noNumberOnNewItem_->isChecked();
    input.noNumberOnNewCustomer = noNumberOnNewCustomer_->isChecked();
    return input;
}

} // namespace ovix
