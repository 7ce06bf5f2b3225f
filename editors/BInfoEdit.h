#pragma once

#include "app/EditorWindow.h"
#include "editors/ChannelEditor.h"
#include "editors/EditorForm.h"

#include <QString>

#include <functional>

class EditorHost;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;
class TfMaindb;

// The channel edit window: the record of CurrentChannel as a form. The rules
// live in TChannelEditor; this window mirrors its form in the controls and
// hands every user change to it.
class TfBInfoEdit : public TEditorForm, public EditorWindow {
    Q_OBJECT
public:
    TfBInfoEdit(TfMaindb& db, EditorHost& host, QWidget* parent = nullptr);
    ~TfBInfoEdit() override;

    void ShowCurrentChannel() override { LoadChannel(); }
    void LoadChannel();

    const TChannelEditor& Editor() const { return editor_; }

    // Runs the tone picker; tests replace it.
    std::function<QString(QWidget* parent)> PickTone;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow() override;
    void ReadControls();
    void ShowForm();
    void StoreChannel();
    void eRxChange();
    void eTXChange();
    void ToneChange(QComboBox* box);
    void sexdChange(int value);

    TfMaindb& db_;
    TChannelEditor editor_;
    QSpinBox* sexd_;
    QLineEdit* eRx_;
    QLineEdit* eTX_;
    QComboBox* cbQT_;
    QComboBox* cbDQT_;
    QComboBox* cbkz_;
    QComboBox* cbfsgl_;
    QCheckBox* chsmtj_;
    QCheckBox* chfm_;
    QCheckBox* chCp_;
    QCheckBox* chSr_;
    QCheckBox* chWp_;
    QCheckBox* chpppy_;
    bool loading_ = false;
    bool rxEdited_ = false;
    bool txEdited_ = false;
};
