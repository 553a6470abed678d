#pragma once
// "Configuration": the sheet of settings pages. Each page copies its
// controls into the configuration block when the sheet is applied (OK or
// Apply); Cancel leaves the block as it was after the last Apply.

#include <QDialog>

#include <functional>
#include <memory>
#include <vector>

class QPushButton;
class QTabWidget;

namespace ovix {

class GeneralPage;
class Messages;
class PoleConfigurationPage;
class ReceiptsPage;
class TermsPage;
class TillConfigurationPage;
class TillState;

class ConfigurationSheet : public QDialog {
public:
    // Builds the sheet with the "General", "Terms", "Receipts", "Till
    // configuration" and "Pole configuration" pages from `state`, which must
    // outlive it. `messages` (when given, it must outlive the sheet) tells the
    // outcome of the pole's "Preview" and the logo choice; else message boxes do.
    ConfigurationSheet(TillState &state, QWidget *parent, Messages *messages = nullptr);
    ~ConfigurationSheet() override;

    // Adds a page after the others. `apply` copies its controls into the
    // configuration when the sheet is applied. Changing one of its edit
    // boxes, check boxes or lists marks the sheet changed.
    void addPage(QWidget *page, const QString &title, std::function<void()> apply);

    // Applies every page in order; the Apply button greys until the next change.
    void applyPages();
    void accept() override;
    // Whether OK or Apply has applied the pages at least once.
    bool wasApplied() const
    {
        return applied_;
    }

    QTabWidget *tabs() const
    {
        return tabs_;
    }
    QPushButton *applyButton() const
    {
        return applyButton_;
    }
    GeneralPage *generalPage() const
    {
        return general_;
    }
    TermsPage *termsPage() const
    {
        return terms_;
    }
    ReceiptsPage *receiptsPage() const
    {
        return receipts_;
    }
    TillConfigurationPage *tillConfigurationPage() const
    {
        return tillPage_;
    }
    PoleConfigurationPage *poleConfigurationPage() const
    {
        return pole_;
    }

private:
    void watchForChanges(QWidget *page);
    // "Select logo bitmap file": the file chooser, then the copy to receipt.bmp.
    void chooseLogo();

    TillState &state_;
    QTabWidget *tabs_;
    QPushButton *applyButton_;
    GeneralPage *general_;
    TermsPage *terms_;
    ReceiptsPage *receipts_;
    TillConfigurationPage *tillPage_;
    PoleConfigurationPage *pole_;
    std::unique_ptr<Messages> ownMessages_;
    Messages *messages_;
    std::vector<std::function<void()>> appliers_;
    bool applied_ = false;
};

// The "Configuration" command: shows the sheet modally. True when it applied
// its pages at least once.
bool runConfigurationSheet(QWidget *parent, TillState &state, Messages *messages = nullptr);

} // namespace ovix
