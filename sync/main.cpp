// The website stock publisher. It runs beside the till in the same data folder.

#include "platform/c_format.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ovix::useCNumericLocale();
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("OVIX Sync"));
    window.show();
    return app.exec();
}
