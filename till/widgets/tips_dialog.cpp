#include "till/widgets/tips_dialog.h"

#include "till/logic/tips.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ovix {

TipsDialog::TipsDialog(TillConfig &config, QWidget *parent)
    : QDialog(parent)
    , config_(config)
{
    setWindowTitle(QStringLiteral("Tip of the day ..."));
    auto *layout = new QVBoxLayout(this);
    auto *heading = new QLabel(QStringLiteral("  Did you know ..."), this);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    heading->setFont(bold);
    layout->addWidget(heading);

    tip_ = new QLabel(this);
    tip_->setWordWrap(true);
    tip_->setMinimumSize(360, 90);
    tip_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(tip_, 1);

    showAtStart_ = new QCheckBox(QStringLiteral("Show tips at start"), this);
    showAtStart_->setChecked(tipsShownAtStart(config_));
    layout->addWidget(showAtStart_);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *next = buttons->addButton(QStringLiteral("&Next"), QDialogButtonBox::ActionRole);
    connect(next, &QPushButton::clicked, this, [this] { showNextTip(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    showNextTip();
}

void TipsDialog::showNextTip()
{
    std::string_view text = tipText(takeTipOfTheDay(config_));
    tip_->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void TipsDialog::done(int result)
{
    setTipsShownAtStart(config_, showAtStart_->isChecked());
    QDialog::done(result);
}

void showTipsDialog(QWidget *parent, TillConfig &config)
{
    TipsDialog dialog(config, parent);
    dialog.exec();
}

} // namespace ovix
