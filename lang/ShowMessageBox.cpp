#include "lang/ShowMessageBox.h"

#include "app/Maindb.h"

#include <QApplication>
#include <QMessageBox>

int QtMessageBox(const std::string& caption, const std::string& text, int style) {
    QMessageBox::Icon icon = QMessageBox::Question;
    QMessageBox::StandardButtons buttons;
    switch (style) {
    case MsgInformation:
        icon = QMessageBox::Information;
        buttons = QMessageBox::Ok;
        break;
    case MsgYesNo:
        buttons = QMessageBox::Yes | QMessageBox::No;
        break;
    case MsgRetryCancel:
        buttons = QMessageBox::Retry | QMessageBox::Cancel;
        break;
    default:
        return IdOk;
    }
    QMessageBox box(icon, QString::fromStdString(caption), QString::fromStdString(text), buttons,
                    QApplication::activeWindow());
    switch (box.exec()) {
    case QMessageBox::Ok:
        return IdOk;
    case QMessageBox::Yes:
        return IdYes;
    case QMessageBox::No:
        return IdNo;
    case QMessageBox::Retry:
        return IdRetry;
    default:
        return IdCancel;
    }
}

int ShowMessageBox(const TfMaindb& db, const std::string& caption, const std::string& text,
                   int style) {
    return ShowMessage(db.MessageBox ? db.MessageBox : MessageHandler(QtMessageBox), caption, text,
                       style);
}
