#include "cli/ShowCommand.h"

#include "app/EditorHost.h"
#include "app/Maindb.h"
#include "editors/ChannelTable.h"

#include <algorithm>
#include <iomanip>
#include <vector>

namespace {

// The table is only read: there are no other editors to keep in step.
class NoEditors : public EditorHost {
public:
    void RefreshEditors(int) override {}
    void SelectChannelNode(bool) override {}
};

void PrintChannels(std::ostream& out, const TChannelTable& table) {
    const auto& columns = table.ColumnLayout();
    std::vector<std::size_t> widths;
    for (int c = 1; c <= TChannelTable::Columns; ++c) {
        std::size_t width = columns[static_cast<std::size_t>(c - 1)].Title.size();
        for (int row = 1; row <= table.RowCount(); ++row) {
            width = std::max(width, table.Cell(row, c).Text.size());
        }
        widths.push_back(width);
    }
    const auto line = [&](auto text) {
        std::string row;
        for (int c = 1; c <= TChannelTable::Columns; ++c) {
            const std::string cell = text(c);
            row += (c > 1 ? "  " : "") + cell +
                   std::string(widths[static_cast<std::size_t>(c - 1)] - cell.size(), ' ');
        }
        row.erase(row.find_last_not_of(' ') + 1);
        out << row << "\n";
    };
    line([&](int c) { return columns[static_cast<std::size_t>(c - 1)].Title; });
    for (int row = 1; row <= table.RowCount(); ++row) {
        line([&](int c) { return table.Cell(row, c).Text; });
    }
}

} // namespace

int ShowCommand::Run(const ParsedArgs& args) {
    TfMaindb db(ctx_.AppDir);
    if (auto opened = OpenDataFile(db, args.Positionals[0]); !opened) {
        return Fail(opened.error().Reason);
    }
    std::ostream& out = ctx_.Out;
    out << "Model: " << db.All.ModelName << "\n";
    out << "Band: " << db.All.BandText << "\n";
    out << "\nChannels\n";
    NoEditors host;
    TChannelTable table(db.All, host);
    table.LoadAllRows();
    PrintChannels(out, table);
    return ExitOk;
}
