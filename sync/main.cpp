// The website stock publisher. It runs beside the till in the same data
// folder (its working directory) and shares only film.dat with it.

#include "platform/c_format.h"
#include "platform/data_dir.h"
#include "platform/stop_signals.h"
#include "platform/widgets/qt_messages.h"
#include "sync/logic/sync_session.h"
#include "sync/widgets/sync_window.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ovix::useCNumericLocale();
    ovix::SyncSession session(ovix::DataDir("."));
    int result = 0;
    {
        ovix::SyncWindow window(session);
        // A logout, `kill` or Ctrl+C ends the run as File "Exit" does, so
        // the settings are stored below.
        ovix::StopSignals stopSignals;
        stopSignals.watch([&window] { window.stop(); });
        window.show();
        window.startSession();
        result = app.exec();
    } // the window joins the upload threads as it goes
    if (!session.storeConfig()) {
        ovix::QtMessages messages;
        ovix::reportProblem(messages, "Unable to create vx.cfg at end of WinMain");
    }
    return result;
}
