#include "editors/ChannelEditor.h"

#include "app/EditorHost.h"
#include "app/TALL.h"
#include "editors/ToneLists.h"
#include "radio/ChannelCodec.h"
#include "radio/RadioImage.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace {

std::string OffText(bool ticked) {
    return ticked ? "0" : "1";
}

} // namespace

TChannelEditor::TChannelEditor(TALL& all, EditorHost& host, std::string noneText)
    : all_(all), host_(host), none_(std::move(noneText)) {
    Form.RxTone = none_;
    Form.TxTone = none_;
}

void TChannelEditor::SetNoneText(std::string noneText) {
    if (Form.RxTone == none_) {
        Form.RxTone = noneText;
    }
    if (Form.TxTone == none_) {
        Form.TxTone = noneText;
    }
    none_ = std::move(noneText);
}

void TChannelEditor::EnableFields(bool on) {
    Form.FieldsEnabled = on;
    Form.TxToneEnabled = on;
}

void TChannelEditor::ClearFields() {
    Form.Rx.clear();
    Form.Tx.clear();
    Form.RxTone = none_;
    Form.TxTone = none_;
    Form.Narrow = 0;
    Form.ScanAdd = false;
    Form.BusyLock = false;
    Form.Compander = false;
    Form.Scrambler = false;
    Form.BeatShift = false;
}

void TChannelEditor::LoadChannel() {
    const int n = all_.CurrentChannel;
    std::optional<TChannelData> record;
    if (n >= 1 && n <= RadioImage::MaxChannels) {
        record = DecodeChannel(RadioImage(all_.Image).Channel(n).first<RadioImage::ChannelSize>());
    }
    if (!record) {
        Form.Rx.clear();
        EnableFields(false);
        ClearFields();
        return;
    }
    EnableFields(true);
    Form.Rx = FormatFreq(record->RxFreq);
    Form.RxTone = record->RxTone.empty() ? none_ : record->RxTone;
    Form.TxTone = record->TxTone.empty() ? none_ : record->TxTone;
    if (record->TxFreq >= 0) {
        Form.Tx = FormatFreq(record->TxFreq);
    } else {
        Form.Tx.clear();
        Form.TxTone = none_;
        Form.TxToneEnabled = false;
    }
    const auto& bits = record->Flags;
    Form.Narrow = bits[2] ? 1 : 0;
    Form.HighPower = bits[3] ? 1 : 0;
    Form.ScanAdd = bits[4] == 0;
    Form.Compander = bits[5] == 0;
    Form.BusyLock = bits[0] == 0;
    Form.Scrambler = bits[6] == 0;
}

void TChannelEditor::StoreChannel() {
    const int n = all_.CurrentChannel;
    if (n < 1 || n > RadioImage::MaxChannels) {
        return;
    }
    const auto tone = [&](const std::string& text) { return text == none_ ? std::string() : text; };
    const std::pair<int, std::string> fields[] = {
        {0, Form.Rx},
        {1, Form.Tx},
        {2, tone(Form.RxTone)},
        {3, tone(Form.TxTone)},
        {4, OffText(Form.BusyLock)},
        {6, std::to_string(Form.Narrow)},
        {7, std::to_string(Form.HighPower)},
        {8, OffText(Form.ScanAdd)},
        {9, OffText(Form.Compander)},
        {10, OffText(Form.Scrambler)},
        {11, OffText(Form.Whisper)},
    };
    for (const auto& [kind, text] : fields) {
        // A text the codec refuses (a transmit box that holds no number)
        // leaves that field's bytes as they were; the others are stored.
        (void)SetChannelField(all_, n, kind, text);
    }
    all_.Modified = true;
    host_.RefreshEditors(0);
}

std::vector<FreqMsg> TChannelEditor::RxChanged() {
    if (TrimText(Form.Rx).empty()) {
        Form.Rx.clear();
        StoreChannel();
        ClearFields();
        EnableFields(false);
        return {};
    }
    const auto value = ParseFreqText(Form.Rx);
    if (!value) {
        return {FreqMsg::ErrRange};
    }
    const FreqCheck check = CheckFreqValue(*value, all_);
    Form.Rx = FormatFreq(check.Freq);
    EnableFields(true);
    if (TrimText(Form.Tx).empty()) {
        Form.Tx = Form.Rx;
    }
    StoreChannel();
    return check.Msg == FreqMsg::None ? std::vector<FreqMsg>{} : std::vector<FreqMsg>{check.Msg};
}

std::vector<FreqMsg> TChannelEditor::TxChanged() {
    std::vector<FreqMsg> messages;
    if (TrimText(Form.Tx).empty()) {
        Form.Tx.clear();
        Form.TxTone = none_;
        Form.TxToneEnabled = false;
    } else if (const auto value = ParseFreqText(Form.Tx)) {
        const FreqCheck check = CheckFreqValue(*value, all_);
        if (check.Msg != FreqMsg::None) {
            messages.push_back(check.Msg);
        }
        Form.Tx = FormatFreq(check.Freq);
        Form.TxToneEnabled = true;
    } else {
        messages.push_back(FreqMsg::ErrRange);
    }
    StoreChannel();
    return messages;
}

void TChannelEditor::ToneChanged(bool encode) {
    std::string& text = encode ? Form.TxTone : Form.RxTone;
    text = NormalizeToneBox(text, none_);
    StoreChannel();
}

void TChannelEditor::ChannelChosen(int channel) {
    all_.CurrentChannel = std::clamp(channel, 1, RadioImage::MaxChannels);
    host_.SelectChannelNode(false);
    LoadChannel();
}

int ChannelBoxValue(std::string_view text, int current) {
    const auto value = ParseFreqText(text);
    if (!value) {
        return current;
    }
    return static_cast<int>(std::clamp(std::floor(*value), 1.0, double(RadioImage::MaxChannels)));
}
