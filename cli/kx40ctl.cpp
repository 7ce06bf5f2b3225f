#include "cli/Kx40ctl.h"
#include "app/LocalNow.h"
#include "app/ProgramDir.h"

#include <QCoreApplication>

#include <iostream>

#include <unistd.h>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("KX-40"));
    CliContext ctx{std::cout, std::cerr, ProgramDir(), &LocalNow, ::isatty(STDERR_FILENO) != 0};
    return RunKx40ctl(std::vector<std::string>(argv + 1, argv + argc), ctx);
}
