#include "cli/ReportCommand.h"

#include "app/Maindb.h"
#include "report/ReportPdf.h"

#include <QGuiApplication>

int ReportCommand::Run(const ParsedArgs& args) {
    // The pages are drawn with fonts, which need a GUI application object.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        return Fail("the report needs a GUI application object to draw its pages");
    }
    TfMaindb db(ctx_.AppDir);
    if (auto opened = OpenDataFile(db, args.Positionals[0]); !opened) {
        return Fail(opened.error().Reason);
    }
    if (auto written = WriteReportPdf(db, *args.Option("pdf")); !written) {
        return Fail(written.error().Reason);
    }
    return ExitOk;
}
