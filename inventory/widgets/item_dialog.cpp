#include "inventory/widgets/item_dialog.h"

#include "inventory/logic/item_view_text.h"
#include "inventory/logic/price_reckoner.h"
#include "inventory/widgets/capital_boxes.h"
#include "platform/cp1252.h"
#include "platform/widgets/artwork.h"
#include "store/shop.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ovix {

namespace {

QStringList numberList(int first, int last)
{
    QStringList entries;
    for (int value = first; value <= last; ++value)
        entries << QString::number(value);
    return entries;
}

std::string typed(const QLineEdit *box)
{
    return fromQString(box->text());
}

} // namespace

ItemDialog::ItemDialog(
    const Shop &shop, const ItemForm &form, ItemDialogForm look, QWidget *parent)
    : QDialog(parent)
    , shop_(shop)
    , pictureChoice_(form.picture)
{
    build(form, look);
}

QLineEdit *ItemDialog::addLine(const char *name, size_t width)
{
    auto *box = new QLineEdit(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setMaxLength(static_cast<int>(width));
    // Room for the long texts; the numbers take little, so that the dialog
    // fits an 800 x 600 screen.
    if (width >= kItemTextWidth)
        box->setMinimumWidth(120);
    else
        box->setMaximumWidth(90);
    return box;
}

QComboBox *ItemDialog::addList(const char *name, const QStringList &entries, int current)
{
    auto *list = new QComboBox(this);
    list->setObjectName(QString::fromLatin1(name));
    list->addItems(entries);
    list->setCurrentIndex(current >= 0 && current < entries.size() ? current : 0);
    list->setMaximumWidth(115);
    return list;
}

void ItemDialog::build(const ItemForm &form, ItemDialogForm look)
{
    const bool newItem = look == ItemDialogForm::New;
    setWindowTitle(newItem ? QStringLiteral("New inventory") : QStringLiteral("Amend inventory"));
    shownNumber_ = typedItemNumber(form.number);

    auto line = [this](const char *name, size_t width, const std::string &text) {
        QLineEdit *box = addLine(name, width);
        box->setText(toQString(text));
        return box;
    };
    number_ = line("number", kItemNumberWidth, form.number);
    number_->setReadOnly(look == ItemDialogForm::Amend);
    description_ = line("description", kItemTextWidth, form.description);
    forceCapitals(description_);
    for (size_t i = 0; i < skus_.size(); ++i) {
        const std::string name = "sku" + std::to_string(i + 1);
        skus_[i] = line(name.c_str(), kItemTextWidth, form.skus[i]);
        forceCapitals(skus_[i]);
    }
    notes_ = line("notes", kItemNotesWidth, form.notes);
    location_ = line("location", kItemTextWidth, form.location);
    website_ = line("website", kItemTextWidth, form.website);
    webImage_ = line("webImage", kItemTextWidth, form.webImage);
    orderCode_ = line("orderCode", kItemTextWidth, form.orderCode);
    dateAdded_ = new QDateEdit(QDate(form.addedYear, form.addedMonth, form.addedDay), this);
    dateAdded_->setObjectName(QStringLiteral("dateAdded"));
    dateAdded_->setCalendarPopup(true);
    dateAdded_->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));

    costPrice_ = line("costPrice", kItemPriceWidth, form.costPrice);
    tradePrice_ = line("tradePrice", kItemPriceWidth, form.tradePrice);
    retailPrice_ = line("retailPrice", kItemPriceWidth, form.retailPrice);
    priceWithTax_ = line("priceWithTax", kPriceWithTaxWidth, {});
    priceWithoutTax_ = line("priceWithoutTax", kItemPriceWidth, {});
    priceWithoutTax_->setReadOnly(true);
    taxOneTick_ = new QCheckBox(QStringLiteral("Tax 1"), this);
    taxOneTick_->setObjectName(QStringLiteral("taxOneTick"));
    taxTwoTick_ = new QCheckBox(QStringLiteral("Tax 2"), this);
    taxTwoTick_->setObjectName(QStringLiteral("taxTwoTick"));
    QStringList taxNames;
    for (const char *name : taxCodeNames())
        taxNames << QString::fromLatin1(name);
    taxCode_ = addList("taxCode", taxNames, form.taxCode);
    tickForTaxCode(taxCode_->currentIndex());
    QStringList categories;
    for (int category = 1; category <= kCategoryCount; ++category)
        categories << toQString(shop_.config.categoryName(category));
    displayCategory_ = addList("displayCategory", categories, form.displayCategory);
    quantity_ = line("quantity", kItemCountWidth, form.quantity);
    restockLevel_ = line("restockLevel", kItemCountWidth, form.restockLevel);
    orderQuantity_ = line("orderQuantity", kItemCountWidth, form.orderQuantity);
    minimumOrder_ = line("minimumOrder", kItemCountWidth, form.minimumOrder);
    onOrder_ = line("onOrder", kItemCountWidth, form.onOrder);

    committed_ = line("committed", kItemCountWidth, form.committed);
    deliveryLead_ = line("deliveryLead", kItemCountWidth, form.deliveryLead);
    labelsToPrint_ = line("labelsToPrint", kItemCountWidth, form.labelsToPrint);
    delivery_ = line("delivery", kItemPriceWidth, form.deliveryCharge);
    weight_ = line("weight", kItemPriceWidth, form.weight);
    saleOrReturn_ = addList("saleOrReturn", { QStringLiteral("NO"), QStringLiteral("YES") },
        form.saleOrReturn);
    specialOrder_ = addList("specialOrder", numberList(0, kHighestSpecialOrder), form.specialOrder);
    ageWarning_ = new QCheckBox(QStringLiteral("Age warning"), this);
    ageWarning_->setObjectName(QStringLiteral("ageWarning"));
    ageWarning_->setChecked(form.ageWarning);
    age_ = addList("age", numberList(kLowestAgeWarning, kHighestAgeWarning),
        form.age - kLowestAgeWarning);
    noTaxRounding_ = new QCheckBox(QStringLiteral("No tax rounding"), this);
    noTaxRounding_->setObjectName(QStringLiteral("noTaxRounding"));
    noTaxRounding_->setChecked(form.noTaxRounding);
    omitQuickSelect_ = new QCheckBox(QStringLiteral("Omit from quick select"), this);
    omitQuickSelect_->setObjectName(QStringLiteral("omitQuickSelect"));
    omitQuickSelect_->setChecked(form.omitQuickSelect);
    buyOneGetOneFree_ = new QCheckBox(QStringLiteral("Buy one get one free"), this);
    buyOneGetOneFree_->setObjectName(QStringLiteral("buyOneGetOneFree"));
    buyOneGetOneFree_->setChecked(form.buyOneGetOneFree);
    sellByDay_ = addList("sellByDay", numberList(0, 31), form.sellByDay);
    sellByMonth_ = addList("sellByMonth", numberList(0, 12), form.sellByMonth);
    QStringList years { QStringLiteral("0") };
    years << numberList(kFirstSellByYear, kLastSellByYear);
    sellByYear_ = addList("sellByYear", years, form.sellByYear);

    auto *first = new QFormLayout;
    first->addRow(QStringLiteral("Number"), number_);
    first->addRow(QStringLiteral("Description"), description_);
    for (size_t i = 0; i < skus_.size(); ++i)
        first->addRow(QStringLiteral("SKU %1").arg(i + 1), skus_[i]);
    first->addRow(QStringLiteral("Notes"), notes_);
    first->addRow(QStringLiteral("Location"), location_);
    first->addRow(QStringLiteral("Web URL"), website_);
    first->addRow(QStringLiteral("Web image URL"), webImage_);
    first->addRow(QStringLiteral("Order code"), orderCode_);
    first->addRow(QStringLiteral("Date added"), dateAdded_);

    auto *ticks = new QHBoxLayout;
    ticks->addWidget(taxOneTick_);
    ticks->addWidget(taxTwoTick_);
    auto *second = new QFormLayout;
    second->addRow(QStringLiteral("Cost price"), costPrice_);
    second->addRow(QStringLiteral("Trade price"), tradePrice_);
    second->addRow(QStringLiteral("Retail price"), retailPrice_);
    second->addRow(QStringLiteral("Retail price with tax"), priceWithTax_);
    second->addRow(QString(), ticks);
    second->addRow(QStringLiteral("Retail price without tax"), priceWithoutTax_);
    second->addRow(QStringLiteral("Tax code"), taxCode_);
    second->addRow(QStringLiteral("Display category"), displayCategory_);
    second->addRow(QStringLiteral("In stock"), quantity_);
    second->addRow(QStringLiteral("Restock level"), restockLevel_);
    second->addRow(QStringLiteral("Order quantity"), orderQuantity_);
    second->addRow(QStringLiteral("Minimum order"), minimumOrder_);
    second->addRow(QStringLiteral("On order"), onOrder_);

    sellByDay_->setMaximumWidth(48);
    sellByMonth_->setMaximumWidth(48);
    sellByYear_->setMaximumWidth(68);
    auto *sellBy = new QHBoxLayout;
    sellBy->addWidget(sellByDay_);
    sellBy->addWidget(sellByMonth_);
    sellBy->addWidget(sellByYear_);
    auto *third = new QFormLayout;
    third->addRow(QStringLiteral("Committed"), committed_);
    third->addRow(QStringLiteral("Delivery lead"), deliveryLead_);
    third->addRow(QStringLiteral("Labels to print"), labelsToPrint_);
    third->addRow(QStringLiteral("Delivery"), delivery_);
    third->addRow(QStringLiteral("Weight"), weight_);
    third->addRow(QStringLiteral("SOR"), saleOrReturn_);
    third->addRow(QStringLiteral("Special order"), specialOrder_);
    third->addRow(ageWarning_, age_);
    third->addRow(noTaxRounding_);
    third->addRow(omitQuickSelect_);
    third->addRow(buyOneGetOneFree_);
    third->addRow(QStringLiteral("Sell by"), sellBy);

    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("picture"));
    picture_->setFixedSize(kItemPictureSide, kItemPictureSide);
    auto *back = new QPushButton(QStringLiteral("Back"), this);
    back->setObjectName(QStringLiteral("pictureBack"));
    auto *forward = new QPushButton(QStringLiteral("Forward"), this);
    forward->setObjectName(QStringLiteral("pictureForward"));
    auto button = [this](const char *name, const QString &caption, ItemDialogChoice choice) {
        auto *push = new QPushButton(caption, this);
        push->setObjectName(QString::fromLatin1(name));
        push->setAutoDefault(false);
        connect(push, &QPushButton::clicked, this, [this, choice] { finish(choice); });
        return push;
    };
    QPushButton *cancel = button("cancel", QStringLiteral("Cancel"), ItemDialogChoice::Cancel);
    QPushButton *ok = button("ok", QStringLiteral("OK"), ItemDialogChoice::Ok);
    ok->setDefault(true);
    QPushButton *copy = button("copy", QStringLiteral("&Copy"), ItemDialogChoice::Copy);
    QPushButton *next = button("next", QStringLiteral("&Next"), ItemDialogChoice::Next);
    copy->setVisible(newItem);
    next->setVisible(newItem);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(picture_);
    bottom->addWidget(back);
    bottom->addWidget(forward);
    bottom->addStretch();
    bottom->addWidget(copy);
    bottom->addWidget(next);
    bottom->addWidget(cancel);
    bottom->addWidget(ok);
    auto *columns = new QHBoxLayout;
    columns->setSpacing(6);
    columns->addLayout(first);
    columns->addLayout(second);
    columns->addLayout(third);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(bottom);

    connect(priceWithTax_, &QLineEdit::textEdited, this, [this] { reckon(); });
    connect(taxOneTick_, &QCheckBox::toggled, this, [this] { reckon(); });
    connect(taxTwoTick_, &QCheckBox::toggled, this, [this] { reckon(); });
    connect(taxCode_, &QComboBox::currentIndexChanged, this,
        [this](int code) { tickForTaxCode(code); });
    connect(back, &QPushButton::clicked, this, [this] {
        pictureChoice_.back();
        showPicture();
    });
    connect(forward, &QPushButton::clicked, this, [this] {
        pictureChoice_.forward();
        showPicture();
    });
    showPicture();
    if (newItem && form.number.empty())
        number_->setFocus();
    else
        description_->setFocus();
}

