#pragma once
// The dialogs of the Utilities "Import": the column mapping ("Inventory
// database" or "Customer database") and the report of the lines not taken.

#include "exchange/logic/import_fields.h"

#include <QDialog>

#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QRadioButton;
class QSpinBox;

namespace ovix {

// One box per importable field holding the column (1-based) that feeds it,
// 0 for none, from 0 to the file's column count; the file's first line is
// shown as an example. Items also choose "Replace" (the default) or "Merge".
class ImportMappingDialog : public QDialog {
public:
    // `firstLine` is Windows-1252 text.
    ImportMappingDialog(ImportSubject subject, int columns, const std::string &firstLine,
        QWidget *parent = nullptr);

    ColumnMap columns() const;
    bool merge() const;

private:
    ImportSubject subject_;
    int columns_;
    std::vector<QSpinBox *> boxes_;
    QRadioButton *merge_ = nullptr;
};

// The report of an import: the text (UTF-8) and where it was saved, or why
// it could not be.
class ImportReportDialog : public QDialog {
public:
    ImportReportDialog(const std::string &report, const std::string &savedAs,
        QWidget *parent = nullptr);

private:
    QListWidget *lines_;
    QLabel *saved_;
};

} // namespace ovix
