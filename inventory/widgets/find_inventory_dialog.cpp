#include "inventory/widgets/find_inventory_dialog.h"

#include "platform/c_format.h"
#include "platform/cp1252.h"
#include "store/fixed_text.h"
#include "store/till_config.h"

#include <QFontMetrics>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cinttypes>

namespace ovix {

namespace {

// A line edit's frame and the margins around its text, both sides together.
constexpr int kBoxPadding = 12;

QString money(float amount)
{
    return QString::fromStdString(cformat("%.2f", static_cast<double>(amount)));
}

} // namespace

QString taxCodeText(int32_t code)
{
    static const char *const kTexts[] = { "Non taxable", "Tax 1 and 2", "Tax 1", "Tax 2" };
    if (code >= 0 && code < 4)
        return QString::fromLatin1(kTexts[code]);
    return QString::number(code);
}

FindInventoryDialog::FindInventoryDialog(
    const ItemRecord &item, const TillConfig &config, bool hideCost, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("FIND INVENTORY"));
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(new QFormLayout);
    const int32_t category = item.display_category;
    const int32_t quantity = item.quantity;
    addField("number", QStringLiteral("Number"),
        QString::fromStdString(cformat("%" PRId64, static_cast<int64_t>(item.number))));
    addField("description", QStringLiteral("Description"), toQString(readText(item.description)));
    addField("sku1", QStringLiteral("SKU 1"), toQString(readText(item.sku1)));
    addField("sku2", QStringLiteral("SKU 2"), toQString(readText(item.sku2)));
    addField("sku3", QStringLiteral("SKU 3"), toQString(readText(item.sku3)));
    addField("sku4", QStringLiteral("SKU 4"), toQString(readText(item.sku4)));
    addField("cost", QStringLiteral("Cost"), hideCost ? QString() : money(item.cost_price));
    addField("price", QStringLiteral("Price"), money(item.retail_price));
    addField("category", QStringLiteral("Display category"),
        toQString(config.categoryName(category + 1)));
    addField("stock", QStringLiteral("In stock"), QString::number(quantity));
    addField("tax", QStringLiteral("Tax"), taxCodeText(item.tax));
    addField("added", QStringLiteral("Date added"), toQString(readText(item.date_added)));

    auto *buttons = new QHBoxLayout;
    const auto button = [&](const char *name, const QString &caption, StepChoice choice) {
        auto *push = new QPushButton(caption, this);
        push->setObjectName(QString::fromLatin1(name));
        buttons->addWidget(push);
        connect(push, &QPushButton::clicked, this, [this, choice] {
            choice_ = choice;
            if (choice == StepChoice::Cancel)
                reject();
            else
                accept();
        });
        return push;
    };
    button("next", QStringLiteral("Next"), StepChoice::Next)->setDefault(true);
    button("ok", QStringLiteral("OK"), StepChoice::Ok);
    button("cancel", QStringLiteral("Cancel"), StepChoice::Cancel);
    layout->addLayout(buttons);
}

void FindInventoryDialog::addField(const char *name, const QString &caption, const QString &value)
{
    auto *form = static_cast<QFormLayout *>(layout()->itemAt(0)->layout());
    auto *box = new QLineEdit(value, this);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    box->setCursorPosition(0);
    // Wide enough for what it shows, up to the 38 characters the item dialog
    // takes, and never narrower than a whole item number.
    const QFontMetrics metrics = box->fontMetrics();
    const int widest = metrics.horizontalAdvance(QString(38, QLatin1Char('W')));
    const int least = metrics.horizontalAdvance(QString(20, QLatin1Char('0')));
    box->setMinimumWidth(
        std::clamp(metrics.horizontalAdvance(value), least, widest) + kBoxPadding);
    form->addRow(caption, box);
}

QLineEdit *FindInventoryDialog::field(const char *name) const
{
    return findChild<QLineEdit *>(QString::fromLatin1(name));
}

} // namespace ovix
