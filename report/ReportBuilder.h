#pragma once

class FunSetShown;
class TChannelTable;
class TfMaindb;
struct TInfoShown;

// The windows open while the report is built. A part whose window is closed
// is read from the image as that window shows it when opened, in the current
// language.
struct TReportSources {
    const TInfoShown* Info = nullptr;
    const FunSetShown* Functions = nullptr;
    const TChannelTable* Channels = nullptr;
};

// Empties the report tables of the data module and fills them anew: the
// page header from the radio information, then the function settings and the
// channels.
void BuildReport(TfMaindb& db, const TReportSources& open = {});
