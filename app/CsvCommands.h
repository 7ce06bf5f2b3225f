#pragma once

class Desktop;
class QWidget;
class TfMaindb;

// File > Import CSV... and Export CSV...: the channel plan from and to a CSV
// file. Failures and import warnings are shown as message boxes.

// Replaces the channel plan with the chosen file's; true when it did, so the
// caller refreshes the editors.
bool ImportCsvCommand(TfMaindb& db, Desktop& desktop, QWidget* parent);

void ExportCsvCommand(TfMaindb& db, Desktop& desktop, QWidget* parent);
