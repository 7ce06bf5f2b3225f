#include "report/ReportLayout.h"

#include <algorithm>

std::vector<TReportPageBands> LayoutReport(const std::vector<TReportRow>& rows, double bodyHeight) {
    std::vector<TReportPageBands> pages(1);
    double used = 0;
    const auto place = [&](TReportBand band, double height) {
        if (used + height > bodyHeight && !pages.back().empty()) {
            pages.emplace_back();
            used = 0;
        }
        pages.back().push_back(band);
        used += height;
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i == 0 || rows[i].TypeID != rows[i - 1].TypeID) {
            if (!pages.back().empty()) {
                pages.emplace_back();
                used = 0;
            }
            place({true, i}, ReportPage::GroupHeight);
        }
        place({false, i}, ReportPage::RowHeight);
    }
    return pages;
}

std::vector<int> PagesToPrint(int count, int from, int to, bool reverse) {
    int first = 1;
    int last = count;
    if (from > 0) {
        first = std::max(from, 1);
        last = std::min(to > 0 ? to : count, count);
    }
    std::vector<int> pages;
    for (int page = first; page <= last; ++page) {
        pages.push_back(page);
    }
    if (reverse) {
        std::reverse(pages.begin(), pages.end());
    }
    return pages;
}
