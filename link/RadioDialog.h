#pragma once

#include "link/ProgramSession.h"

#include <QDialog>

#include <memory>

class QProgressBar;
class QPushButton;
class TfMaindb;

// What the read and the write dialog share: a progress bar, Ok and Cancel,
// the port opened when the dialog shows and closed when it closes, and the
// engine's reports turned into message boxes. Cancel closes at once; nothing
// more is sent.
class TfRadioDialog : public QDialog {
    Q_OBJECT
public:
    ~TfRadioDialog() override;

    QProgressBar* pBar;
    QPushButton* btnOk;
    QPushButton* btnCancel;

    void done(int result) override;

protected:
    TfRadioDialog(TfMaindb& db, SerialLink& link, Scheduler& scheduler, const QString& name,
                  const QString& caption, QWidget* parent);

    // The reports of an engine, wired to this dialog.
    LinkEvents Events();
    void showEvent(QShowEvent* event) override;

    TfMaindb& db_;
    SerialLink& link_;
    Scheduler& scheduler_;
    // Set by the dialog that derives.
    std::unique_ptr<ProgramSession> session_;

private:
    void btnOkClick();
    void FormShow();
};
