#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The three pages of the tone picker.
enum class TonePage { Ctcss = 0, DcsNormal = 1, DcsInverted = 2 };

struct TToneCell {
    std::string Text;
    bool Pickable = false;           // a value column: a double-click returns its text
    std::uint32_t Colour = 0xFFFFFF; // background as 0xRRGGBB
};

// One page of the picker, filled from the tone source: rows × columns cells,
// addressed from 0, and the column widths in pixels.
struct TToneTable {
    int Rows = 0;
    int Columns = 0;
    std::vector<int> Widths;
    std::vector<TToneCell> Cells;

    const TToneCell& At(int row, int column) const {
        return Cells[static_cast<std::size_t>(row * Columns + column)];
    }
};

TToneTable BuildToneTable(TonePage page);
