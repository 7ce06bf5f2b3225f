#pragma once

#include "editors/ChannelColumns.h"
#include "editors/FreqEntry.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

struct TALL;
class EditorHost;

// One cell of the channel grid: the text shown, the hidden value (the row's
// "channel exists" mark in column 1, the stored bit in the option columns)
// and whether the user may type into it.
struct TGridCell {
    std::string Text;
    std::string Value;
    bool ReadOnly = true;
};

// The texts of the grid that a language file may replace.
struct TChannelTexts {
    std::vector<std::string> ColumnList = DefaultColumnList();
    std::array<std::string, 2> Power{"Low", "High"};
    std::array<std::string, 2> Bandwidth{"Wide", "Narrow"};
    std::array<std::string, 2> YesNo{"Yes", "No"};
    std::string None = "None";
};

// The drop-down editor a cell offers.
enum class CellEditor { None, InPlace, DecodeTone, EncodeTone, Power, Bandwidth, YesNo };

// The channel grid without its widget: one row per channel, columns 1 to 11,
// every accepted change written at once into the channel record of the image.
// Rows are addressed by channel number (1..RowCount), columns by their number.
class TChannelTable {
public:
    static constexpr int Columns = GridDataColumns;

    TChannelTable(TALL& all, EditorHost& host, TChannelTexts texts = {});

    const TChannelTexts& Texts() const { return texts_; }
    const std::vector<TGridColumn>& ColumnLayout() const { return columns_; }
    int RowCount() const { return static_cast<int>(rows_.size()); }
    const TGridCell& Cell(int channel, int column) const;
    bool ChannelExists(int channel) const;

    void ResetRows();
    void LoadAllRows();
    void LoadChannelRow(int channel);
    void StoreCell(int channel, int column);
    void CreateChannel(int channel);
    void ClearChannel(int channel);

    // The user ended an in-place edit with a new text. Returns the warning to
    // show; the cell may have been rewritten.
    FreqMsg CellTextSet(int channel, int column, std::string_view text);
    // An entry of an option list was chosen for an option cell.
    void OptionChosen(int channel, int column, int index);
    // A tone box was confirmed, or the tone picker returned a tone.
    void ToneEntered(int channel, int column, std::string_view text);

    // Which editor the cell offers when the user clicks it.
    CellEditor EditorFor(int channel, int column) const;
    // The entries of the list editor of an option column (6 to 11).
    const std::array<std::string, 2>& OptionList(int column) const;

    // The user moved to another row: it becomes the current channel.
    void SelectRow(int channel);

private:
    TGridCell& At(int channel, int column);
    bool ValidCell(int channel, int column) const;

    TALL& all_;
    EditorHost& host_;
    TChannelTexts texts_;
    std::vector<TGridColumn> columns_;
    std::vector<std::array<TGridCell, Columns + 1>> rows_;
};
