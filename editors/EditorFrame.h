#pragma once

class QWidget;

// The frame that stands for an editor window on screen: its sub-window in the
// main window's work area, or the window itself when it is shown alone.
QWidget* EditorFrame(QWidget* editor);

// Puts an editor window at its place in the work area.
void PlaceEditor(QWidget* editor);

// Closes an editor window together with its frame.
void CloseEditor(QWidget* editor);
