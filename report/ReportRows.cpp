#include "report/ReportRows.h"

#include "editors/ChannelTable.h"
#include "lang/Language.h"

TReportMain InfoReportRow(const std::string& title, const TInfoShown& shown) {
    TReportMain row;
    row.Title = title;
    row.AField = shown.Model.Caption;
    row.AValue = shown.Model.Value;
    row.BField = shown.Band.Caption;
    row.BValue = shown.Band.Value;
    row.CField = shown.Serial.Caption;
    row.CValue = shown.Serial.Value;
    return row;
}

void AppendFunctionRows(std::vector<TReportRow>& rows, const FunSetShown& shown,
                        const TLanguage& texts) {
    const std::string title = shown.Title();
    for (FunSetId id : FunSetReportRows()) {
        TReportRow row;
        row.TypeID = FunctionSection;
        row.TypeName = title;
        row.AField = shown.Caption(id);
        if (FunSetControl(id).Kind == FunSetKind::Check) {
            row.AValue = shown.Checked(id) ? texts.Open : texts.Close;
        } else {
            row.AValue = shown.Text(id);
        }
        rows.push_back(std::move(row));
    }
}

void AppendChannelRows(std::vector<TReportRow>& rows, const TChannelTable& grid,
                       const TLanguage& texts) {
    constexpr int RxColumn = 2;
    const std::string typeName = texts.Channel + texts.Info;
    const auto& columns = grid.ColumnLayout();
    const auto title = [&](int column) {
        return columns[static_cast<std::size_t>(column - 1)].Title;
    };
    const auto line = [&](std::string aField, std::string aValue, std::string bField,
                          std::string bValue) {
        rows.push_back({ChannelSection, typeName, std::move(aField), std::move(aValue),
                        std::move(bField), std::move(bValue)});
    };
    line({}, {}, {}, {});
    for (int channel = 1; channel <= grid.RowCount(); ++channel) {
        if (grid.Cell(channel, RxColumn).Text.empty()) {
            continue;
        }
        line(title(1) + std::to_string(channel), {}, {}, {});
        for (int column = RxColumn; column < TChannelTable::Columns; column += 2) {
            line(title(column), grid.Cell(channel, column).Text, title(column + 1),
                 grid.Cell(channel, column + 1).Text);
        }
    }
}
