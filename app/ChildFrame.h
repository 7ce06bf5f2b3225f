#pragma once

#include <QMdiSubWindow>

// A child window of the work area that tells when it has really closed (an
// editor may refuse), so the main window forgets it at once even though Qt
// deletes it only later.
class ChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    using QMdiSubWindow::QMdiSubWindow;

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
};
