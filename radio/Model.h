#pragma once

#include <QDialog>
#include <optional>
#include <string>

class QComboBox;
class QPushButton;
class TfMaindb;

// The Model Information dialog: offers the catalogue's models and the bands of
// the chosen one. It only picks; the main window applies the choice.
class TfModel : public QDialog {
    Q_OBJECT
public:
    TfModel(TfMaindb& db, QWidget* parent);

    std::string ModelText() const;
    std::string BandText() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void cbCopmutChange();

    TfMaindb& db_;
    QComboBox* cbCopmut;
    QComboBox* cbPd;
    QPushButton* btnOk;
    QPushButton* btnCancel;
};

// Runs the dialog; the band text chosen when it was accepted.
std::optional<std::string> ChooseModel(TfMaindb& db, QWidget* parent);
