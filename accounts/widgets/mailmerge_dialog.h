#pragma once
// The "Mailmerge" dialog: the customer range, the selection and the letter's
// text, which Load reads from a text file and Save writes to one.

#include "accounts/logic/mailmerge.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <string>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace ovix {

class Messages;

// Asks for the file to load (`forSaving` false) or to save to; the path, or
// nothing when the clerk cancelled.
using MailmergeFileChooser = std::function<std::optional<std::string>(bool forSaving)>;

class MailmergeDialog : public QDialog {
public:
    // The boxes preset to `presets`, "All" chosen, the text empty. Without a
    // `chooseFile` Load and Save ask with the system's file dialogs.
    MailmergeDialog(const MailmergeRange &presets, Messages &messages,
        MailmergeFileChooser chooseFile, QWidget *parent);

    QLineEdit *startBox() const
    {
        return start_;
    }
    QLineEdit *endBox() const
    {
        return end_;
    }
    QComboBox *selectionBox() const
    {
        return selection_;
    }
    QPlainTextEdit *textBox() const
    {
        return text_;
    }
    QPushButton *loadButton() const
    {
        return load_;
    }
    QPushButton *saveButton() const
    {
        return save_;
    }

    MailmergeSelection selection() const;
    // The box's text as the letter prints it: Windows-1252, lines separated
    // by CR LF.
    std::string text() const;
    // The box's text as typed, in the encoding of the shop's files.
    std::string startText() const;
    std::string endText() const;

private:
    void load();
    void save();
    // Keeps the text within the box's limit: 998 characters, a line break
    // counting two, or the length of the text file loaded when longer.
    void keepWithinLimit();

    Messages &messages_;
    MailmergeFileChooser chooseFile_;
    QLineEdit *start_ = nullptr;
    QLineEdit *end_ = nullptr;
    QComboBox *selection_ = nullptr;
    QPlainTextEdit *text_ = nullptr;
    QPushButton *load_ = nullptr;
    QPushButton *save_ = nullptr;
    size_t limit_;
};

} // namespace ovix
