#include "app/MainFrm.h"
#include "app/Maindb.h"
#include "app/ProgramDir.h"
#include "app/SystemDesktop.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KX-40"));
    TfMaindb db(ProgramDir());
    TfMainFrm window(db, DefaultWindows(), std::make_unique<SystemDesktop>());
    window.showMaximized();
    return QApplication::exec();
}
