#pragma once

#include "link/ProgramSession.h"
#include "radio/DateTimeCodec.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string_view>

class TfMaindb;
class TMacList;
struct TALL;
struct TMacType;

// What the identification reply means for a write.
enum class ModelVerdict { Refuse, Proceed, Ask };

// A radio of the current model proceeds; a code the catalogue lacks, or
// another model with as many channels, asks the user; any other is refused.
ModelVerdict CheckModel(const TMacList& models, const TMacType* current, std::string_view code);

// The 12-byte "W" request for the block at radio address `address` (a multiple
// of 8 below 368): the image bytes behind it, or the scrambled new password in
// place of the radio's password block when that is enabled.
std::array<std::uint8_t, 12> WriteBlockRequest(const TALL& all, int address);

// Writes image 16..383 to the radio: handshake, identification with the model
// check, then 46 blocks "W" hi lo 08 and eight data bytes, each acknowledged,
// then "E". The identity block is stamped at Ok and the write time at the model
// check. A write never changes Modified, and the dialog stays open after it.
class RadioWriter : public ProgramSession {
public:
    // `localNow` gives the current local date and time for the write stamp.
    RadioWriter(TfMaindb& db, SerialLink& link, Scheduler& scheduler, LinkEvents events,
                std::function<DateTimeBytes()> localNow);

    void Open() override;
    void Start() override;

    int BlocksSent() const { return dataIndex_; }

private:
    static constexpr std::uint8_t WriteCommand = 'W';

    void Identify() override;
    void Transfer() override;
    void LineError() override;
    void OnTryTimeout() override { EnableOk(true); }
    void BeginTransfer();
    void SendNextBlock();
    void Complete();

    TfMaindb& db_;
    std::function<DateTimeBytes()> localNow_;
};
