#pragma once

class QComboBox;
class QObject;
class QWidget;

// A tone box of the grid or the edit window: free text over the 205-entry
// tone list, of which a language file translates only "None"; only the keys
// of a tone reach it. `watcher` gets the events of its text field (for the
// double-click that opens the tone picker).
QComboBox* MakeToneBox(const char* name, QObject* watcher, QWidget* parent);
