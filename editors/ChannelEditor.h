#pragma once

#include "editors/FreqEntry.h"

#include <string>
#include <string_view>
#include <vector>

struct TALL;
class EditorHost;

// What the controls of the channel edit window show. A tone box holds its
// text; the "None" text stands for no tone.
struct TChannelForm {
    std::string Rx;
    std::string Tx;
    std::string RxTone;
    std::string TxTone;
    int Narrow = 0;    // bandwidth list index
    int HighPower = 1; // power list index; the list starts at "High"
    bool ScanAdd = false;
    bool BusyLock = false;
    bool Compander = false;
    bool Scrambler = false;
    bool BeatShift = false; // has no field in the image
    bool Whisper = false;   // hidden, never ticked
    bool FieldsEnabled = false;
    bool TxToneEnabled = false;
};

// The channel edit window's rules without its widgets: the form mirrors the
// record of CurrentChannel and every change writes the whole record at once.
class TChannelEditor {
public:
    TChannelEditor(TALL& all, EditorHost& host, std::string noneText = "None");

    TChannelForm Form;

    const std::string& NoneText() const { return none_; }
    void SetNoneText(std::string noneText);

    // Fills the form from the record of CurrentChannel.
    void LoadChannel();
    // Writes every field of the record of CurrentChannel from the form.
    void StoreChannel();
    void EnableFields(bool on);
    void ClearFields();

    // The receive or transmit box got a new text (already in the form).
    // Returns the warnings to show, in order.
    std::vector<FreqMsg> RxChanged();
    std::vector<FreqMsg> TxChanged();
    // A tone box was confirmed: its text is normalised and the record stored.
    void ToneChanged(bool encode);
    // The channel box settled on a channel: it becomes the current one.
    void ChannelChosen(int channel);

private:
    TALL& all_;
    EditorHost& host_;
    std::string none_;
};

// The channel box's validation: a typed value is taken down to a whole number
// and held to 1..16; a text that is no number keeps the current value.
int ChannelBoxValue(std::string_view text, int current);
