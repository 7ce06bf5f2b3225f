#include "link/RadioWriter.h"

#include "app/Maindb.h"
#include "radio/RadioImage.h"

#include <algorithm>
#include <utility>

ModelVerdict CheckModel(const TMacList& models, const TMacType* current, std::string_view code) {
    const TMacType* found = models.FindByCode(code);
    if (found == nullptr || current == nullptr)
        return ModelVerdict::Ask;
    if (found->Code == current->Code)
        return ModelVerdict::Proceed;
    return found->ChannelCount == current->ChannelCount ? ModelVerdict::Ask : ModelVerdict::Refuse;
}

std::array<std::uint8_t, 12> WriteBlockRequest(const TALL& all, int address) {
    const auto at = static_cast<std::size_t>(address);
    std::array<std::uint8_t, 12> request{'W', static_cast<std::uint8_t>(at >> 8),
                                         static_cast<std::uint8_t>(at & 0xFF),
                                         RadioImageView::BlockSize};
    // Callers only ask for the blocks of the radio window.
    const RadioBlock block = BlockToWrite(all, at).value();
    std::copy(block.begin(), block.end(), request.begin() + 4);
    return request;
}

RadioWriter::RadioWriter(TfMaindb& db, SerialLink& link, Scheduler& scheduler, LinkEvents events,
                         std::function<DateTimeBytes()> localNow)
    : ProgramSession(link, scheduler, std::move(events), {50, 5000}), db_(db),
      localNow_(std::move(localNow)) {}

void RadioWriter::Open() {
    SetProgress(0);
    OpenPort(db_.All.ComPort, false);
}

void RadioWriter::Start() {
    StampIdent(db_.All, db_.Bands);
    BeginAttempt();
}

void RadioWriter::Transfer() {
    if (rxBuffer_[0] == Ack)
        SendNextBlock();
}

void RadioWriter::Identify() {
    headTime_.Disarm();
    // Until the user has answered, and after a refusal, the attempt rests
    // here; more bytes from the radio must not repeat the check.
    halted_ = true;
    switch (CheckModel(db_.Models, db_.All.CurrentModel, ReplyModelCode())) {
    case ModelVerdict::Refuse:
        ShowError(LinkMessage::ModError);
        return;
    case ModelVerdict::Ask:
        // Port events go on while the question is up; a line error then
        // has already ended the attempt.
        if (!events_.AskForce || !events_.AskForce() || state_ != LinkState::Identify)
            return;
        break;
    case ModelVerdict::Proceed:
        break;
    }
    halted_ = false;
    BeginTransfer();
}

void RadioWriter::BeginTransfer() {
    if (localNow_) {
        const DateTimeBytes now = localNow_();
        RadioImage image(db_.All.Image);
        std::copy(now.begin(), now.end(), image.Field<RadioImageView::WriteTime>().begin());
    }
    blockAddress_ = -BlockLength;
    dataIndex_ = 0;
    state_ = LinkState::Transfer;
    SendAck();
}

void RadioWriter::SendNextBlock() {
    tryTime_.Disarm();
    if (blockAddress_ + BlockLength < MemoryEnd) {
        blockAddress_ += BlockLength;
        const auto request = WriteBlockRequest(db_.All, blockAddress_);
        ++dataIndex_;
        Expect(1);
        if (!Send(request))
            return;
        DrainOutput([this] {
            tryTime_.Arm(TryTimeMs);
            SetProgress(progress_ + 1);
        });
        return;
    }
    SendLeave([this] { Complete(); });
}

void RadioWriter::Complete() {
    state_ = LinkState::Idle;
    SetProgress(ProgressMax);
    Report(LinkMessage::WriteOk);
    SetProgress(0);
    EnableOk(true);
}

void RadioWriter::LineError() {
    // No restart and no close: the user sees why and closes the dialog.
    state_ = LinkState::Idle;
    ShowError(LinkMessage::ComError);
}
