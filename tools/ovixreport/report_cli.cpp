#include "report_cli.h"

#include "report_table.h"

#include "platform/clock.h"
#include "platform/console_messages.h"
#include "platform/file.h"
#include "store/shop.h"
#include "store/store_heading.h"
#include "store/till_config_file.h"

#include <QPrinterInfo>
#include <QString>

#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace ovix {

namespace {

// A wrong command line: its one-line message.
struct BadArguments {
    std::string message;
};

struct Options {
    bool help = false;
    std::string report;
    std::string shop = ".";
    std::string pdf;
    std::string printer;
    std::optional<CalendarDay> from;
    std::optional<CalendarDay> to;
    int clerk = 0;
    int64_t item = 0;
    ItemFilter filter;
};

std::optional<long long> wholeNumber(const std::string &text)
{
    long long value = 0;
    const char *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

// "DD/MM/YYYY" (as the till's dialogs write days) or "YYYY-MM-DD".
CalendarDay dayOf(const std::string &text)
{
    const auto bad = [&text] {
        return BadArguments { "bad date '" + text + "': write DD/MM/YYYY or YYYY-MM-DD" };
    };
    std::vector<std::string> parts;
    const char separator = text.find('/') != std::string::npos ? '/' : '-';
    size_t start = 0;
    for (size_t at = text.find(separator); at != std::string::npos;
         at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    parts.push_back(text.substr(start));
    if (parts.size() != 3)
        throw bad();
    std::optional<long long> numbers[3];
    for (int i = 0; i < 3; ++i) {
        numbers[i] = parts[i].size() <= 4 ? wholeNumber(parts[i]) : std::nullopt;
        if (!numbers[i])
            throw bad();
    }
    CalendarDay day;
    if (separator == '/')
        day = { int(*numbers[2]), int(*numbers[1]), int(*numbers[0]) };
    else
        day = { int(*numbers[0]), int(*numbers[1]), int(*numbers[2]) };
    if (day.year < 2000 || day.year > 4000 || !isRealDay(day))
        throw bad();
    return day;
}

// The item summaries' exclusions, "cash,cheque,eft,credit,split".
void exclude(ItemFilter &filter, const std::string &list)
{
    const std::map<std::string, bool ItemFilter::*> kinds {
        { "cash", &ItemFilter::excludeCash },
        { "cheque", &ItemFilter::excludeCheque },
        { "eft", &ItemFilter::excludeEft },
        { "credit", &ItemFilter::excludeCredit },
        { "split", &ItemFilter::excludeSplit },
    };
    size_t start = 0;
    while (start <= list.size()) {
        size_t end = list.find(',', start);
        if (end == std::string::npos)
            end = list.size();
        const auto kind = kinds.find(list.substr(start, end - start));
        if (kind == kinds.end())
            throw BadArguments { "unknown tender '" + list.substr(start, end - start)
                + "' for --exclude (cash, cheque, eft, credit, split)" };
        filter.*(kind->second) = true;
        start = end + 1;
    }
}

Options parse(const std::vector<std::string> &args)
{
    Options options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        const auto value = [&]() -> const std::string & {
            if (i + 1 >= args.size())
                throw BadArguments { arg + " needs a value" };
            return args[++i];
        };
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--shop") {
            options.shop = value();
        } else if (arg == "--pdf") {
            options.pdf = value();
        } else if (arg == "--printer") {
            options.printer = value();
        } else if (arg == "--from") {
            options.from = dayOf(value());
        } else if (arg == "--to") {
            options.to = dayOf(value());
        } else if (arg == "--clerk") {
            const std::optional<long long> clerk = wholeNumber(value());
            if (!clerk || *clerk < 1 || *clerk > 99)
                throw BadArguments { "--clerk needs a clerk number from 1 to 99" };
            options.clerk = int(*clerk);
        } else if (arg == "--item") {
            const std::optional<long long> item = wholeNumber(value());
            if (!item || *item < 1)
                throw BadArguments { "--item needs a whole positive item number" };
            options.item = *item;
        } else if (arg == "--category") {
            const std::optional<long long> category = wholeNumber(value());
            if (!category || *category < 0 || *category >= kCategoryChoices)
                throw BadArguments { "--category needs a number from 0 to 19" };
            options.filter.category = int(*category);
        } else if (arg == "--include-refunds") {
            options.filter.excludeRefunds = false;
        } else if (arg == "--exclude") {
            exclude(options.filter, value());
        } else if (arg.starts_with("-")) {
            throw BadArguments { "unknown option " + arg + " (see --help)" };
        } else if (options.report.empty()) {
            options.report = arg;
        } else {
            throw BadArguments { "one report at a time: " + options.report + " or " + arg };
        }
    }
    return options;
}

void printHelp(std::FILE *out)
{
    (void)std::fputs("Usage: ovixreport REPORT (--pdf FILE | --printer NAME) [options]\n"
               "Prints one report of a shop folder without locking it or writing to it.\n\n"
               "Reports:\n",
        out);
    for (const ReportRow &row : reportRows())
        (void)std::fprintf(out, "  %-18s %s\n", row.name, row.description);
    (void)std::fputs("\nOptions:\n"
               "  --shop DIR         the shop folder (default: the current folder)\n"
               "  --pdf FILE         write the report to this PDF file\n"
               "  --printer NAME     print on this installed printer\n"
               "  --from DAY         first day, DD/MM/YYYY or YYYY-MM-DD (default: today)\n"
               "  --to DAY           last day of a range (default: the first day)\n"
               "  --clerk N          the clerk of the staff report (1-99)\n"
               "  --item N           the item of the item sales report\n"
               "  --category N       item summaries: 0 all, 1-18 display category 0-17,\n"
               "                     19 the non-inventory lines\n"
               "  --include-refunds  item summaries: count refunds too\n"
               "  --exclude LIST     item summaries: leave out cash,cheque,eft,credit,split\n"
               "  --help             this list\n\n"
               "Exit status: 0 printed, 1 nothing printed, 2 wrong command line or shop folder.\n",
        out);
}

// Checks what the report asks of the command line, and fills in its days.
void checkFor(const ReportRow &row, Options &options, const LocalTime &now)
{
    if (options.pdf.empty() == options.printer.empty())
        throw BadArguments { "choose either --pdf FILE or --printer NAME" };
    if (row.dates == ReportDates::None && (options.from || options.to))
        throw BadArguments { std::string(row.name) + " takes no dates" };
    if (row.dates == ReportDates::Day && options.to)
        throw BadArguments { std::string(row.name) + " takes one day: --from only" };
    if (row.needsClerk && options.clerk == 0)
        throw BadArguments { std::string(row.name) + " needs --clerk N" };
    if (row.needsItem && options.item == 0)
        throw BadArguments { std::string(row.name) + " needs --item N" };
    const CalendarDay today { now.year, now.month, now.day };
    if (!options.from)
        options.from = today;
    if (!options.to)
        options.to = options.from;
    if (*options.to < *options.from)
        throw BadArguments { "the last day comes before the first day" };
}

struct ShopFolder {
    explicit ShopFolder(const std::string &folder) : shop(folder)
    {
        struct stat info {};
        if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
            throw BadArguments { "shop folder " + folder + " not found" };
        if (!fileExists(shop.dir.path(kTillConfigFileName)))
            throw BadArguments { "no shop in " + folder + ": wr.cfg not found" };
    }
    Shop shop;
};

// Problems of the print job go to standard error; its notice of the file it
// made is left out, as the program tells where the report went itself.
class ReportMessages : public ConsoleMessages {
public:
    ReportMessages(std::FILE *out, std::FILE *err) : ConsoleMessages(false, out, err)
    {
    }
    void show(std::string_view text, std::string_view caption, MessageKind kind) override
    {
        if (kind != MessageKind::Information)
            ConsoleMessages::show(text, caption, kind);
    }
};

// Writes the report to `path` through a fresh folder beside it, so only the
// chosen file appears, owner-only.
int printToPdf(PrintRequest request, const PageDrawing &draw, const std::string &path,
    Messages &messages, std::FILE *out, std::FILE *err)
{
    namespace fs = std::filesystem;
    const fs::path target = fs::absolute(path);
    std::string scratch = (target.parent_path() / ".ovixreport-XXXXXX").string();
    if (!::mkdtemp(scratch.data())) {
        (void)std::fprintf(err, "ovixreport: cannot write in %s\n", target.parent_path().c_str());
        return kReportNotPrinted;
    }
    request.printer = PrinterChoice::DefaultPrinter;
    request.pdfOnly = true;
    request.pdfFolder = scratch;
    request.preview = false;
    request.copies = 1;
    const PrintJobResult result = runPrintJob(request, draw, messages);
    int status = kReportNotPrinted;
    if (result.outcome == PrintOutcome::Printed && result.pdfFiles.size() == 1) {
        std::error_code error;
        fs::rename(result.pdfFiles.front(), target, error);
        if (!error) {
            (void)std::fprintf(out, "Printed to %s\n", target.c_str());
            status = kReportPrinted;
        } else {
            (void)std::fprintf(err, "ovixreport: cannot write %s: %s\n", target.c_str(),
                error.message().c_str());
        }
    }
    std::error_code ignored;
    fs::remove_all(scratch, ignored);
    return status;
}

int printOnPrinter(PrintRequest request, const PageDrawing &draw, const std::string &name,
    Messages &messages, std::FILE *out)
{
    request.printer = PrinterChoice::NamedPrinter;
    request.printerName = name;
    request.pdfOnly = false;
    request.preview = false;
    request.copies = 1;
    // Never a printout in the shop's folder instead.
    request.pdfFolder.clear();
    if (runPrintJob(request, draw, messages).outcome != PrintOutcome::Printed)
        return kReportNotPrinted;
    (void)std::fprintf(out, "Printed on %s\n", name.c_str());
    return kReportPrinted;
}

} // namespace

