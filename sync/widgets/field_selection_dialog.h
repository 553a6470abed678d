#pragma once
// "Selection": one check box per field of the stock file. "Number" and
// "Description" are always written, so their boxes stay checked and cannot be
// changed; on OK every other field is included when checked and left out when
// not.

#include "sync/logic/sync_config.h"

#include <QDialog>

#include <array>

class QCheckBox;

namespace ovix {

class FieldSelectionDialog : public QDialog {
public:
    // `config` (not owned) must outlive the dialog; it changes only on OK.
    FieldSelectionDialog(SyncConfig &config, QWidget *parent = nullptr);

    void accept() override;

    QCheckBox *box(OptionalField field) const
    {
        return boxes_[static_cast<size_t>(field)];
    }

private:
    SyncConfig &config_;
    std::array<QCheckBox *, kOptionalFieldCount> boxes_ {};
};

// The caption of a field in the dialogs ("SKU 1", "Cost price", ...).
QString optionalFieldCaption(OptionalField field);

} // namespace ovix
