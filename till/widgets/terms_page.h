#pragma once
// The "Terms" page of the configuration sheet: for each of the eight
// customer bands a discount and a period of credit.

#include "till/logic/configuration_pages.h"

#include <QWidget>

#include <array>

class QComboBox;

namespace ovix {

class TermsPage : public QWidget {
public:
    explicit TermsPage(const TermsPageInput &shown, QWidget *parent = nullptr);

    TermsPageInput input() const;
    QComboBox *discountBox(int band) const
    {
        return discount_[static_cast<size_t>(band - 1)];
    }
    QComboBox *periodBox(int band) const
    {
        return period_[static_cast<size_t>(band - 1)];
    }

private:
    std::array<QComboBox *, kBands> discount_ {};
    std::array<QComboBox *, kBands> period_ {};
};

} // namespace ovix
