#include "platform/widgets/help_pages.h"

#include "platform/messages.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace ovix {

QString helpFolder()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("help"));
}

bool openHelpPage(std::string_view page, Messages &messages)
{
    const QString path
        = QDir(helpFolder())
              .filePath(QString::fromUtf8(page.data(), static_cast<qsizetype>(page.size())));
    if (!QFileInfo(path).isFile()) {
        reportProblem(messages, "The help page " + path.toStdString() + " is missing.", "Help");
        return false;
    }
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        return true;
    reportInfo(messages,
        "No web browser could be started for the help. Open this page in a "
        "browser to read it:\n"
            + path.toStdString(),
        "Help");
    return false;
}

} // namespace ovix
