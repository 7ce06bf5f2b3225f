#include "app/Maindb.h"
#include "app/ProgramDir.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KX-40"));
    TfMaindb db(ProgramDir());
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("KX-40"));
    window.show();
    return QApplication::exec();
}