void ItemDialog::tickForTaxCode(int code)
{
    taxOneTick_->setChecked(code == 1 || code == 2);
    taxTwoTick_->setChecked(code == 1 || code == 3);
}

void ItemDialog::reckon()
{
    if (priceWithTax_->text().isEmpty())
        return;
    const QString without = QString::fromStdString(priceWithoutTax(typed(priceWithTax_),
        taxOneTick_->isChecked(), taxTwoTick_->isChecked(), shop_.config.get(cfg::taxOneRate),
        shop_.config.get(cfg::taxTwoRate)));
    priceWithoutTax_->setText(without);
    retailPrice_->setText(without);
}

void ItemDialog::showPicture()
{
    const std::string file = pictureChoice_.fileName(shownNumber_);
    picture_->setPixmap(itemPicture(shop_.dir, file));
    picture_->setToolTip(QString::fromStdString(file));
}

void ItemDialog::finish(ItemDialogChoice choice)
{
    choice_ = choice;
    if (choice == ItemDialogChoice::Cancel)
        reject();
    else
        accept();
}

ItemForm ItemDialog::form() const
{
    ItemForm form;
    form.number = typed(number_);
    form.description = typed(description_);
    for (size_t i = 0; i < skus_.size(); ++i)
        form.skus[i] = typed(skus_[i]);
    form.costPrice = typed(costPrice_);
    form.tradePrice = typed(tradePrice_);
    form.retailPrice = typed(retailPrice_);
    form.orderCode = typed(orderCode_);
    form.orderQuantity = typed(orderQuantity_);
    form.minimumOrder = typed(minimumOrder_);
    form.onOrder = typed(onOrder_);
    form.restockLevel = typed(restockLevel_);
    form.notes = typed(notes_);
    form.deliveryCharge = typed(delivery_);
    form.weight = typed(weight_);
    form.committed = typed(committed_);
    form.deliveryLead = typed(deliveryLead_);
    form.labelsToPrint = typed(labelsToPrint_);
    form.location = typed(location_);
    form.website = typed(website_);
    form.webImage = typed(webImage_);
    form.quantity = typed(quantity_);
    form.taxCode = taxCode_->currentIndex();
    form.displayCategory = displayCategory_->currentIndex();
    form.saleOrReturn = saleOrReturn_->currentIndex();
    form.noTaxRounding = noTaxRounding_->isChecked();
    form.specialOrder = specialOrder_->currentIndex();
    form.ageWarning = ageWarning_->isChecked();
    form.age = age_->currentIndex() + kLowestAgeWarning;
    form.omitQuickSelect = omitQuickSelect_->isChecked();
    form.buyOneGetOneFree = buyOneGetOneFree_->isChecked();
    form.sellByDay = sellByDay_->currentIndex();
    form.sellByMonth = sellByMonth_->currentIndex();
    form.sellByYear = sellByYear_->currentIndex();
    const QDate added = dateAdded_->date();
    form.addedDay = added.day();
    form.addedMonth = added.month();
    form.addedYear = added.year();
    form.picture = pictureChoice_;
    return form;
}

} // namespace ovix
