#include "platform/widgets/qt_messages.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace ovix {

static QString q(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

static QMessageBox::Icon iconFor(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Information: return QMessageBox::Information;
    case MessageKind::Warning: return QMessageBox::Warning;
    case MessageKind::Error: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

void QtMessages::show(std::string_view text, std::string_view caption, MessageKind kind)
{
    QMessageBox box(iconFor(kind), q(caption), q(text), QMessageBox::Ok, parent_);
    box.exec();
}

bool QtMessages::confirm(std::string_view text, std::string_view caption, MessageKind kind)
{
    QMessageBox box(iconFor(kind), q(caption), q(text), QMessageBox::Ok | QMessageBox::Cancel,
                    parent_);
    return box.exec() == QMessageBox::Ok;
}

Answer QtMessages::ask(std::string_view text, std::string_view caption, bool withCancel,
                       Answer preferred)
{
    auto buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel)
        buttons |= QMessageBox::Cancel;
    QMessageBox box(QMessageBox::Question, q(caption), q(text), buttons, parent_);
    box.setDefaultButton(preferred == Answer::No ? QMessageBox::No : QMessageBox::Yes);
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

std::optional<std::string> QtMessages::askText(std::string_view prompt, std::string_view caption,
                                               std::string_view initial)
{
    bool ok = false;
    QString answer = QInputDialog::getText(parent_, q(caption), q(prompt), QLineEdit::Normal,
                                           q(initial), &ok);
    if (!ok)
        return std::nullopt;
    return answer.toUtf8().toStdString();
}

void QtMessages::beep()
{
    QApplication::beep();
}

} // namespace ovix
