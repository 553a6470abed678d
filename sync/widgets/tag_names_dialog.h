#pragma once
// "XML tag field output names": one box per XML element name, at most 18
// characters each. OK stores them; "Defaults" stores the default names and
// closes the dialog.

#include "sync/logic/sync_config.h"

#include <QDialog>

#include <array>

class QLineEdit;
class QPushButton;

namespace ovix {

class TagNamesDialog : public QDialog {
public:
    // `config` (not owned) must outlive the dialog; it changes only on OK or
    // "Defaults".
    TagNamesDialog(SyncConfig &config, QWidget *parent = nullptr);

    void accept() override;

    QLineEdit *box(Element element) const
    {
        return boxes_[static_cast<size_t>(element)];
    }
    QPushButton *defaultsButton() const
    {
        return defaults_;
    }

private:
    void restoreDefaults();

    SyncConfig &config_;
    std::array<QLineEdit *, kElementCount> boxes_ {};
    QPushButton *defaults_;
};

} // namespace ovix
