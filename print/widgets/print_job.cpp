#include "print/widgets/print_job.h"

#include "platform/c_format.h"
#include "platform/clock.h"
#include "platform/file.h"
#include "platform/messages.h"
#include "print/logic/measuring_print_device.h"
#include "print/widgets/qt_print_device.h"

#include <QAction>
#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <memory>
#include <unistd.h>

namespace ovix {

namespace {

constexpr const char *kJobName = "OVIX";

// A receipt printer marks all but about 4 mm at each edge of the roll.
constexpr double kRollMarginMillimetres = 4;
// A roll printout is never shorter than this, however little is on it.
constexpr double kShortestRollMillimetres = 80;
// The longest page PDF readers show: 200 inches.
constexpr double kLongestRollMillimetres = 5080;

// Problems of a drawing that is only measured: the copies that follow report
// them. Nothing is asked while drawing.
class HeldBackMessages : public Messages {
public:
    void show(std::string_view, std::string_view, MessageKind) override
    {
    }
    bool confirm(std::string_view, std::string_view, MessageKind) override
    {
        return false;
    }
    Answer ask(std::string_view, std::string_view, bool withCancel, Answer) override
    {
        return withCancel ? Answer::Cancel : Answer::No;
    }
    std::optional<std::string> askText(
        std::string_view, std::string_view, std::string_view) override
    {
        return std::nullopt;
    }
    void beep() override
    {
    }
};

// A name not yet used in `folder`: date-time and kind, then "-2", "-3"...
std::string freshPdfPath(const std::string &folder, const std::string &kind)
{
    LocalTime now = localNow();
    std::string stem = folder + "/"
        + cformat("%04d%02d%02d-%02d%02d%02d-", now.year, now.month, now.day, now.hour, now.minute,
            now.second)
        + kind;
    std::string path = stem + ".pdf";
    for (int number = 2; fileExists(path); ++number)
        path = stem + cformat("-%d", number) + ".pdf";
    return path;
}

std::string joined(const std::vector<std::string> &paths)
{
    std::string text;
    for (const std::string &path : paths)
        text += (text.empty() ? "" : ", ") + path;
    return text;
}

// Draws one copy; false when the printer would not start the document.
bool printOneCopy(QPrinter &printer, const PageDrawing &draw, Messages &messages)
{
    printer.setDocName(QString::fromLatin1(kJobName));
    printer.setCopyCount(1);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    {
        QtPrintDevice device(painter, &printer);
        draw(device, messages);
    }
    return painter.end();
}

// A PDF page of the roll: `width` in 0.01 mm, `length` in millimetres.
void useRollPage(QPrinter &printer, int width, double length)
{
    const QPageSize paper(
        QSizeF(width / 100.0, length), QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    const double margin = kRollMarginMillimetres;
    printer.setPageLayout(QPageLayout(paper, QPageLayout::Portrait,
        QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter));
}

// The length in millimetres of roll that one copy of the drawing takes: its
// last mark and the roll's margin below it. The drawing is rehearsed on a roll
// of the same width that does not end, printed to nowhere.
double rollLength(int width, const PageDrawing &draw)
{
    QPrinter roll(QPrinter::HighResolution);
    roll.setOutputFormat(QPrinter::PdfFormat);
    roll.setOutputFileName(QStringLiteral("/dev/null"));
    useRollPage(roll, width, kLongestRollMillimetres);
    HeldBackMessages heldBack;
    double reached = 0;
    const auto measure = [&](PrintDevice &device, Messages &) {
        MeasuringPrintDevice measured(device);
        draw(measured, heldBack);
        reached = (device.offsetTop() + measured.bottom()) / 100.0;
    };
    if (!printOneCopy(roll, measure, heldBack))
        return kLongestRollMillimetres;
    return std::clamp(
        reached + kRollMarginMillimetres, kShortestRollMillimetres, kLongestRollMillimetres);
}

PrintJobResult printToPdf(const PrintRequest &request, int copies, const PageDrawing &draw,
    Messages &messages, const std::function<void()> &afterEachCopy, const std::string &why,
    bool isProblem)
{
    PrintJobResult result;
    if (request.pdfFolder.empty() || !makeFolders(request.pdfFolder)) {
        reportProblem(messages,
            why + "Unable to create the printouts folder " + request.pdfFolder
                + "; nothing was printed.");
        return result;
    }
    const double rollMillimetres = request.rollWidth > 0 ? rollLength(request.rollWidth, draw) : 0;
    for (int copy = 0; copy < copies; ++copy) {
        std::string path = freshPdfPath(request.pdfFolder, request.kind);
        // Made owner-only before the printer writes the customer's document
        // into it; the printer keeps the mode of the file it finds.
        bool printed = createFreshFile(path, kOwnerOnlyFileMode).isOpen();
        if (printed) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString(path));
            if (request.rollWidth > 0)
                useRollPage(printer, request.rollWidth, rollMillimetres);
            printed = printOneCopy(printer, draw, messages);
        }
        if (printed && fileSize(path) > 0)
            result.pdfFiles.push_back(path);
        else
            ::unlink(path.c_str());
        if (afterEachCopy)
            afterEachCopy();
    }
    if (result.pdfFiles.empty()) {
        reportProblem(messages, why + "Unable to write a printout in " + request.pdfFolder + ".");
        return result;
    }
    std::string text = why + "Printed to the file" + (result.pdfFiles.size() > 1 ? "s " : " ")
        + joined(result.pdfFiles) + ".";
    if (isProblem)
        reportProblem(messages, text);
    else
        reportInfo(messages, text, "Printing");
    result.outcome = PrintOutcome::Printed;
    return result;
}

// The printer the pages are laid out for in the preview: a PDF page when they
// will go to a file, else the printer the request names, else the default.
std::unique_ptr<QPrinter> previewPrinter(const PrintRequest &request)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrinterInfo target = request.printer == PrinterChoice::NamedPrinter
        ? QPrinterInfo::printerInfo(QString::fromStdString(request.printerName))
        : QPrinterInfo::defaultPrinter();
    if (request.pdfOnly || QPrinterInfo::availablePrinters().isEmpty() || target.isNull())
        printer->setOutputFormat(QPrinter::PdfFormat);
    else
        printer = std::make_unique<QPrinter>(target, QPrinter::HighResolution);
    return printer;
}

