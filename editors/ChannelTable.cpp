#include "editors/ChannelTable.h"

#include "app/EditorHost.h"
#include "app/TALL.h"
#include "editors/ToneLists.h"
#include "radio/ChannelCodec.h"
#include "radio/RadioImage.h"

#include <algorithm>
#include <utility>

namespace {

// The grid's columns and the channel record fields behind them.
constexpr int ColNumber = 1;
constexpr int ColRx = 2;
constexpr int ColTx = 3;
constexpr int ColRxTone = 4;
constexpr int ColTxTone = 5;
constexpr int ColPower = 6;
constexpr int ColBandwidth = 7;
constexpr int ColBusyLock = 11;

// Field kind of SetChannelField for columns 2 to 11.
constexpr std::array<int, TChannelTable::Columns + 1> FieldKind = {-1, -1, 0, 1, 2,  3,
                                                                   7,  6,  8, 9, 10, 4};

// Bit of ChannelFlags shown in columns 6 to 11.
int FlagBit(int column) {
    return FieldKind[static_cast<std::size_t>(column)] - 4;
}

std::string BitText(int bit) {
    return bit ? "1" : "0";
}

} // namespace

TChannelTable::TChannelTable(TALL& all, EditorHost& host, TChannelTexts texts)
    : all_(all), host_(host), texts_(std::move(texts)), columns_(BuildColumns(texts_.ColumnList)) {
    ResetRows();
}

bool TChannelTable::ValidCell(int channel, int column) const {
    return channel >= 1 && channel <= RowCount() && column >= 1 && column <= Columns;
}

const TGridCell& TChannelTable::Cell(int channel, int column) const {
    static const TGridCell none;
    if (!ValidCell(channel, column)) {
        return none;
    }
    return rows_[static_cast<std::size_t>(channel - 1)][static_cast<std::size_t>(column)];
}

TGridCell& TChannelTable::At(int channel, int column) {
    return rows_[static_cast<std::size_t>(channel - 1)][static_cast<std::size_t>(column)];
}

bool TChannelTable::ChannelExists(int channel) const {
    return !Cell(channel, ColNumber).Value.empty();
}

const std::array<std::string, 2>& TChannelTable::OptionList(int column) const {
    if (column == ColPower) {
        return texts_.Power;
    }
    if (column == ColBandwidth) {
        return texts_.Bandwidth;
    }
    return texts_.YesNo;
}

void TChannelTable::ResetRows() {
    // The image holds sixteen channel records; a larger count would write
    // into the settings behind them.
    const int count = std::clamp(all_.ChannelCount, 0, RadioImage::MaxChannels);
    rows_.assign(static_cast<std::size_t>(count), {});
    for (int channel = 1; channel <= count; ++channel) {
        At(channel, ColNumber).Text = std::to_string(channel);
        At(channel, ColRx).ReadOnly = false;
    }
}

void TChannelTable::LoadAllRows() {
    for (int channel = 1; channel <= RowCount(); ++channel) {
        LoadChannelRow(channel);
    }
}

void TChannelTable::LoadChannelRow(int channel) {
    if (channel < 1 || channel > RowCount()) {
        return;
    }
    const auto record =
        DecodeChannel(RadioImage(all_.Image).Channel(channel).first<RadioImage::ChannelSize>());
    if (!record) {
        At(channel, ColNumber).Value.clear();
        for (int column = ColRx; column <= Columns; ++column) {
            At(channel, column).Text.clear();
            At(channel, column).Value.clear();
        }
        At(channel, ColTx).ReadOnly = true;
        return;
    }
    At(channel, ColNumber).Value = "1";
    At(channel, ColTx).ReadOnly = false;
    At(channel, ColRx).Text = FormatFreq(record->RxFreq);
    At(channel, ColTx).Text = record->TxFreq < 0 ? std::string() : FormatFreq(record->TxFreq);
    At(channel, ColRxTone).Text = record->RxTone.empty() ? texts_.None : record->RxTone;
    At(channel, ColTxTone).Text = record->TxTone.empty() ? texts_.None : record->TxTone;
    for (int column = ColPower; column <= Columns; ++column) {
        const int bit = record->Flags[static_cast<std::size_t>(FlagBit(column))] ? 1 : 0;
        At(channel, column).Text = OptionList(column)[static_cast<std::size_t>(bit)];
        At(channel, column).Value = BitText(bit);
    }
}

