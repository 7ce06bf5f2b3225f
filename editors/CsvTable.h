#pragma once

#include "radio/Result.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A table read from comma- or semicolon-separated text, with its header.
struct CsvTable {
    struct Row {
        int Line = 0; // line in the text where the row starts, from 1
        std::vector<std::string> Fields;
    };

    char Separator = ',';
    std::vector<std::string> Header;
    std::vector<Row> Rows;

    // Position of a header name, compared without regard to case.
    std::optional<std::size_t> Column(std::string_view name) const;
};

// Splits `text` into rows. The first non-blank line is the header; its
// separator is ';' when it holds more semicolons than commas. Fields may be
// quoted ("a ""b"", c"), a quoted field may span lines, CR LF and a leading
// byte-order mark are accepted, blank lines are skipped. An unclosed quote is
// an error naming the line it started on.
Result<CsvTable> ReadCsvTable(std::string_view text);
