#pragma once

#include "radio/Result.h"
#include "report/ReportLayout.h"

#include <QDateTime>

#include <vector>

class QPagedPaintDevice;
class QPainter;
class TfMaindb;

// Draws the settings report from the data module's tables, laid out on the
// report's page template. The tables must stay as they are while it lives.
class TReportPainter {
public:
    // `printed` is the date and time the page header shows.
    TReportPainter(const TfMaindb& db, QDateTime printed);

    int PageCount() const { return static_cast<int>(pages_.size()); }

    // Letter paper, portrait, with the report's margins.
    static void SetPageLayout(QPagedPaintDevice& device);

    // Paints the pages (numbered from 1) in the given order on a device that
    // already has the report's page layout, a new sheet for each.
    Result<void> Paint(QPagedPaintDevice& device, const std::vector<int>& pages) const;

private:
    void PaintPage(QPainter& painter, int page, double scale) const;

    const TfMaindb& db_;
    QDateTime printed_;
    std::vector<TReportPageBands> pages_;
};
