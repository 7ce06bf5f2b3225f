#include "cli/Kx40ctl.h"
#include "app/LocalNow.h"
#include "app/ProgramDir.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <iostream>
#include <memory>
#include <string_view>

#include <unistd.h>

int main(int argc, char** argv) {
    // Only the report draws (its pages, with fonts); it gets a GUI application
    // on the offscreen platform, so no window system is needed for it either.
    std::unique_ptr<QCoreApplication> app;
    if (argc > 1 && std::string_view(argv[1]) == "report") {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("KX-40"));
    CliContext ctx{std::cout, std::cerr, ProgramDir(), &LocalNow, ::isatty(STDERR_FILENO) != 0};
    return RunKx40ctl(std::vector<std::string>(argv + 1, argv + argc), ctx);
}
