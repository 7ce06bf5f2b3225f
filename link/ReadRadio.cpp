#include "link/ReadRadio.h"

#include "app/Maindb.h"
#include "link/QtScheduler.h"
#include "link/QtSerialLink.h"
#include "link/RadioReader.h"
#include "link/SystemPorts.h"

TfReadRadio::TfReadRadio(TfMaindb& db, SerialLink& link, Scheduler& scheduler, QWidget* parent)
    : TfRadioDialog(db, link, scheduler, QStringLiteral("fReadRadio"),
                    QStringLiteral("Read data From radio"), parent) {
    auto reader = std::make_unique<RadioReader>(db_, link_, scheduler_, Events());
    reader_ = reader.get();
    session_ = std::move(reader);
}

bool TfReadRadio::ReadDone() const {
    return reader_->ReadDone();
}

bool RunReadRadio(TfMaindb& db, QWidget* parent) {
    QtSerialLink link(CurrentPortDirectory(db.All));
    QtScheduler scheduler;
    TfReadRadio dialog(db, link, scheduler, parent);
    dialog.exec();
    return dialog.ReadDone();
}
