#pragma once
// The "Export" command's two dialogs: the settings (range, items or
// customers, format, category, HTML options) and the field choice of the
// text and HTML formats. They collect the choice only; exchange/logic
// checks it and writes the file.

#include "exchange/logic/export_choice.h"

#include <QDialog>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace ovix {

// "Export": OK is taken only when `check` accepts Start and Finish as typed
// (it reports what is wrong itself).
class ExportDialog : public QDialog {
public:
    using Check = std::function<bool(ExportChoice &choice, const std::string &start,
        const std::string &finish)>;
    // `categories` are the 18 display category names; `highestItem` and
    // `highestCustomer` are offered as "Finish" for the subject chosen.
    ExportDialog(const std::vector<std::string> &categories, int64_t highestItem,
        int64_t highestCustomer, Check check, QWidget *parent = nullptr);

    // The settings as chosen; the range as `check` took it.
    const ExportChoice &choice() const { return choice_; }

    void accept() override;

private:
    void subjectChanged();

    Check check_;
    ExportChoice choice_;
    int64_t highestItem_;
    int64_t highestCustomer_;
    QLineEdit *start_ = nullptr;
    QLineEdit *finish_ = nullptr;
    QRadioButton *inventory_ = nullptr;
    QRadioButton *customers_ = nullptr;
    QRadioButton *text_ = nullptr;
    QRadioButton *html_ = nullptr;
    QRadioButton *xml_ = nullptr;
    QRadioButton *all_ = nullptr;
    QRadioButton *category_ = nullptr;
    QComboBox *categoryList_ = nullptr;
    QCheckBox *boldNumber_ = nullptr;
    QCheckBox *boldTitle_ = nullptr;
    QComboBox *textSize_ = nullptr;
};

// "Inventory database" or "Customer database": the ten field boxes, all
// ticked at first, and "Export entire". OK is taken only when `check`
// accepts the choice.
class ExportFieldDialog : public QDialog {
public:
    using Check = std::function<bool(const ExportChoice &choice)>;
    ExportFieldDialog(const ExportChoice &choice, Check check, QWidget *parent = nullptr);

    const ExportChoice &choice() const { return choice_; }
    QCheckBox *field(size_t box) const { return boxes_[box]; }

    void accept() override;

private:
    Check check_;
    ExportChoice choice_;
    std::array<QCheckBox *, kExportFieldCount> boxes_ {};
    QCheckBox *entire_ = nullptr;
};

} // namespace ovix
