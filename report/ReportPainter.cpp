#include "report/ReportPainter.h"

#include "app/Maindb.h"

#include <QFont>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

// A font that has the Chinese glyphs, for the language files that need them.
constexpr char ReportFamily[] = "WenQuanYi Micro Hei";
constexpr double PageWidth = 737;
constexpr double LineHeight = 18.9;

QFont ReportFont(int points, bool bold) {
    QFont font(QString::fromLatin1(ReportFamily));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

// Draws in report pixels (96 per inch) from the top of a band.
class BandPainter {
public:
    BandPainter(QPainter& painter, double scale, double top)
        : painter_(painter), scale_(scale), top_(top) {}

    void Draw(double left, double top, double width, double height, int flags,
              const QString& text) {
        painter_.drawText(
            QRectF(left * scale_, (top_ + top) * scale_, width * scale_, height * scale_), flags,
            text);
    }
    void Line(double top) {
        const double y = (top_ + top) * scale_;
        painter_.drawLine(QPointF(0, y), QPointF(PageWidth * scale_, y));
    }

private:
    QPainter& painter_;
    double scale_;
    double top_;
};

} // namespace

TReportPainter::TReportPainter(const TfMaindb& db, QDateTime printed)
    : db_(db), printed_(std::move(printed)), pages_(LayoutReport(db.myAdo)) {}

void TReportPainter::SetPageLayout(QPagedPaintDevice& device) {
    using namespace ReportPage;
    device.setPageLayout(
        QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                    QMarginsF(MarginLeftMm, MarginTopMm, MarginRightMm, MarginBottomMm),
                    QPageLayout::Millimeter));
}

Result<void> TReportPainter::Paint(QPagedPaintDevice& device, const std::vector<int>& pages) const {
    QPainter painter;
    if (!painter.begin(&device)) {
        return Error{"The report cannot be drawn on this device."};
    }
    const double scale = device.logicalDpiY() / 96.0;
    bool first = true;
    for (int page : pages) {
        if (page < 1 || page > PageCount()) {
            continue;
        }
        if (!first && !device.newPage()) {
            return Error{"The report could not start a new page."};
        }
        first = false;
        PaintPage(painter, page, scale);
    }
    if (!painter.end()) {
        return Error{"The report could not be finished."};
    }
    return {};
}

void TReportPainter::PaintPage(QPainter& painter, int page, double scale) const {
    using namespace ReportPage;
    const TReportMain head = db_.myMain.empty() ? TReportMain{} : db_.myMain.front();
    constexpr int Left = Qt::AlignLeft | Qt::AlignVCenter;
    constexpr int Right = Qt::AlignRight | Qt::AlignVCenter;

    BandPainter header(painter, scale, 0);
    painter.setFont(ReportFont(14, true));
    header.Draw(0, 0, PageWidth, 41.6, Qt::AlignCenter, Text(head.Title));
    painter.setFont(ReportFont(10, false));
    header.Draw(506.5, 41.6, 113.4, LineHeight, Right,
                printed_.toString(QStringLiteral("yyyy/MM/dd")));
    header.Draw(623.6, 41.6, 94.5, LineHeight, Left, printed_.toString(QStringLiteral("HH:mm:ss")));
    header.Line(60.5);
    painter.setFont(ReportFont(10, true));
    const std::pair<const std::string&, const std::string&> fields[] = {
        {head.AField, head.AValue}, {head.BField, head.BValue}, {head.CField, head.CValue}};
    double top = 68.0;
    for (const auto& [caption, value] : fields) {
        header.Draw(0, top, 249.4, LineHeight, Right, Text(caption));
        header.Draw(253.2, top, 427.1, LineHeight, Left, Text(value));
        top += 18.9;
    }
    header.Line(136.1);

    double y = HeaderHeight;
    for (const TReportBand& band : pages_[static_cast<std::size_t>(page - 1)]) {
        const TReportRow& row = db_.myAdo[band.Row];
        BandPainter body(painter, scale, y);
        if (band.GroupHeader) {
            painter.setFont(ReportFont(10, true));
            body.Draw(0, 3.8, 192.8, LineHeight, Left, Text(row.TypeName));
            y += GroupHeight;
            continue;
        }
        painter.setFont(ReportFont(10, false));
        body.Draw(18.9, 0, 166.3, RowHeight, Left, Text(row.AField));
        body.Draw(185.2, 0, 162.5, RowHeight, Left, QStringLiteral("  ") + Text(row.AValue));
        body.Draw(355.3, 0, 181.4, RowHeight, Left, Text(row.BField));
        body.Draw(540.5, 0, 196.5, RowHeight, Left, Text(row.BValue));
        y += RowHeight;
    }

    BandPainter footer(painter, scale, HeaderHeight + BodyHeight);
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSize(10);
    arial.setBold(true);
    painter.setFont(arial);
    footer.Draw(302.4, 3.8, 75.6, LineHeight, Qt::AlignCenter, QString::number(page));
}
