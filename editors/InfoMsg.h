#pragma once

#include "editors/EditorForm.h"

class QLineEdit;
class TfMaindb;

// The radio information window: model, band, serial number and the time of
// the last write. Only the serial number can be edited, and only for a model
// that allows it.
class TfInfoMsg : public TEditorForm {
    Q_OBJECT
public:
    explicit TfInfoMsg(TfMaindb& db, QWidget* parent = nullptr);

    void LoadFields();

protected:
    void FormShow() override;
    void btnOkClick() override;

private:
    void cxSerialChange();

    TfMaindb& db_;
    // 1 while the fields are being loaded, 2 once they show the image.
    int state_ = 1;
    QLineEdit* cxModel_ = nullptr;
    QLineEdit* cxFreq_ = nullptr;
    QLineEdit* cxSerial_ = nullptr;
    QLineEdit* cxRadioTime_ = nullptr;
};
