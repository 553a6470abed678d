// The till program. It runs in the shop's data folder (its working directory).

#include "platform/c_format.h"
#include "till/widgets/till_application.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ovixtill"));
    QApplication::setApplicationVersion(QStringLiteral(OVIX_VERSION));
    ovix::useCNumericLocale();
    ovix::TillApplication till(QDir::currentPath().toStdString());
    return till.run();
}
