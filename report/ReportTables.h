#pragma once

#include <cstdint>
#include <string>

// The report's page header: one row per report.
struct TReportMain {
    std::string Title;
    std::string AField;
    std::string AValue;
    std::string BField;
    std::string BValue;
    std::string CField;
    std::string CValue;
    std::string DFiled;
    std::string DValue;
};

// The sections of the report, by the value of TypeID. Groups print in row
// order, each from a new page.
inline constexpr std::int32_t FunctionSection = 9;
inline constexpr std::int32_t ChannelSection = 8;

// One printed line: a left and a right caption with their values.
struct TReportRow {
    std::int32_t TypeID = 0;
    std::string TypeName;
    std::string AField;
    std::string AValue;
    std::string BField;
    std::string BValue;

    bool operator==(const TReportRow&) const = default;
};
