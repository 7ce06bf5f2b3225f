#pragma once

// Implemented by the editor windows of the work area so the main window can
// keep them in step with the image. Both calls do nothing by default.
class EditorWindow {
public:
    virtual ~EditorWindow() = default;

    // Ends a cell edit in progress and hides drop-down editors; the main
    // window calls it before it carries out any command.
    virtual void FinishEditing() {}

    // Shows the record of CurrentChannel again: the channel grid redraws its
    // row, the channel edit window reloads its fields.
    virtual void ShowCurrentChannel() {}
};