int runReportCli(const std::vector<std::string> &args, std::FILE *out, std::FILE *err)
{
    try {
        Options options = parse(args);
        if (options.help) {
            printHelp(out);
            return kReportPrinted;
        }
        if (options.report.empty())
            throw BadArguments { "name a report (see --help)" };
        const ReportRow *row = findReportRow(options.report);
        if (!row)
            throw BadArguments { "unknown report " + options.report + " (see --help)" };
        const LocalTime now = localNow();
        checkFor(*row, options, now);
        if (!options.printer.empty()
            && QPrinterInfo::printerInfo(QString::fromStdString(options.printer)).isNull())
            throw BadArguments { "the printer " + options.printer + " is not installed" };
        ShopFolder folder(options.shop);
        Shop &shop = folder.shop;
        ReportMessages messages(out, err);
        if (!loadTillConfig(shop.dir, shop.config, messages))
            return kReportBadArguments;
        loadStoreHeading(shop.dir, shop.heading);
        const ReportJob job { shop, *options.from, *options.to, options.clerk, options.item,
            options.filter, now, messages };
        const std::optional<PreparedReport> report = row->prepare(job);
        if (!report)
            return kReportNotPrinted;
        if (!options.pdf.empty())
            return printToPdf(report->request, report->draw, options.pdf, messages, out, err);
        return printOnPrinter(report->request, report->draw, options.printer, messages, out);
    } catch (const BadArguments &bad) {
        (void)std::fprintf(err, "ovixreport: %s\n", bad.message.c_str());
        return kReportBadArguments;
    }
}

} // namespace ovix
