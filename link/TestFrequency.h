#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;
class TfMaindb;

// The Test Frequency dialog: a receive and a transmit test frequency per
// channel number, each checked against the model's limits and the band. The
// table lives only while the dialog is open; closing after an entry warns
// that the radio's test frequencies now differ from the table.
class TfTestFrequency : public QDialog {
    Q_OBJECT
public:
    explicit TfTestFrequency(TfMaindb& db, QWidget* parent = nullptr);

    bool Changed() const { return changed_; }

    QTableWidget* gvData;
    QPushButton* btnOk;
    QPushButton* btnCancel;
    QLabel* Label1;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void gvDataSetForeText(QTableWidgetItem* item);

    TfMaindb& db_;
    bool changed_ = false;
    bool loading_ = false;
};

// The test frequency command of the main window.
bool RunTestFrequency(TfMaindb& db, QWidget* parent);
