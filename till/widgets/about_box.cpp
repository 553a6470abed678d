#include "till/widgets/about_box.h"

#include "platform/cp1252.h"
#include "sales/logic/till_state.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace ovix {

QString aboutText(const TillState &state)
{
    QString version = QCoreApplication::applicationVersion();
    if (version.isEmpty())
        version = QStringLiteral("(development build)");
    return QStringLiteral("<p><b>OVIX Retail</b> %1</p>"
                          "<p>Point of sale for a single shop counter: till, stock, "
                          "customers and accounts, reports.</p>"
                          "<p>Shop: %2<br>Data folder: %3</p>")
        .arg(version.toHtmlEscaped(), toQString(state.heading.storeName()).toHtmlEscaped(),
            QString::fromStdString(state.dir.root()).toHtmlEscaped());
}

void showAboutBox(QWidget *parent, const TillState &state)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("About OVIX Retail"), aboutText(state),
        QMessageBox::Ok, parent);
    box.setTextFormat(Qt::RichText);
    box.exec();
}

} // namespace ovix
