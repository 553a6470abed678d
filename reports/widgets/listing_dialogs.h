#pragma once
// The dialogs of the printed lists: the listing font ("Large" to "Tiny", or
// the printer's own font), the "Print" dialog of the number-range lists, the
// category choice of the category list and the column choice of the custom
// list. They only collect choices; the lists are reports/logic's.

#include <QDialog>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSlider;

namespace ovix {

// A slider from "Large" (10 lines a page) to "Tiny" (200), and "Use the
// printer default".
class ListingFontBox : public QWidget {
public:
    // `linesPerPage` 10 to 200 sets the slider; anything else ticks the box.
    ListingFontBox(int64_t linesPerPage, QWidget *parent);

    // 10 to 200, or 0 for the printer's own font.
    int64_t linesPerPage() const;

    QSlider *slider() const
    {
        return slider_;
    }
    QCheckBox *printerDefault() const
    {
        return printerDefault_;
    }

private:
    QSlider *slider_ = nullptr;
    QCheckBox *printerDefault_ = nullptr;
};

// "Print": "From" and "To" with the listing font. OK is accepted only when
// `check(from, to)` gives true (it tells the clerk what is wrong); the dialog
// stays open otherwise.
class ListingPrintDialog : public QDialog {
public:
    using Check = std::function<bool(const std::string &from, const std::string &to)>;
    ListingPrintDialog(const std::string &to, int64_t linesPerPage, Check check,
        QWidget *parent);

    std::string from() const;
    std::string to() const;
    int64_t linesPerPage() const
    {
        return font_->linesPerPage();
    }
    QLineEdit *fromBox() const
    {
        return from_;
    }
    QLineEdit *toBox() const
    {
        return to_;
    }
    ListingFontBox *font() const
    {
        return font_;
    }

    void accept() override;

private:
    QLineEdit *from_ = nullptr;
    QLineEdit *to_ = nullptr;
    ListingFontBox *font_ = nullptr;
    Check check_;
};

// "Listing font size": the font box alone.
class ListingFontDialog : public QDialog {
public:
    ListingFontDialog(int64_t linesPerPage, QWidget *parent);

    int64_t linesPerPage() const
    {
        return font_->linesPerPage();
    }
    ListingFontBox *font() const
    {
        return font_;
    }

private:
    ListingFontBox *font_ = nullptr;
};

// "Select category": "ALL" and the 18 category names (Windows-1252).
class CategoryChoiceDialog : public QDialog {
public:
    CategoryChoiceDialog(const std::vector<std::string> &names, QWidget *parent);

    // 0 for every category, else 1 to 18.
    int category() const;
    QComboBox *list() const
    {
        return list_;
    }

private:
    QComboBox *list_ = nullptr;
};

// "Custom": one check box per optional column of the custom list.
class CustomColumnsDialog : public QDialog {
public:
    static constexpr size_t kColumns = 20; // as kCustomColumnCount
    CustomColumnsDialog(const std::array<bool, kColumns> &chosen, QWidget *parent);

    std::array<bool, kColumns> chosen() const;
    QCheckBox *column(size_t index) const
    {
        return boxes_[index];
    }

private:
    std::array<QCheckBox *, kColumns> boxes_ {};
};

} // namespace ovix
