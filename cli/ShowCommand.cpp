#include "cli/ShowCommand.h"

#include "app/EditorHost.h"
#include "app/Maindb.h"
#include "editors/ChannelTable.h"
#include "editors/FunctionSettings.h"
#include "editors/IdentityFields.h"

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

void PrintSettings(std::ostream& out, const TFunctionSettings& settings) {
    std::size_t width = 0;
    for (const TFunSetControl& control : FunSetControls()) {
        width = std::max(width, control.Caption.size());
    }
    for (const TFunSetControl& control : FunSetControls()) {
        if (!control.Visible) {
            continue;
        }
        std::string text = control.Kind == FunSetKind::Check ? (settings[control.Id] ? "On" : "Off")
                                                             : FunSetText(settings, control.Id);
        out << "  " << control.Caption << ": " << std::string(width - control.Caption.size(), ' ')
            << (text.empty() ? "(no entry for the stored value)" : text) << "\n";
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
    const RadioImageView image(db.All.Image);
    std::string serial = SerialNumberText(image);
    serial.erase(serial.find_last_not_of(' ') + 1);
    out << "Serial number: " << serial << "\n";
    out << "Write time: " << WriteTimeText(image) << "\n";
    out << "\nFunction settings\n";
    PrintSettings(out, LoadSettings(image));
    out << "\nChannels\n";
    NoEditors host;
    TChannelTable table(db.All, host);
    table.LoadAllRows();
    PrintChannels(out, table);
    return ExitOk;
}
