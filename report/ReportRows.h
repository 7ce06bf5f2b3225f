#pragma once

#include "editors/FunctionSettings.h"
#include "report/ReportTables.h"

#include <string>
#include <vector>

class TChannelTable;
struct TLanguage;

// The row builders of the report. Each works on what a window shows, so the
// report prints the captions and values of the windows in their language:
// an open window hands over its current state, a closed one the state it
// would show when opened.

// A caption with the text shown beside it.
struct TShownField {
    std::string Caption;
    std::string Value;
};

// The radio information window: model, band and serial number.
struct TInfoShown {
    TShownField Model;
    TShownField Band;
    TShownField Serial;
};

TReportMain InfoReportRow(const std::string& title, const TInfoShown& shown);

// The function setting window as the report reads it.
class FunSetShown {
public:
    virtual ~FunSetShown() = default;
    virtual std::string Title() const = 0;
    // The caption of a list's or the spin box's label, or a check box's own.
    virtual std::string Caption(FunSetId id) const = 0;
    // The entry a list shows, or the gain level.
    virtual std::string Text(FunSetId id) const = 0;
    virtual bool Checked(FunSetId id) const = 0;
};

// The function settings in print order; a check box prints the Open or Close
// message text.
void AppendFunctionRows(std::vector<TReportRow>& rows, const FunSetShown& shown,
                        const TLanguage& texts);

// The channel section: its empty first line, then six lines for every channel
// whose receive frequency cell is not empty, captions from the column titles.
void AppendChannelRows(std::vector<TReportRow>& rows, const TChannelTable& grid,
                       const TLanguage& texts);