void TChannelTable::StoreCell(int channel, int column) {
    if (!ValidCell(channel, column) || column == ColNumber) {
        return;
    }
    const TGridCell& cell = At(channel, column);
    std::string text;
    if (column == ColRx || column == ColTx) {
        text = cell.Text;
    } else if (column == ColRxTone || column == ColTxTone) {
        text = cell.Text == texts_.None ? std::string() : cell.Text;
    } else {
        text = cell.Value;
    }
    // The cell texts come from the entry checks and the lists, so the codec
    // accepts them; should it refuse one, the record keeps its old bytes.
    (void)SetChannelField(all_, channel, FieldKind[static_cast<std::size_t>(column)], text);
    host_.RefreshEditors(2);
}

void TChannelTable::CreateChannel(int channel) {
    At(channel, ColNumber).Value = "1";
    if (At(channel, ColTx).Text.empty()) {
        At(channel, ColTx).Text = At(channel, ColRx).Text;
    }
    At(channel, ColRxTone) = {texts_.None, "0", true};
    At(channel, ColTxTone) = {texts_.None, "0", true};
    // A new channel sends on high power, wide, with every Yes/No option off.
    At(channel, ColPower) = {texts_.Power[1], "1", true};
    At(channel, ColBandwidth) = {texts_.Bandwidth[0], "0", true};
    for (int column = ColBandwidth + 1; column <= ColBusyLock; ++column) {
        At(channel, column) = {texts_.YesNo[1], "1", true};
    }
    At(channel, ColTx).ReadOnly = false;
    for (int column = ColRx; column <= Columns; ++column) {
        StoreCell(channel, column);
    }
}

void TChannelTable::ClearChannel(int channel) {
    At(channel, ColNumber).Value.clear();
    for (int column = ColRx; column <= Columns; ++column) {
        At(channel, column).Text.clear();
        At(channel, column).Value.clear();
    }
    At(channel, ColTx).ReadOnly = true;
    StoreCell(channel, ColRx);
}

FreqMsg TChannelTable::CellTextSet(int channel, int column, std::string_view text) {
    if (!ValidCell(channel, column) || Cell(channel, column).ReadOnly) {
        return FreqMsg::None;
    }
    all_.Modified = true;
    TGridCell& cell = At(channel, column);
    cell.Text = std::string(text);
    if (column != ColRx && column != ColTx) {
        return FreqMsg::None;
    }
    if (TrimText(text).empty()) {
        cell.Text.clear();
        if (column == ColRx) {
            ClearChannel(channel);
        } else {
            StoreCell(channel, ColTx);
            At(channel, ColTxTone).Text = texts_.None;
        }
        return FreqMsg::None;
    }
    const FreqCheck check = CheckFreqEntry(text, all_);
    cell.Text = FormatFreq(check.Freq);
    if (column == ColRx && !ChannelExists(channel)) {
        CreateChannel(channel);
    } else {
        StoreCell(channel, column);
    }
    return check.Msg;
}

void TChannelTable::OptionChosen(int channel, int column, int index) {
    if (EditorFor(channel, column) == CellEditor::None || column < ColPower || index < 0 ||
        index > 1) {
        return;
    }
    TGridCell& cell = At(channel, column);
    cell.Value = std::to_string(index);
    cell.Text = OptionList(column)[static_cast<std::size_t>(index)];
    StoreCell(channel, column);
    all_.Modified = true;
}

void TChannelTable::ToneEntered(int channel, int column, std::string_view text) {
    if (EditorFor(channel, column) != CellEditor::DecodeTone &&
        EditorFor(channel, column) != CellEditor::EncodeTone) {
        return;
    }
    At(channel, column).Text = NormalizeToneBox(text, texts_.None);
    StoreCell(channel, column);
    all_.Modified = true;
}

CellEditor TChannelTable::EditorFor(int channel, int column) const {
    if (!ValidCell(channel, column)) {
        return CellEditor::None;
    }
    const bool exists = !Cell(channel, ColRx).Text.empty();
    switch (column) {
    case ColRx:
        return CellEditor::InPlace;
    case ColTx:
        return exists ? CellEditor::InPlace : CellEditor::None;
    case ColRxTone:
        return exists ? CellEditor::DecodeTone : CellEditor::None;
    case ColTxTone:
        return exists && !Cell(channel, ColTx).Text.empty() ? CellEditor::EncodeTone
                                                            : CellEditor::None;
    case ColPower:
        return exists ? CellEditor::Power : CellEditor::None;
    case ColBandwidth:
        return exists ? CellEditor::Bandwidth : CellEditor::None;
    case ColNumber:
        return CellEditor::None;
    default:
        return exists ? CellEditor::YesNo : CellEditor::None;
    }
}

void TChannelTable::SelectRow(int channel) {
    if (channel < 1 || channel > RowCount() || channel == all_.CurrentChannel) {
        return;
    }
    all_.CurrentChannel = channel;
    host_.SelectChannelNode(true);
}
