#pragma once

#include "app/TALL.h"
#include "lang/Language.h"
#include "lang/MessageBox.h"
#include "radio/FrqList.h"
#include "radio/MacList.h"
#include "radio/RadioImage.h"
#include "radio/Result.h"
#include "report/ReportTables.h"

#include <string>
#include <vector>

// The data module: owns the objects that live for the whole run, created in
// member order: the model catalogue, the application state, the band table and
// the message texts. Tests build their own with a temporary AppDir; there are
// no globals.
class TfMaindb {
public:
    explicit TfMaindb(std::string appDir);

    TfMaindb(const TfMaindb&) = delete;
    TfMaindb& operator=(const TfMaindb&) = delete;

    // The part of the main window's first show that needs no window: the first
    // model with its default band, a fresh image written at `now`, the band
    // edges, and no unsaved changes.
    Result<void> CompleteStartup(const DateTimeBytes& now);

    TMacList Models;
    TALL All;
    TFrqList Bands;
    TLanguage Language;
    // How messages are shown; empty means the real message box of the window
    // layer. Tests put a scripted one here.
    MessageHandler MessageBox;

    // The report's tables, emptied and refilled by every print, preview or
    // export: the page header and the printed lines, in print order.
    std::vector<TReportMain> myMain;
    std::vector<TReportRow> myAdo;
};
