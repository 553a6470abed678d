#include "exchange/widgets/import_command.h"

#include "exchange/logic/import_run.h"
#include "exchange/widgets/import_dialogs.h"
#include "platform/messages.h"
#include "platform/number_text.h"
#include "store/shop.h"

#include <QFileDialog>
#include <QProgressDialog>

#include <algorithm>
#include <optional>
#include <string>

namespace ovix {

namespace {

// Lines read between two looks at the progress bar's Cancel.
constexpr int64_t kLinesPerSlice = 4000;
constexpr int kProgressSteps = 1000;

std::optional<ImportSubject> askSubject(Messages &messages)
{
    const std::optional<std::string> answer
        = messages.askText("Enter 1 to import inventory, 2 to import customers", "Import", "1");
    if (!answer)
        return std::nullopt;
    const std::string_view choice = trimBlanks(*answer);
    if (choice == "1")
        return ImportSubject::Items;
    if (choice == "2")
        return ImportSubject::Customers;
    return std::nullopt;
}

// Reads every line with the progress bar up; false when Cancel was pressed
// (nothing has been written then).
bool readWithProgress(QWidget *parent, ImportRun &run)
{
    QProgressDialog progress(QStringLiteral("Importing..."), QStringLiteral("Cancel"), 0,
        kProgressSteps, parent);
    progress.setWindowTitle(QStringLiteral("Import"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    const int64_t total = std::max<int64_t>(run.totalLines(), 1);
    while (!run.atEnd()) {
        if (!run.step(kLinesPerSlice))
            break; // finish() tells the failure
        progress.setValue(static_cast<int>(run.linesRead() * (kProgressSteps - 1) / total));
        if (progress.wasCanceled())
            return false;
    }
    return true;
}

} // namespace

bool runImport(QWidget *parent, Shop &shop, Messages &messages)
{
    const std::optional<ImportSubject> subject = askSubject(messages);
    if (!subject)
        return false;
    const QString chosen = QFileDialog::getOpenFileName(parent, QStringLiteral("Import"),
        QString::fromStdString(shop.dir.root()), QStringLiteral("Text files (*.TXT *.txt)"));
    if (chosen.isEmpty())
        return false;
    const std::optional<ImportSource> source
        = readImportSource(chosen.toLocal8Bit().toStdString(), messages);
    if (!source || !confirmImportSize(*source, messages))
        return false;

    ImportMappingDialog mapping(*subject, source->columns, source->firstLine, parent);
    if (mapping.exec() != QDialog::Accepted)
        return false;
    ImportPlan plan;
    plan.subject = *subject;
    plan.columns = mapping.columns();
    plan.merge = mapping.merge();
    if (plan.columns.empty() || plan.columns[0] == 0)
        return false;
    if (!plan.merge && !messages.confirm("All existing data will be lost.", "Warning"))
        return false;

    ImportRun run(shop, *source, plan);
    if (!run.open(messages) || !readWithProgress(parent, run))
        return false;
    const ImportResult result = run.finish(messages);
    if (result.outcome != ImportOutcome::Imported)
        return false;
    // The report is saved whatever it holds, so that one left by an earlier
    // import of the same file never stands for this one; it is shown when a
    // line was not taken.
    std::string error;
    const std::string savedAs = saveImportReport(source->path, result, &error)
        ? "Saved as " + importReportPath(source->path)
        : "Not saved: " + error;
    if (!result.rejections.empty()) {
        ImportReportDialog report(importReportText(source->path, result), savedAs, parent);
        report.exec();
    }
    announceImportEnd(plan.subject, result, messages);
    return true;
}

} // namespace ovix
