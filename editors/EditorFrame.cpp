#include "editors/EditorFrame.h"

#include <QMdiSubWindow>

QWidget* EditorFrame(QWidget* editor) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(editor->parentWidget()))
        return sub;
    return editor;
}

void PlaceEditor(QWidget* editor) {
    constexpr int Margin = 20;
    EditorFrame(editor)->move(Margin, Margin);
}

void CloseEditor(QWidget* editor) {
    EditorFrame(editor)->close();
}
