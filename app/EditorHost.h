#pragma once

// What the editor windows ask of the main window to keep each other in step.
// The main window implements it; window tests can pass a recording fake.
class EditorHost {
public:
    virtual ~EditorHost() = default;

    // 0: an open channel grid redraws the row of CurrentChannel;
    // 1: every editor window closes and a fresh channel grid opens;
    // 2: an open channel edit window reloads its fields.
    virtual void RefreshEditors(int kind) = 0;

    // Selects the tree node of CurrentChannel; with reload an open channel
    // edit window also reloads its fields.
    virtual void SelectChannelNode(bool reload) = 0;
};
