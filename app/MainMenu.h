#pragma once

class QMenuBar;
class QToolBar;

// The command table of the main window. Every action that carries a command
// number holds it in the dynamic property "tag"; hidden items exist but are
// never shown, so their shortcuts do not fire either.
void BuildMainMenu(QMenuBar& bar);
void BuildToolBar(QToolBar& bar);

// Commands handled by their own menu handlers, never by the dispatcher.
inline constexpr int CmdTreeView = 26;
inline constexpr int CmdToolbar = 27;
inline constexpr int CmdStatusBar = 28;

// Commands this program adds to the original table.
inline constexpr int CmdExportPdf = 38;
inline constexpr int CmdImportCsv = 39;
inline constexpr int CmdExportCsv = 40;