// Shows one copy in the print preview; true when the clerk chose Print there.
// The preview only draws: what it draws reports nothing, and its Print sends
// nothing itself but lets the job print as it would without the preview.
bool previewChoosesPrint(const PrintRequest &request, const PageDrawing &draw)
{
    std::unique_ptr<QPrinter> printer = previewPrinter(request);
    printer->setDocName(QString::fromLatin1(kJobName));
    QPrintPreviewDialog dialog(printer.get());
    dialog.setWindowTitle(QStringLiteral("Print preview"));
    HeldBackMessages heldBack;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
        [&draw, &heldBack](QPrinter *pages) { printOneCopy(*pages, draw, heldBack); });
    // The tool bar's own Print would ask for a printer or a file name; here it
    // answers the preview like the Print button below.
    // Its page set-up would change only the preview's printer, not the one
    // that prints, so it is not offered.
    for (QAction *action : dialog.findChildren<QAction *>()) {
        const QString text = action->text().remove(QLatin1Char('&'));
        if (text == QStringLiteral("Print")) {
            QObject::disconnect(action, nullptr, &dialog, nullptr);
            QObject::connect(action, &QAction::triggered, &dialog, &QDialog::accept);
        } else if (text.compare(QStringLiteral("Page setup"), Qt::CaseInsensitive) == 0) {
            action->setVisible(false);
        }
    }
    auto *buttons = new QDialogButtonBox(&dialog);
    QPushButton *print = buttons->addButton(QStringLiteral("Print"), QDialogButtonBox::AcceptRole);
    print->setObjectName(QStringLiteral("previewPrint"));
    QPushButton *close = buttons->addButton(QStringLiteral("Close"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("previewClose"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.layout())
        dialog.layout()->addWidget(buttons);
    print->setDefault(true);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

PrintJobResult runPrintJob(const PrintRequest &request, const PageDrawing &draw, Messages &messages,
    const std::function<void()> &afterEachCopy)
{
    if (!draw)
        return {};
    if (request.preview && !previewChoosesPrint(request, draw))
        return { PrintOutcome::Cancelled, {} };
    int copies = request.copies > 0 ? request.copies : 1;
    if (request.pdfOnly)
        return printToPdf(request, copies, draw, messages, afterEachCopy, "", false);
    if (QPrinterInfo::availablePrinters().isEmpty())
        return printToPdf(
            request, copies, draw, messages, afterEachCopy, "No printer is installed. ", false);

    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    bool useDialog = request.printer == PrinterChoice::Dialog;
    if (request.printer == PrinterChoice::NamedPrinter) {
        QString name = QString::fromStdString(request.printerName);
        QPrinterInfo named = QPrinterInfo::printerInfo(name);
        if (named.isNull())
            return printToPdf(request, copies, draw, messages, afterEachCopy,
                "The printer " + request.printerName + " is not installed. ", true);
        printer = std::make_unique<QPrinter>(named, QPrinter::HighResolution);
    } else if (request.printer == PrinterChoice::DefaultPrinter) {
        QPrinterInfo fallback = QPrinterInfo::defaultPrinter();
        if (fallback.isNull())
            useDialog = true;
        else
            printer = std::make_unique<QPrinter>(fallback, QPrinter::HighResolution);
    }
    if (useDialog) {
        printer->setCopyCount(1);
        QPrintDialog dialog(printer.get());
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
        dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
        if (dialog.exec() != QDialog::Accepted)
            return { PrintOutcome::Cancelled, {} };
        copies *= printer->copyCount() > 0 ? printer->copyCount() : 1;
    }
    for (int copy = 0; copy < copies; ++copy) {
        printOneCopy(*printer, draw, messages);
        if (afterEachCopy)
            afterEachCopy();
    }
    return { PrintOutcome::Printed, {} };
}

} // namespace ovix
