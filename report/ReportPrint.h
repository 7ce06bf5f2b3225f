#pragma once

class QWidget;
class TfMaindb;

// The report commands of the main window. Each fills the data module's report
// tables anew from the editor windows open inside `mainWindow` (closed ones
// are read from the image as they would show it), then prints, previews or
// exports. They return false: nothing in the main window needs refreshing.

// Print: the print dialog, then the chosen pages.
bool PrintReport(TfMaindb& db, QWidget* mainWindow);
// Print Preview: the pages at 100 %, with print and page navigation.
bool PreviewReport(TfMaindb& db, QWidget* mainWindow);
// Export PDF...: the pages as a PDF file the user names.
bool ExportReportPdf(TfMaindb& db, QWidget* mainWindow);

// Fills the report tables from the windows open inside `mainWindow`.
void BuildReportFromWindows(TfMaindb& db, const QWidget* mainWindow);
