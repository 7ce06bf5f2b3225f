#pragma once

#include <QWidget>

class QLayout;
struct TALL;

// What the editor windows of the work area share: a name the language files
// address, a caption, the "&Close" button (and the hidden "&Ok"), the place in
// the work area and the load when first shown. Closing destroys the window.
class TEditorForm : public QWidget {
    Q_OBJECT
public:
    TEditorForm(const QString& name, const QString& caption, const TALL& all, QWidget* parent);

    // Closes the window together with its frame in the work area.
    void CloseForm();

protected:
    // Lays the window out: the body above the button row.
    void SetBody(QLayout* body);
    // Runs once, when the window is first shown, before it takes its place.
    virtual void FormShow() = 0;
    // Takes the texts of the chosen language, lists included, unless the
    // built-in texts are the chosen ones.
    void Translate();
    // The hidden "&Ok": closes; a window with fields to store does that first.
    virtual void btnOkClick();

    void showEvent(QShowEvent* event) override;

private:
    const TALL& all_;
    bool shown_ = false;
};
