#include "app/Maindb.h"
#include "lang/ShowMessageBox.h"

#include "ScriptedMessages.h"
#include "TempDir.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Presses `button` on the message box once it is up, after noting its icon and
// buttons.
struct Presser {
    explicit Presser(QMessageBox::StandardButton press) : button(press) {}
    QMessageBox::StandardButton button;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QString caption;
    void Arm() {
        QTimer::singleShot(0, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            icon = box->icon();
            buttons = box->standardButtons();
            caption = box->windowTitle();
            box->button(button)->click();
        });
    }
};

TEST(MessageBox, RealBoxForEachStyle) {
    struct Case {
        int style;
        QMessageBox::StandardButton press;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        int result;
    };
    for (const Case& c : {
             Case{MsgInformation, QMessageBox::Ok, QMessageBox::Information, QMessageBox::Ok, IdOk},
             Case{MsgYesNo, QMessageBox::Yes, QMessageBox::Question,
                  QMessageBox::Yes | QMessageBox::No, IdYes},
             Case{MsgYesNo, QMessageBox::No, QMessageBox::Question,
                  QMessageBox::Yes | QMessageBox::No, IdNo},
             Case{MsgRetryCancel, QMessageBox::Retry, QMessageBox::Question,
                  QMessageBox::Retry | QMessageBox::Cancel, IdRetry},
             Case{MsgRetryCancel, QMessageBox::Cancel, QMessageBox::Question,
                  QMessageBox::Retry | QMessageBox::Cancel, IdCancel},
         }) {
        Presser presser(c.press);
        presser.Arm();
        EXPECT_EQ(QtMessageBox("提示", "text", c.style), c.result) << c.style;
        EXPECT_EQ(presser.icon, c.icon) << c.style;
        EXPECT_EQ(presser.buttons, c.buttons) << c.style;
        EXPECT_EQ(presser.caption, "提示");
    }
    // Any other style shows nothing.
    EXPECT_EQ(QtMessageBox("c", "t", 5), IdOk);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(MessageBox, GoesThroughTheDataModulesHandler) {
    TempDir tmp;
    TfMaindb db(tmp.Dir());
    ScriptedMessages messages(db);
    messages.answers = {IdNo, IdRetry};
    EXPECT_EQ(ShowMessageBox(db, "c", "exit?", MsgYesNo), IdNo);
    EXPECT_EQ(ShowMessageBox(db, "c", "again?", MsgRetryCancel), IdRetry);
    EXPECT_EQ(ShowMessageBox(db, "c", "done", MsgInformation), IdOk);
    EXPECT_EQ(ShowMessageBox(db, "c", "hidden", 5), IdOk);
    ASSERT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(messages.shown[0].Text, "exit?");
    EXPECT_EQ(messages.shown[2].Style, MsgInformation);
}

} // namespace
