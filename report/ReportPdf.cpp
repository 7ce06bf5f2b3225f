#include "report/ReportPdf.h"

#include "app/Maindb.h"
#include "report/ReportBuilder.h"
#include "report/ReportPainter.h"

#include <QPdfWriter>
#include <QSaveFile>

#include <numeric>

Result<void> WriteReportPdf(TfMaindb& db, const std::string& path) {
    BuildReport(db);
    return WriteReportTablesPdf(db, path);
}

Result<void> WriteReportTablesPdf(const TfMaindb& db, const std::string& path) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) {
        return Error{"Cannot write " + path + ": " + file.errorString().toStdString()};
    }
    const TReportPainter report(db, QDateTime::currentDateTime());
    {
        QPdfWriter pdf(&file);
        pdf.setTitle(QString::fromStdString(db.All.AppTitle));
        pdf.setCreator(QStringLiteral("QN7415"));
        TReportPainter::SetPageLayout(pdf);
        std::vector<int> pages(static_cast<std::size_t>(report.PageCount()));
        std::iota(pages.begin(), pages.end(), 1);
        if (auto painted = report.Paint(pdf, pages); !painted) {
            file.cancelWriting();
            return painted.error();
        }
    }
    if (!file.commit()) {
        return Error{"Cannot write " + path + ": " + file.errorString().toStdString()};
    }
    return {};
}
