// The till program. It runs in the shop's data folder (its working directory).

#include "platform/c_format.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ovix::useCNumericLocale();
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("OVIX Retail"));
    window.resize(1024, 746);
    window.show();
    return app.exec();
}
