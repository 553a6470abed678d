#include "print/widgets/barcode_labels_command.h"

#include "platform/widgets/window_size.h"
#include "print/logic/label_sheet.h"
#include "print/logic/print_request.h"
#include "print/widgets/barcode_dialog.h"
#include "print/widgets/print_job.h"
#include "store/shop.h"

#include <QCoreApplication>
#include <QProgressDialog>

#include <memory>

namespace ovix {

void runBarcodeLabels(QWidget *parent, Shop &shop, Messages &messages)
{
    LabelJob job;
    BarcodeDialog dialog(shop.config.get(cfg::labelTextSize),
        [&job, &messages](const LabelEntry &entry) {
            return readLabelEntry(entry, job, messages) == LabelEntryCheck::Accepted;
        },
        parent);
    openAtPreferredSize(&dialog);
    if (dialog.exec() != QDialog::Accepted)
        return;
    shop.config.set(cfg::labelTextSize, job.textSize);

    const auto values = selectLabelValues(shop, job, messages);
    if (!values || values->empty())
        return;
    const LabelShopTexts texts { shop.heading.storeName(),
        shop.config.text(cfg::currencySymbol) };

    PrintRequest request;
    request.kind = "labels";
    request.pdfFolder = shop.dir.path(kPrintoutsFolderName);
    const int perSheet = std::max(job.labelsPerSheet, 1);
    const int sheets = static_cast<int>((values->size() + perSheet - 1) / perSheet);
    runPrintJob(request, [&](PrintDevice &device, Messages &) {
        // The clerk may stop the printout between sheets.
        std::unique_ptr<QProgressDialog> progress;
        if (sheets > 1) {
            progress = std::make_unique<QProgressDialog>(QStringLiteral("Printing labels"),
                QStringLiteral("Cancel"), 0, sheets, parent);
            progress->setWindowTitle(QStringLiteral("OVIX"));
            progress->setWindowModality(Qt::WindowModal);
            progress->setMinimumDuration(0);
        }
        int sheet = 1;
        drawLabelSheets(device, job, *values, texts, [&] {
            if (!progress)
                return true;
            progress->setValue(sheet++);
            QCoreApplication::processEvents();
            return !progress->wasCanceled();
        });
    }, messages);
}

} // namespace ovix
