#include "till/widgets/terms_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

namespace ovix {

TermsPage::TermsPage(const TermsPageInput &shown, QWidget *parent)
    : QWidget(parent)
{
    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Discount %"), this), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Period (days)"), this), 0, 2);
    for (size_t band = 0; band < kBands; ++band) {
        const int row = static_cast<int>(band) + 1;
        grid->addWidget(new QLabel(QStringLiteral("Band %1").arg(row), this), row, 0);
        discount_[band] = new QComboBox(this);
        for (const char *choice : kBandDiscountChoices)
            discount_[band]->addItem(QString::fromLatin1(choice));
        discount_[band]->setCurrentIndex(shown.discountIndex[band]);
        period_[band] = new QComboBox(this);
        for (const char *choice : kBandPeriodChoices)
            period_[band]->addItem(QString::fromLatin1(choice));
        period_[band]->setCurrentIndex(shown.periodIndex[band]);
        grid->addWidget(discount_[band], row, 1);
        grid->addWidget(period_[band], row, 2);
    }
    grid->setRowStretch(kBands + 1, 1);
    grid->setColumnStretch(3, 1);
}

TermsPageInput TermsPage::input() const
{
    TermsPageInput input;
    for (size_t band = 0; band < kBands; ++band) {
        input.discountIndex[band] = discount_[band]->currentIndex();
        input.periodIndex[band] = period_[band]->currentIndex();
    }
    return input;
}

} // namespace ovix
