#include "sales/widgets/customer_pick_dialog.h"

#include "platform/c_format.h"
#include "platform/cp1252.h"
#include "platform/messages.h"
#include "sales/logic/till_state.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <cinttypes>

namespace ovix {

CustomerPickDialog::CustomerPickDialog(
    const std::vector<CustomerCandidate> &candidates, QWidget *parent)
    : QDialog(parent)
    , candidates_(candidates)
{
    setWindowTitle(QStringLiteral("Please select"));
    auto *layout = new QVBoxLayout(this);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("customers"));
    for (const CustomerCandidate &candidate : candidates_)
        list_->addItem(toQString(cformat("%" PRId64 " %s,  %s", candidate.number,
            candidate.name.c_str(), candidate.road.c_str())));
    if (!candidates_.empty())
        list_->setCurrentRow(0);
    layout->addWidget(list_);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    resize(420, 300);
}

int64_t CustomerPickDialog::chosenNumber() const
{
    const int row = list_->currentRow();
    if (row < 0 || static_cast<size_t>(row) >= candidates_.size())
        return 0;
    return candidates_[static_cast<size_t>(row)].number;
}

int64_t lookUpCustomer(
    QWidget *parent, const TillState &state, Messages &messages, std::string_view caption)
{
    const std::optional<std::string> typed = messages.askText("Number / name", caption);
    if (!typed)
        return 0;
    const CustomerLookup found = lookUpCustomers(
        state.customers, fromUtf8(*typed), CustomerSearchOrder::ByNumber, false, messages);
    if (found.candidates.empty())
        return 0;
    if (found.byNumber)
        return found.candidates.front().number;
    CustomerPickDialog dialog(found.candidates, parent);
    if (dialog.exec() != QDialog::Accepted)
        return 0;
    return dialog.chosenNumber();
}

} // namespace ovix
