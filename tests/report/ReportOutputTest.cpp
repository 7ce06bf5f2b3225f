#include "report/ReportPdf.h"
#include "report/ReportPrint.h"

#include "ReportTestSupport.h"
#include "TempDir.h"
#include "app/MainMenu.h"
#include "app/Windows.h"
#include "editors/BFunSet.h"
#include "report/ReportLayout.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

const TReportRow* RowOf(const TfMaindb& db, const std::string& caption) {
    const auto row = std::find_if(db.myAdo.begin(), db.myAdo.end(),
                                  [&](const auto& r) { return r.AField == caption; });
    return row != db.myAdo.end() ? &*row : nullptr;
}

// The text of one page of a PDF file, as poppler extracts it.
QString PageText(const std::string& pdf, int page) {
    QProcess run;
    run.start(QStringLiteral("pdftotext"),
              {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
               QString::number(page), QStringLiteral("-layout"), QString::fromStdString(pdf),
               QStringLiteral("-")});
    if (!run.waitForFinished(30000) || run.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(run.readAllStandardOutput());
}

} // namespace

TEST(ReportWindows, OpenSettingsWindowIsPrintedAsShownAndStaysOpen) {
    TfMaindb db("/nonexistent/");
    StartUp(db);
    QWidget mainWindow;
    auto window = std::make_unique<TfBFunSet>(db, &mainWindow);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    mainWindow.show();
    window->show();
    // What the user sees: a ticked box and another level, plus a caption the
    // image knows nothing of.
    window->findChild<QCheckBox*>(QStringLiteral("cbBeepTone"))->setChecked(true);
    window->findChild<QComboBox*>(QStringLiteral("cbSQvelch"))->setCurrentIndex(7);
    window->findChild<QLabel*>(QStringLiteral("L1"))->setText(QStringLiteral("Squelch (shown)"));

    BuildReportFromWindows(db, &mainWindow);

    const TReportRow* squelch = RowOf(db, "Squelch (shown)");
    ASSERT_NE(squelch, nullptr);
    EXPECT_EQ(squelch->AValue, "7");
    ASSERT_NE(RowOf(db, "Clew Voice"), nullptr);
    EXPECT_EQ(RowOf(db, "Clew Voice")->AValue, db.Language.Open);
    EXPECT_EQ(std::count_if(db.myAdo.begin(), db.myAdo.end(),
                            [](const auto& r) { return r.TypeID == FunctionSection; }),
              15);
    EXPECT_TRUE(window->isVisible());

    window.reset();
    BuildReportFromWindows(db, &mainWindow);
    ASSERT_NE(RowOf(db, "Squelch level"), nullptr) << "a closed window is read from the image";
    EXPECT_EQ(RowOf(db, "Squelch level")->AValue, "7");
}

TEST(ReportWindows, ReportCommandsAreInTheMenuAndTheWindowTable) {
    QMenuBar bar;
    BuildMainMenu(bar);
    const auto* exportPdf = bar.findChild<QAction*>(QStringLiteral("miExportPdf"));
    ASSERT_NE(exportPdf, nullptr);
    EXPECT_EQ(exportPdf->property("tag").toInt(), CmdExportPdf);
    const TfWindows windows = DefaultWindows();
    EXPECT_TRUE(windows.Print && windows.PrintPreview && windows.ExportPdf);
}

TEST(ReportPdf, TwoChannelImageGivesCaptionsAndValuesOnTheirPages) {
    TempDir dir;
    TfMaindb db(dir.Dir());
    OpenTwoChannels(db);
    const std::string pdf = dir.Path("report.pdf");

    ASSERT_TRUE(WriteReportPdf(db, pdf).has_value());

    const QString first = PageText(pdf, 1);
    for (const char* text :
         {"KX-40", "Model Type", "Frequency[MHz]", "400 - 470MHz", "Serial Number", "KX40 0001",
          "Function Setting", "Squelch level", "VOX Gain Level", "Clew Voice"}) {
        EXPECT_TRUE(first.contains(QString::fromUtf8(text))) << text << "\n" << first.toStdString();
    }
    EXPECT_FALSE(first.contains(QStringLiteral("Channel No.")));

    const QString second = PageText(pdf, 2);
    const QString channelTitle = QString::fromStdString(db.Language.Channel + db.Language.Info);
    for (const QString& text :
         {channelTitle, QStringLiteral("Channel No.1"), QStringLiteral("Channel No.2"),
          QStringLiteral("446.00625"), QStringLiteral("400.12500"), QStringLiteral("D754I"),
          QStringLiteral("Serial Number")}) {
        EXPECT_TRUE(second.contains(text)) << text.toStdString() << "\n" << second.toStdString();
    }
    EXPECT_FALSE(second.contains(QStringLiteral("Squelch level")));
    EXPECT_TRUE(PageText(pdf, 3).isEmpty()) << "two sections, two pages";
}

TEST(ReportPdf, UnwritableTargetIsReportedAndLeavesNoFile) {
    TempDir dir;
    TfMaindb db(dir.Dir());
    StartUp(db);
    const auto written = WriteReportPdf(db, dir.Path("missing/report.pdf"));
    ASSERT_FALSE(written.has_value());
    EXPECT_NE(written.error().Reason.find("missing/report.pdf"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.Path("missing")));
}
