#include "platform/widgets/qt_messages.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

using namespace ovix;

namespace {

// Acts on the modal box that the next call opens, once it is up.
void whenModalOpens(std::function<void(QWidget *)> act)
{
    QTimer::singleShot(0, [act] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal)
            act(modal);
        else
            whenModalOpens(act);
    });
}

void clickButton(QWidget *modal, QMessageBox::StandardButton which)
{
    auto *box = qobject_cast<QMessageBox *>(modal);
    ASSERT_NE(box, nullptr);
    box->button(which)->click();
}

} // namespace

TEST(QtMessages, BoxesCarryTextCaptionAndTheChosenAnswer)
{
    QtMessages messages;
    QString seenText, seenTitle;
    whenModalOpens([&](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        seenText = box->text();
        seenTitle = box->windowTitle();
        clickButton(modal, QMessageBox::Ok);
    });
    messages.show("Number in use. £5", "Problem", MessageKind::Warning);
    EXPECT_EQ(seenText, QString::fromUtf8("Number in use. £5"));
    EXPECT_EQ(seenTitle, "Problem");

    whenModalOpens([](QWidget *modal) { clickButton(modal, QMessageBox::Cancel); });
    EXPECT_FALSE(messages.confirm("Are you sure?", "5 Item: TEA", MessageKind::Warning));

    whenModalOpens([](QWidget *modal) { clickButton(modal, QMessageBox::No); });
    EXPECT_EQ(messages.ask("Continue?", "Question", true, Answer::Yes), Answer::No);
}

TEST(QtMessages, EnterAnswersAQuestionWithThePreferredButton)
{
    QtMessages messages;
    Messages &asking = messages;
    for (Answer preferred : { Answer::Yes, Answer::No }) {
        whenModalOpens([](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            ASSERT_NE(box, nullptr);
            // What Enter presses: the default button.
            box->defaultButton()->click();
        });
        EXPECT_EQ(asking.ask("Abandon?", "Basket", false, preferred), preferred);
    }
    whenModalOpens([](QWidget *modal) { clickButton(modal, QMessageBox::Yes); });
    EXPECT_EQ(asking.ask("Abandon?", "Basket"), Answer::Yes);
}

TEST(QtMessages, AskTextReturnsTheTypedTextOrNothing)
{
    QtMessages messages;
    whenModalOpens([](QWidget *modal) {
        auto *dialog = qobject_cast<QInputDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->setTextValue("31/12/2026");
        dialog->accept();
    });
    EXPECT_EQ(messages.askText("Enter day (DD/MM/YYYY):", "Log", ""), "31/12/2026");

    whenModalOpens([](QWidget *modal) { qobject_cast<QDialog *>(modal)->reject(); });
    EXPECT_EQ(messages.askText("Enter day (DD/MM/YYYY):", "Log", ""), std::nullopt);
}
