#include "editors/ToneTable.h"

#include "editors/ToneLists.h"

#include <array>
#include <string_view>
#include <utility>

namespace {

constexpr std::uint32_t IndexPink = 0xF98DE3;  // RGB(249, 141, 227)
constexpr std::uint32_t CodeYellow = 0xE1F970; // RGB(225, 249, 112)
constexpr std::uint32_t IndexCyan = 0x2FE7DC;  // RGB(47, 231, 220)
constexpr std::uint32_t White = 0xFFFFFF;

// Splits at the first "-"; a text without one gives itself for both parts.
std::pair<std::string, std::string> SplitAtDash(std::string_view text) {
    const auto dash = text.find('-');
    if (dash == std::string_view::npos) {
        return {std::string(text), std::string(text)};
    }
    return {std::string(text.substr(0, dash)), std::string(text.substr(dash + 1))};
}

struct PageShape {
    int Groups;
    int Rows;
    int FirstSource;
    std::vector<int> Widths;            // per column of a group
    std::vector<std::uint32_t> Colours; // per column of a group
    int ValueColumn;                    // the pickable column of a group
};

PageShape ShapeOf(TonePage page) {
    if (page == TonePage::Ctcss) {
        return {5, 9, 0, {32, 43, 32}, {IndexPink, White, CodeYellow}, 1};
    }
    return {8, 11, 45, {25, 43}, {IndexCyan, White}, 1};
}

} // namespace

TToneTable BuildToneTable(TonePage page) {
    const PageShape shape = ShapeOf(page);
    const int perGroup = static_cast<int>(shape.Widths.size());
    TToneTable table;
    table.Rows = shape.Rows;
    table.Columns = shape.Groups * perGroup;
    table.Cells.resize(static_cast<std::size_t>(table.Rows * table.Columns));
    const std::vector<std::string>& source = ToneSource();
    for (int g = 0; g < shape.Groups; ++g) {
        for (int c = 0; c < perGroup; ++c) {
            table.Widths.push_back(shape.Widths[static_cast<std::size_t>(c)]);
        }
        for (int r = 0; r < shape.Rows; ++r) {
            const auto pos = static_cast<std::size_t>(shape.FirstSource + g * shape.Rows + r);
            const auto [index, rest] = SplitAtDash(pos < source.size() ? source[pos] : "");
            std::array<std::string, 3> texts{index, rest, rest};
            if (page == TonePage::Ctcss) {
                const auto [tone, code] = SplitAtDash(rest);
                texts = {index, tone, code};
            } else if (!rest.empty()) {
                texts[1] = rest + (page == TonePage::DcsNormal ? "N" : "I");
            }
            for (int c = 0; c < perGroup; ++c) {
                TToneCell& cell =
                    table.Cells[static_cast<std::size_t>(r * table.Columns + g * perGroup + c)];
                cell.Text = texts[static_cast<std::size_t>(c)];
                cell.Pickable = c == shape.ValueColumn;
                cell.Colour = shape.Colours[static_cast<std::size_t>(c)];
            }
        }
    }
    return table;
}
