#include "report/ReportPrint.h"

#include "app/Maindb.h"
#include "editors/BFunSet.h"
#include "editors/InfoMsg.h"
#include "lang/ShowMessageBox.h"
#include "report/ReportBuilder.h"
#include "report/ReportPainter.h"
#include "report/ReportPdf.h"
#include "report/ReportRows.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include <memory>
#include <optional>

namespace {

std::string Std(const QString& s) {
    return s.toStdString();
}

QString Name(std::string_view s) {
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

// An open function setting window, read as it stands, edits included.
class TShownFunSet : public FunSetShown {
public:
    explicit TShownFunSet(const TfBFunSet& window) : window_(window) {}

    std::string Title() const override { return Std(window_.windowTitle()); }
    std::string Caption(FunSetId id) const override {
        const TFunSetControl& c = FunSetControl(id);
        if (c.Kind == FunSetKind::Check) {
            return Std(static_cast<const QCheckBox*>(window_.Control(id))->text());
        }
        const auto* label = window_.findChild<const QLabel*>(Name(c.Label));
        return label ? Std(label->text()) : std::string(c.Caption);
    }
    std::string Text(FunSetId id) const override { return Std(window_.ControlText(id)); }
    bool Checked(FunSetId id) const override {
        return static_cast<const QCheckBox*>(window_.Control(id))->isChecked();
    }

private:
    const TfBFunSet& window_;
};

// An open radio information window: its captions and the texts of its fields.
TInfoShown ShownInfo(const TfInfoMsg& window) {
    const auto field = [&](const char* label, const char* edit) {
        const auto* l = window.findChild<const QLabel*>(QString::fromLatin1(label));
        const auto* e = window.findChild<const QLineEdit*>(QString::fromLatin1(edit));
        return TShownField{l ? Std(l->text()) : std::string(), e ? Std(e->text()) : std::string()};
    };
    return {field("lbModel", "cxModel"), field("lbFreq", "cxFreq"), field("lbSerial", "cxSerial")};
}

void ShowFailure(const TfMaindb& db, const Error& error) {
    ShowMessageBox(db, db.Language.Confirmation, error.Reason, 1);
}

std::vector<int> ChosenPages(const QPrinter& printer, const TReportPainter& report) {
    const bool range = printer.printRange() == QPrinter::PageRange;
    return PagesToPrint(report.PageCount(), range ? printer.fromPage() : 0,
                        range ? printer.toPage() : 0,
                        printer.pageOrder() == QPrinter::LastPageFirst);
}

// Paints the pages the print dialog asked for, in its order.
void PrintChosenPages(const TfMaindb& db, const TReportPainter& report, QPrinter& printer) {
    if (auto painted = report.Paint(printer, ChosenPages(printer, report)); !painted) {
        ShowFailure(db, painted.error());
    }
}

} // namespace

void BuildReportFromWindows(TfMaindb& db, const QWidget* mainWindow) {
    TReportSources open;
    std::optional<TInfoShown> info;
    std::optional<TShownFunSet> functions;
    if (mainWindow) {
        if (const auto* window = mainWindow->findChild<const TfInfoMsg*>()) {
            info = ShownInfo(*window);
            open.Info = &*info;
        }
        if (const auto* window = mainWindow->findChild<const TfBFunSet*>()) {
            functions.emplace(*window);
            open.Functions = &*functions;
        }
    }
    BuildReport(db, open);
}

bool PrintReport(TfMaindb& db, QWidget* mainWindow) {
    BuildReportFromWindows(db, mainWindow);
    QPrinter printer(QPrinter::HighResolution);
    TReportPainter::SetPageLayout(printer);
    const TReportPainter report(db, QDateTime::currentDateTime());
    QPrintDialog dialog(&printer, mainWindow);
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange |
                      QAbstractPrintDialog::PrintCollateCopies |
                      QAbstractPrintDialog::PrintShowPageSize);
    dialog.setMinMax(1, report.PageCount());
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    PrintChosenPages(db, report, printer);
    return false;
}

bool PreviewReport(TfMaindb& db, QWidget* mainWindow) {
    BuildReportFromWindows(db, mainWindow);
    QPrinter printer(QPrinter::HighResolution);
    TReportPainter::SetPageLayout(printer);
    const TReportPainter report(db, QDateTime::currentDateTime());
    QPrintPreviewDialog dialog(&printer, mainWindow);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&](QPrinter* target) { PrintChosenPages(db, report, *target); });
    if (auto* view = dialog.findChild<QPrintPreviewWidget*>()) {
        view->setZoomMode(QPrintPreviewWidget::CustomZoom);
        view->setZoomFactor(1.0);
    }
    dialog.exec();
    return false;
}

bool ExportReportPdf(TfMaindb& db, QWidget* mainWindow) {
    QString path =
        QFileDialog::getSaveFileName(mainWindow, QStringLiteral("Export PDF"), QDir::homePath(),
                                     QStringLiteral("PDF files (*.pdf)"));
    if (path.isEmpty()) {
        return false;
    }
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        path += QStringLiteral(".pdf");
    }
    BuildReportFromWindows(db, mainWindow);
    if (auto written = WriteReportTablesPdf(db, Std(path)); !written) {
        ShowFailure(db, written.error());
    }
    return false;
}
