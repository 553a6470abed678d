#pragma once
// Driving modal dialogs in the offscreen widget tests: act on the dialog that
// the next exec() opens, once it is up.

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace ovix::test {

// Calls `act` with the first modal widget of type T that is not `previous`.
// When a check inside `act` failed, the dialog is closed afterwards, so a
// failing test ends instead of waiting on a dialog nobody will answer.
template <typename T>
void whenModalOpens(std::function<void(T *)> act, QPointer<QWidget> previous = nullptr)
{
    QTimer::singleShot(1, [act, previous] {
        auto *modal = dynamic_cast<T *>(QApplication::activeModalWidget());
        if (!modal || modal == previous.data()) {
            whenModalOpens<T>(act, previous);
            return;
        }
        QPointer<QWidget> opened(modal);
        act(modal);
        if (::testing::Test::HasFailure() && opened && opened->isVisible()) {
            if (auto *dialog = qobject_cast<QDialog *>(opened.data()))
                dialog->reject();
            else
                opened->close();
        }
    });
}

// Clicks the push button named `name` inside `parent`; false when there is none.
inline bool clickNamed(QWidget *parent, const char *name)
{
    auto *button = parent->findChild<QPushButton *>(QString::fromLatin1(name));
    if (!button)
        return false;
    button->click();
    return true;
}

} // namespace ovix::test
