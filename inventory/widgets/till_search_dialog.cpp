#include "inventory/widgets/till_search_dialog.h"

#include "inventory/widgets/advanced_search_dialog.h"
#include "platform/cp1252.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ovix {

namespace {

// Characters a description holds.
constexpr int kDescriptionWidth = 38;

} // namespace

TillSearchDialog::TillSearchDialog(TillSearchType preset, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Item description search"));
    auto *layout = new QVBoxLayout(this);
    text_ = new QLineEdit(this);
    text_->setObjectName(QStringLiteral("text"));
    makeCapitalsBox(text_, kDescriptionWidth);
    layout->addWidget(text_);
    initial_ = new QRadioButton(QStringLiteral("Initial characters"), this);
    initial_->setObjectName(QStringLiteral("initial"));
    within_ = new QRadioButton(QStringLiteral("Within the description"), this);
    within_->setObjectName(QStringLiteral("within"));
    (preset == TillSearchType::WithinDescription ? within_ : initial_)->setChecked(true);
    layout->addWidget(initial_);
    layout->addWidget(within_);
    keep_ = new QCheckBox(QStringLiteral("Keep search type as default"), this);
    keep_->setObjectName(QStringLiteral("keep"));
    layout->addWidget(keep_);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    text_->setFocus();
}

TillSearchRequest TillSearchDialog::request() const
{
    TillSearchRequest request;
    request.text = fromQString(text_->text());
    request.type = within_->isChecked() ? TillSearchType::WithinDescription
                                        : TillSearchType::InitialCharacters;
    request.keepAsDefault = keep_->isChecked();
    return request;
}

std::optional<TillSearchRequest> askTillSearch(TillSearchType preset, QWidget *parent)
{
    TillSearchDialog dialog(preset, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.request();
}

} // namespace ovix
