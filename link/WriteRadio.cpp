#include "link/WriteRadio.h"

#include "app/LocalNow.h"
#include "app/Maindb.h"
#include "link/QtScheduler.h"
#include "link/QtSerialLink.h"
#include "link/RadioWriter.h"
#include "link/SystemPorts.h"

TfWriteRadio::TfWriteRadio(TfMaindb& db, SerialLink& link, Scheduler& scheduler,
                           std::function<DateTimeBytes()> localNow, QWidget* parent)
    : TfRadioDialog(db, link, scheduler, QStringLiteral("fWriteRadio"),
                    QStringLiteral("Write data to radio"), parent) {
    session_ = std::make_unique<RadioWriter>(db_, link_, scheduler_, Events(), std::move(localNow));
}

bool RunWriteRadio(TfMaindb& db, QWidget* parent) {
    QtSerialLink link(CurrentPortDirectory(db.All));
    QtScheduler scheduler;
    TfWriteRadio dialog(db, link, scheduler, LocalNow, parent);
    dialog.exec();
    return false;
}
