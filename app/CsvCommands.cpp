#include "app/CsvCommands.h"

#include "app/AtomicFile.h"
#include "app/Desktop.h"
#include "app/Maindb.h"
#include "app/TextFile.h"
#include "editors/ChannelCsv.h"
#include "lang/MessageBox.h"
#include "lang/ShowMessageBox.h"

#include <QFileInfo>

namespace {

const QString CsvFilter = QStringLiteral("CSV files (*.csv);;All files (*)");

void Tell(const TfMaindb& db, const std::string& text) {
    ShowMessageBox(db, db.Language.Confirmation, text, MsgInformation);
}

} // namespace

bool ImportCsvCommand(TfMaindb& db, Desktop& desktop, QWidget* parent) {
    const QString path = desktop.OpenFileName(parent, CsvFilter);
    if (path.isEmpty()) {
        return false;
    }
    const auto text = ReadTextFile(path.toStdString());
    if (!text) {
        Tell(db, text.error().Reason);
        return false;
    }
    const auto imported = ImportChannelCsv(db.All, *text);
    if (!imported) {
        Tell(db, path.toStdString() + ":\n" + imported.error().Reason);
        return false;
    }
    if (!imported->empty()) {
        std::string warnings = "The channel plan was imported with these changes:";
        for (const std::string& warning : *imported) {
            warnings += "\n" + warning;
        }
        Tell(db, warnings);
    }
    return true;
}

void ExportCsvCommand(TfMaindb& db, Desktop& desktop, QWidget* parent) {
    QString path = desktop.SaveFileName(parent, CsvFilter);
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".csv");
    }
    if (auto written = WriteFileAtomic(path.toStdString(), ExportChannelCsv(db.All)); !written) {
        Tell(db, written.error().Reason);
    }
}
