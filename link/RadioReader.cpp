#include "link/RadioReader.h"

#include "app/Maindb.h"
#include "radio/Catalogue.h"

#include <algorithm>

RadioReader::RadioReader(TfMaindb& db, SerialLink& link, Scheduler& scheduler, LinkEvents events)
    : ProgramSession(link, scheduler, std::move(events), {20, 1000}), db_(db),
      reTime_(scheduler, Guarded([this] {
                  EnableOk(true);
                  Start();
              })) {}

void RadioReader::Open() {
    readDone_ = false;
    retryAllowed_ = true;
    SetProgress(0);
    OpenPort(db_.All.ComPort, true);
}

void RadioReader::Start() {
    readDone_ = false;
    BeginAttempt();
}

void RadioReader::Transfer() {
    if (!awaitingAck_)
        StoreBlock();
    else if (rxBuffer_[0] == Ack)
        RequestNextBlock();
}

void RadioReader::Identify() {
    headTime_.Disarm();
    if (db_.Models.FindByCode(ReplyModelCode()) == nullptr) {
        // The radio is told to leave programming mode; the attempt rests here
        // until the user closes the dialog.
        Expect(0);
        halted_ = true;
        (void)Send({Leave});
        ShowError(LinkMessage::ModError);
        return;
    }
    blockAddress_ = -BlockLength;
    dataIndex_ = 0;
    state_ = LinkState::Transfer;
    AwaitAck();
}

void RadioReader::AwaitAck() {
    awaitingAck_ = true;
    SendAck();
}

void RadioReader::RequestNextBlock() {
    tryTime_.Disarm();
    awaitingAck_ = false;
    if (blockAddress_ + BlockLength < MemoryEnd) {
        blockAddress_ += BlockLength;
        Expect(12);
        const auto address = static_cast<unsigned>(blockAddress_);
        if (!Send({ReadCommand, static_cast<std::uint8_t>(address >> 8),
                   static_cast<std::uint8_t>(address & 0xFF), BlockLength}))
            return;
        DrainOutput([this] { tryTime_.Arm(TryTimeMs); });
        return;
    }
    blockAddress_ = MemoryEnd;
    SendLeave([this] { Complete(); });
}

void RadioReader::StoreBlock() {
    tryTime_.Disarm();
    std::copy_n(rxBuffer_.begin() + 4, BlockLength,
                rxData_.begin() + static_cast<std::ptrdiff_t>(dataIndex_));
    dataIndex_ += BlockLength;
    SetProgress(progress_ + 1);
    AwaitAck();
}

void RadioReader::Complete() {
    state_ = LinkState::Idle;
    SetProgress(ProgressMax);
    // The band the radio names must belong to a model, or the image would
    // hold data the program cannot edit: refuse it whole.
    const std::size_t bandIndex = RadioImageView::IdentBandCode - RadioImageView::RadioBase;
    const std::uint8_t bandCode = rxData_[bandIndex];
    TALL probe = db_.All;
    if (auto applied = ApplyModel(probe, db_.Models, db_.Bands, bandCode, true); !applied) {
        ShowError(LinkMessage::ModError, applied.error().Reason);
        return;
    }
    Report(LinkMessage::ReadOk);
    StoreRadioMemory(db_.All, rxData_);
    (void)ApplyModel(db_.All, db_.Models, db_.Bands, bandCode, true);
    SanitizeImage(db_.All, db_.Bands);
    db_.All.Modified = true;
    readDone_ = true;
    closeTime_.Arm(CloseTimeMs);
}

void RadioReader::LineError() {
    link_.FlushInput();
    link_.FlushOutput();
    state_ = LinkState::Idle;
    if (retryAllowed_) {
        // The first line error of the dialog is taken for noise: a fresh
        // attempt follows without a message.
        errorShown_ = true;
        retryAllowed_ = false;
        reTime_.Arm(RetryMs);
        return;
    }
    tryTime_.Arm(TryTimeMs);
}
