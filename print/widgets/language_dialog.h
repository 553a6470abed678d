#pragma once
// "Language customization": the built-in language of the printed words, and
// for each of slots 1-35 its default word (shown whole, on two lines when it
// is long) beside the word in use (editable), under "Receipt" (slots 1-16)
// and "Invoice" (slots 17-35).

#include "print/logic/language_customization.h"

#include <QDialog>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ovix {

class TillState;

class LanguageDialog : public QDialog {
public:
    LanguageDialog(const LanguageCustomization &shown, QWidget *parent);

    // The language and both columns as they stand now.
    LanguageCustomization customization() const;

    QComboBox *languageList() const { return language_; }
    QPushButton *resetButton() const { return reset_; }
    // Slot 1-35.
    QLabel *defaultBox(int slot) const { return defaults_[static_cast<size_t>(slot - 1)]; }
    QLineEdit *wordBox(int slot) const { return words_[static_cast<size_t>(slot - 1)]; }

private:
    void showCustomization(const LanguageCustomization &shown);
    void loadDefaultsOf(int language);

    QComboBox *language_;
    QPushButton *reset_;
    std::array<QLabel *, kCustomizableWordSlots> defaults_ {};
    std::array<QLineEdit *, kCustomizableWordSlots> words_ {};
};

// The "Customize language" command: on OK stores the language index in the
// configuration and the words in `state.receiptWords` (written to
// language.ini when the till closes). True when stored.
bool runLanguageCustomization(QWidget *parent, TillState &state);

} // namespace ovix
