#include "app/Windows.h"

#include "app/Maindb.h"
#include "editors/BFunSet.h"
#include "editors/BInfoEdit.h"
#include "editors/ChInfo.h"
#include "editors/EmbeddedMessage.h"
#include "editors/InfoMsg.h"
#include "editors/PassWord.h"
#include "lang/SetLanguage.h"
#include "link/ReadRadio.h"
#include "link/SetPort.h"
#include "link/TestFrequency.h"
#include "link/TestFrm.h"
#include "link/WriteRadio.h"
#include "report/ReportPrint.h"

TfWindows DefaultWindows() {
    TfWindows w;
    w.ChannelGrid = [](TfMaindb& db, EditorHost& host) -> std::unique_ptr<QWidget> {
        return std::make_unique<TfChInfo>(db, host);
    };
    w.ChannelEdit = [](TfMaindb& db, EditorHost& host) -> std::unique_ptr<QWidget> {
        return std::make_unique<TfBInfoEdit>(db, host);
    };
    w.RadioInformation = [](TfMaindb& db, EditorHost&) { return std::make_unique<TfInfoMsg>(db); };
    w.Password = [](TfMaindb& db, EditorHost&) { return std::make_unique<TfPassWord>(db); };
    w.FunctionSetting = [](TfMaindb& db, EditorHost&) { return std::make_unique<TfBFunSet>(db); };
    w.EmbeddedMessage = [](TfMaindb& db, QWidget* parent) {
        TfEmbeddedMessage dialog(db.All, parent);
        dialog.exec();
        return false;
    };
    w.SetLanguage = ChooseLanguage;
    w.ReadRadio = RunReadRadio;
    w.WriteRadio = RunWriteRadio;
    w.SetPort = RunSetPort;
    w.Print = PrintReport;
    w.PrintPreview = PreviewReport;
    w.ExportPdf = ExportReportPdf;
    w.TestFrequency = RunTestFrequency;
    w.TestOnline = RunTestFrm;
    return w;
}
