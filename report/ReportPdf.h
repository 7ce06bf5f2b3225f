#pragma once

#include "radio/Result.h"

#include <string>

class TfMaindb;

// Builds the report from the image as the closed windows would show it and
// writes all its pages as a PDF file. The file appears whole or not at all.
// Needs a GUI application object, not a window: the command-line program can
// run it on the offscreen platform.
Result<void> WriteReportPdf(TfMaindb& db, const std::string& path);

// Writes the report as the data module's tables hold it now.
Result<void> WriteReportTablesPdf(const TfMaindb& db, const std::string& path);
