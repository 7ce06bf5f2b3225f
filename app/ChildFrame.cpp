#include "app/ChildFrame.h"

#include <QCloseEvent>

void ChildFrame::closeEvent(QCloseEvent* event) {
    QMdiSubWindow::closeEvent(event);
    if (event->isAccepted()) {
        emit closed();
    }
}
