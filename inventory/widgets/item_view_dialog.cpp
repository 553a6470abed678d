#include "inventory/widgets/item_view_dialog.h"

#include "inventory/logic/item_maintenance.h"
#include "inventory/logic/item_view_text.h"
#include "platform/cp1252.h"
#include "platform/messages.h"
#include "platform/widgets/artwork.h"
#include "store/shop.h"
#include "till/logic/quick_select.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ovix {

namespace {

// Lines per column of the view, so that it fits an 800 x 600 screen.
constexpr int kRowsPerColumn = 14;

} // namespace

ItemViewDialog::ItemViewDialog(
    const Shop &shop, int64_t number, Messages &messages, QWidget *parent)
    : QDialog(parent)
    , shop_(shop)
    , messages_(messages)
{
    setWindowTitle(QStringLiteral("Inventory"));
    auto *grid = new QGridLayout;
    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("picture"));
    picture_->setFixedSize(kItemPictureSide, kItemPictureSide);
    auto *next = new QPushButton(QStringLiteral("&Next"), this);
    next->setObjectName(QStringLiteral("next"));
    next->setAutoDefault(false);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    connect(next, &QPushButton::clicked, this, [this] { showNext(); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(picture_);
    bottom->addStretch();
    bottom->addWidget(next);
    bottom->addWidget(ok);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(bottom);
    showItem(number);
}

QLineEdit *ItemViewDialog::valueBox(const QString &label) const
{
    for (size_t i = 0; i < labels_.size(); ++i)
        if (labels_[i]->text() == label)
            return values_[i];
    return nullptr;
}

bool ItemViewDialog::showItem(int64_t number)
{
    const std::optional<ItemRecord> record = readItem(shop_, number, messages_);
    if (!record)
        return false;
    number_ = number;
    const std::vector<ItemViewLine> lines = itemViewLines(*record, shop_.config);
    auto *grid = static_cast<QGridLayout *>(static_cast<QVBoxLayout *>(layout())->itemAt(0));
    // A bundle has more lines than an item: boxes are added as needed and
    // the ones not used are hidden.
    while (labels_.size() < lines.size()) {
        const int at = static_cast<int>(labels_.size());
        auto *label = new QLabel(this);
        auto *value = new QLineEdit(this);
        value->setReadOnly(true);
        value->setMinimumWidth(120);
        grid->addWidget(label, at % kRowsPerColumn, 2 * (at / kRowsPerColumn));
        grid->addWidget(value, at % kRowsPerColumn, 2 * (at / kRowsPerColumn) + 1);
        labels_.push_back(label);
        values_.push_back(value);
    }
    for (size_t i = 0; i < labels_.size(); ++i) {
        const bool used = i < lines.size();
        labels_[i]->setVisible(used);
        values_[i]->setVisible(used);
        labels_[i]->setText(used ? QString::fromStdString(lines[i].label) : QString());
        values_[i]->setText(used ? toQString(lines[i].value) : QString());
        values_[i]->setCursorPosition(0);
    }
    setWindowTitle(record->record_kind == 2 ? QStringLiteral("Bundle") : QStringLiteral("Inventory"));
    picture_->setPixmap(itemPicture(shop_.dir, quickSelectPicture(*record)));
    return true;
}

bool ItemViewDialog::showNext()
{
    const size_t position = shop_.items.find(number_ + 1);
    if (number_ >= kMaxRecordNumber || position >= shop_.items.index().size()) {
        messages_.beep();
        return false;
    }
    return showItem(shop_.items.index()[position].number);
}

void showItemView(QWidget *parent, const Shop &shop, int64_t number, Messages &messages)
{
    if (!readItem(shop, number, messages))
        return;
    ItemViewDialog view(shop, number, messages, parent);
    view.exec();
}

} // namespace ovix
