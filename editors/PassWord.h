#pragma once

#include "editors/EditorForm.h"

class QCheckBox;
class QLineEdit;
class TfMaindb;

// The password window: the password kept with the image and the new password
// that a write sends to the radio while its box is ticked.
class TfPassWord : public TEditorForm {
    Q_OBJECT
public:
    explicit TfPassWord(TfMaindb& db, QWidget* parent = nullptr);

    void LoadFields();

protected:
    void FormShow() override;
    void btnOkClick() override;

private:
    void StorePasswords();
    void cbNpsClick();

    TfMaindb& db_;
    // 1 while the fields are being loaded, 2 once they show the image.
    int state_ = 1;
    QLineEdit* cxoPasd_ = nullptr;
    QLineEdit* cxnPasd_ = nullptr;
    QCheckBox* cbNps_ = nullptr;
};
