#include "till/widgets/user_control_dialog.h"

#include "sales/logic/till_state.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace ovix {

namespace {
constexpr int kRowsPerColumn = 14;
}

UserControlDialog::UserControlDialog(const UserControlChoices &choices, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("PASSWORD CONTROL"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        QStringLiteral("not available to users other than 1 Administrator or 2 Manager"), this));

    auto *grid = new QGridLayout;
    for (int i = 0; i < kUserControlItems; ++i) {
        const std::string_view caption = userControlCaption(static_cast<UserControlItem>(i));
        auto *box = new QCheckBox(
            QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())), this);
        box->setObjectName(QStringLiteral("item%1").arg(i));
        box->setChecked(choices[static_cast<size_t>(i)]);
        grid->addWidget(box, i % kRowsPerColumn, i / kRowsPerColumn);
        items_.push_back(box);
    }
    auto *all = new QCheckBox(QStringLiteral("All"), this);
    all->setObjectName(QStringLiteral("all"));
    all->setChecked(std::all_of(choices.begin(), choices.end(), [](bool on) { return on; }));
    connect(all, &QCheckBox::clicked, this, [this](bool ticked) {
        for (QCheckBox *box : items_)
            box->setChecked(ticked);
    });
    grid->addWidget(all, kUserControlItems % kRowsPerColumn, kUserControlItems / kRowsPerColumn);
    layout->addLayout(grid);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

UserControlChoices UserControlDialog::choices() const
{
    UserControlChoices result{};
    for (size_t i = 0; i < items_.size() && i < result.size(); ++i)
        result[i] = items_[i]->isChecked();
    return result;
}

bool runUserControl(QWidget *parent, TillState &state)
{
    if (!mayChangeUserControl(state))
        return false;
    UserControlDialog dialog(userControlChoices(state.config), parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    applyUserControl(state.config, dialog.choices());
    return true;
}

} // namespace ovix
