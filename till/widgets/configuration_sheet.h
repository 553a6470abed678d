#pragma once
// "Configuration": the sheet of settings pages. Each page copies its
// controls into the configuration block when the sheet is applied (OK or
// Apply); Cancel leaves the block as it was after the last Apply.

#include <QDialog>

#include <functional>
#include <vector>

class QPushButton;
class QTabWidget;

namespace ovix {

class GeneralPage;
class TermsPage;
class TillState;

class ConfigurationSheet : public QDialog {
public:
    // Builds the sheet with the "General" and "Terms" pages from `state`,
    // which must outlive it.
    ConfigurationSheet(TillState &state, QWidget *parent);

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

private:
    void watchForChanges(QWidget *page);

    TillState &state_;
    QTabWidget *tabs_;
    QPushButton *applyButton_;
    GeneralPage *general_;
    TermsPage *terms_;
    std::vector<std::function<void()>> appliers_;
    bool applied_ = false;
};

// The "Configuration" command: shows the sheet modally. True when it applied
// its pages at least once.
bool runConfigurationSheet(QWidget *parent, TillState &state);

} // namespace ovix
