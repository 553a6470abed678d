// ovixreport: prints the shop's reports from the command line (see --help).

#include "report_cli.h"

#include "platform/c_format.h"

#include <QGuiApplication>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Qt's own notices (a missing runtime folder, font look-ups) would bury the
// one line a timer's mail should show; only its failures are kept.
void keepQtFailures(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        (void)std::fprintf(stderr, "ovixreport: %s\n", text.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char *argv[])
{
    qInstallMessageHandler(keepQtFailures);
    // Run from a timer, with no screen: the pages need fonts, not a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ovix::useCNumericLocale();
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    return ovix::runReportCli(args, stdout, stderr);
}
