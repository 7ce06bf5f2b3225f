#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class TfMaindb;

// The About box: its lines come from the language file; a click anywhere on
// it closes it.
class TfFrmAbout : public QDialog {
    Q_OBJECT
public:
    TfFrmAbout(TfMaindb& db, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void FormShow();

    TfMaindb& db_;
    QLabel* label5_ = nullptr;
    QLabel* label6_ = nullptr;
    QLabel* label7_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
};
