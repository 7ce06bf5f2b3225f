#pragma once

#include "link/ProgramSession.h"

#include <array>
#include <cstdint>
#include <span>

class TfMaindb;

// Reads the radio's memory into the image: handshake, identification (the
// model must be in the catalogue), 46 blocks "R" hi lo 08 each acknowledged,
// then "E". Only a complete read touches the image, the model and Modified.
// The first line error of a session restarts the attempt silently.
class RadioReader : public ProgramSession {
public:
    RadioReader(TfMaindb& db, SerialLink& link, Scheduler& scheduler, LinkEvents events);

    void Open() override;
    void Start() override;

    bool ReadDone() const { return readDone_; }
    bool RetryAllowed() const { return retryAllowed_; }
    std::span<const std::uint8_t> RxData() const { return rxData_; }

private:
    static constexpr std::uint8_t ReadCommand = 'R';
    static constexpr int RetryMs = 500;

    void Identify() override;
    void Transfer() override;
    void LineError() override;
    void AwaitAck();
    void RequestNextBlock();
    void StoreBlock();
    void Complete();

    TfMaindb& db_;
    // Block data as it comes; the image takes it only when all of it is there.
    std::array<std::uint8_t, MemoryEnd> rxData_{};
    bool awaitingAck_ = false;
    bool retryAllowed_ = true;
    bool readDone_ = false;
    OneShotTimer reTime_;
};
