#include "app/ProgramDir.h"

#include <QCoreApplication>
#include <QDir>

std::string ProgramDir() {
    return (QDir::cleanPath(QCoreApplication::applicationDirPath()) + QLatin1Char('/'))
        .toStdString();
}
