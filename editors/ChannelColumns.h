#pragma once

#include <string>
#include <vector>

// Column alignment codes of the grid's layout list.
enum class ColumnAlign { Left = 1, Centre = 2, Right = 3 };

struct TGridColumn {
    std::string Title;
    int Width = 0;
    ColumnAlign Align = ColumnAlign::Centre;
};

inline constexpr int GridDataColumns = 11;

// The grid's layout list: eleven titles, eleven widths in pixels, eleven
// alignment codes. A language file may replace every entry.
const std::vector<std::string>& DefaultColumnList();

// The eleven data columns from a layout list. The list may come from a
// language file: a missing entry, a width that is no sane number or an unknown
// alignment code keeps the built-in value of that column.
std::vector<TGridColumn> BuildColumns(const std::vector<std::string>& list);

// Width of the grid window: the columns plus room for the scroll bar.
int GridWindowWidth(const std::vector<TGridColumn>& columns);
