#include "app/ProgramDir.h"

#include <QCoreApplication>
#include <QDir>

std::string ProgramDir() {
    return DataDirFor(QCoreApplication::applicationDirPath().toStdString());
}

std::string DataDirFor(const std::string& programDir) {
    const QDir here(QString::fromStdString(programDir));
    const QString installed = here.filePath(QStringLiteral("../share/kx40"));
    const bool beside = !here.entryList({QStringLiteral("*.Ini")}, QDir::Files).isEmpty();
    const QString dir = beside || !QDir(installed).exists() ? here.path() : installed;
    return (QDir::cleanPath(dir) + QLatin1Char('/')).toStdString();
}
