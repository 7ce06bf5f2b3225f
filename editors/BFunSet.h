#pragma once

#include "editors/EditorForm.h"
#include "editors/FunctionSettings.h"

#include <array>

class QLabel;
class TfMaindb;

// The function setting window: the radio-wide settings block. Every change of
// a control rewrites the whole block at once; there is nothing to apply.
class TfBFunSet : public TEditorForm {
    Q_OBJECT
public:
    explicit TfBFunSet(TfMaindb& db, QWidget* parent = nullptr);

    void LoadSettings();
    void StoreSettings();

    // What the controls hold right now, as the report and the tests read it.
    TFunctionSettings Settings() const;
    QWidget* Control(FunSetId id) const { return controls_[static_cast<std::size_t>(id)]; }
    // The text the control shows: its list entry or the gain level.
    QString ControlText(FunSetId id) const;

protected:
    void FormShow() override;

private:
    void ControlChanged();
    void chVoxFunClick();
    QLabel* AddLabel(const TFunSetControl& c);
    QWidget* AddControl(const TFunSetControl& c);

    TfMaindb& db_;
    bool loading_ = false;
    std::array<QWidget*, FunSetCount> controls_{};
    QWidget* pVox_ = nullptr;
};
