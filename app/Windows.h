#pragma once

#include <functional>
#include <memory>

class EditorHost;
class QWidget;
class TfMaindb;

// The editor windows of the work area; at most one of each is open.
enum class EditorKind { ChannelGrid, ChannelEdit, RadioInformation, Password, FunctionSetting };
inline constexpr int EditorKindCount = 5;

// Builds an editor window for the work area. The window should implement
// EditorWindow when the main window has to keep it in step.
using EditorFactory = std::function<std::unique_ptr<QWidget>(TfMaindb&, EditorHost&)>;

// Runs a modal dialog to its end. Returns true when the dialog reports that it
// completed its job (a read that finished, a language that was applied); the
// main window's follow-up depends on it.
using DialogRunner = std::function<bool(TfMaindb&, QWidget* parent)>;

// The windows behind the commands of the main window. An empty entry means the
// command has no window yet and does nothing. Each window's developer fills
// its entry in DefaultWindows() (app/Windows.cpp); tests pass their own table.
struct TfWindows {
    EditorFactory ChannelGrid;      // command 5, opened at first show
    EditorFactory ChannelEdit;      // command 10 and the channel nodes of the tree
    EditorFactory RadioInformation; // command 11
    EditorFactory Password;         // command 12
    EditorFactory FunctionSetting;  // command 37

    DialogRunner Print;           // command 7
    DialogRunner PrintPreview;    // command 8
    DialogRunner ExportPdf;       // command 38
    DialogRunner TestFrequency;   // command 18
    DialogRunner EmbeddedMessage; // command 19
    DialogRunner ReadRadio;       // command 20: true when a read completed
    DialogRunner WriteRadio;      // command 21
    DialogRunner TestOnline;      // command 22
    DialogRunner SetPort;         // command 24
    DialogRunner SetLanguage;     // command 25: true when a new language was chosen
};

TfWindows DefaultWindows();
