#pragma once

#include "report/ReportTables.h"

#include <cstddef>
#include <vector>

// The report's page template, in report pixels (96 per inch): Letter paper,
// portrait, with the page header and footer on every page.
namespace ReportPage {
inline constexpr double PaperWidthMm = 215.9;
inline constexpr double PaperHeightMm = 279.4;
inline constexpr double MarginLeftMm = 10;
inline constexpr double MarginRightMm = 10;
inline constexpr double MarginTopMm = 2;
inline constexpr double MarginBottomMm = 10;
inline constexpr double PixelsPerMm = 96 / 25.4;
inline constexpr double HeaderHeight = 139.8;
inline constexpr double GroupHeight = 26.5;
inline constexpr double RowHeight = 26.5;
inline constexpr double FooterHeight = 22.7;
// Room between the page header and the footer.
inline constexpr double BodyHeight =
    (PaperHeightMm - MarginTopMm - MarginBottomMm) * PixelsPerMm - HeaderHeight - FooterHeight;
} // namespace ReportPage

// A band in the body of a page: a section's title or one printed line.
struct TReportBand {
    bool GroupHeader = false;
    // The row of myAdo it prints (for a group header, the section's first row).
    std::size_t Row = 0;
};

using TReportPageBands = std::vector<TReportBand>;

// Spreads the rows over pages: each section starts on a new page with its
// title, and a page takes as many bands as fit in `bodyHeight`. There is
// always at least one page, so an empty report still shows its header.
std::vector<TReportPageBands> LayoutReport(const std::vector<TReportRow>& rows,
                                           double bodyHeight = ReportPage::BodyHeight);

// The page numbers (from 1) to print of `count` pages: all, or `from` to `to`
// when `from` is above 0, in reverse order on request.
std::vector<int> PagesToPrint(int count, int from, int to, bool reverse);
