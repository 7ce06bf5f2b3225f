#include "editors/ChannelColumns.h"

#include <charconv>
#include <cstddef>
#include <optional>

namespace {

std::optional<int> ParseInt(const std::string& text, int low, int high) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

} // namespace

const std::vector<std::string>& DefaultColumnList() {
    static const std::vector<std::string> list = {"Channel No.",
                                                  "RX Frequency",
                                                  "TX Frequency",
                                                  "QT/DQT Dec",
                                                  "QT/DQT Enc",
                                                  "TX Power",
                                                  "W/N",
                                                  "Scan Add",
                                                  "Compander",
                                                  "Scrambler",
                                                  "Busy Lock",
                                                  "70",
                                                  "90",
                                                  "90",
                                                  "80",
                                                  "80",
                                                  "60",
                                                  "60",
                                                  "60",
                                                  "60",
                                                  "60",
                                                  "60",
                                                  "2",
                                                  "3",
                                                  "3",
                                                  "3",
                                                  "3",
                                                  "2",
                                                  "2",
                                                  "2",
                                                  "2",
                                                  "2",
                                                  "2"};
    return list;
}

std::vector<TGridColumn> BuildColumns(const std::vector<std::string>& list) {
    const std::vector<std::string>& builtIn = DefaultColumnList();
    const auto entry = [&](std::size_t i) -> const std::string& {
        return i < list.size() ? list[i] : builtIn[i];
    };
    std::vector<TGridColumn> columns(GridDataColumns);
    for (std::size_t c = 0; c < columns.size(); ++c) {
        TGridColumn& column = columns[c];
        column.Title = entry(c);
        column.Width = ParseInt(entry(GridDataColumns + c), 1, 2000)
                           .value_or(*ParseInt(builtIn[GridDataColumns + c], 1, 2000));
        const int align = ParseInt(entry(2 * GridDataColumns + c), 1, 3)
                              .value_or(*ParseInt(builtIn[2 * GridDataColumns + c], 1, 3));
        column.Align = static_cast<ColumnAlign>(align);
    }
    return columns;
}

int GridWindowWidth(const std::vector<TGridColumn>& columns) {
    int sum = 30;
    for (const TGridColumn& column : columns) {
        sum += column.Width;
    }
    return sum;
}
