#include "editors/CsvTable.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

bool SameWord(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

char SeparatorOf(std::string_view text) {
    const std::string_view line = text.substr(0, text.find('\n'));
    return std::ranges::count(line, ';') > std::ranges::count(line, ',') ? ';' : ',';
}

// Reads rows one by one, counting lines as it goes.
class RowReader {
public:
    RowReader(std::string_view text, char separator) : text_(text), separator_(separator) {}

    bool AtEnd() const { return pos_ >= text_.size(); }

    Result<CsvTable::Row> Next() {
        CsvTable::Row row{line_, {}};
        std::string field;
        bool quoted = false;
        while (pos_ < text_.size()) {
            const char c = text_[pos_++];
            if (quoted) {
                if (c == '"' && pos_ < text_.size() && text_[pos_] == '"') {
                    field += '"';
                    ++pos_;
                } else if (c == '"') {
                    quoted = false;
                } else {
                    line_ += c == '\n' ? 1 : 0;
                    field += c;
                }
            } else if (c == '"') {
                quoted = true;
            } else if (c == separator_) {
                row.Fields.push_back(std::move(field));
                field.clear();
            } else if (c == '\n') {
                ++line_;
                break;
            } else if (c != '\r') {
                field += c;
            }
        }
        if (quoted) {
            return Error{"Line " + std::to_string(row.Line) + ": a quoted field is never closed."};
        }
        row.Fields.push_back(std::move(field));
        return row;
    }

private:
    std::string_view text_;
    char separator_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

bool IsBlank(const CsvTable::Row& row) {
    return std::ranges::all_of(row.Fields, [](const std::string& field) {
        return field.find_first_not_of(" \t") == std::string::npos;
    });
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

std::optional<std::size_t> CsvTable::Column(std::string_view name) const {
    const auto it = std::ranges::find_if(
        Header, [&](const std::string& title) { return SameWord(title, name); });
    if (it == Header.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(it - Header.begin());
}

Result<CsvTable> ReadCsvTable(std::string_view text) {
    if (text.starts_with(ByteOrderMark)) {
        text.remove_prefix(ByteOrderMark.size());
    }
    const auto first = text.find_first_not_of(" \t\r\n");
    CsvTable table;
    table.Separator = SeparatorOf(text.substr(first == std::string_view::npos ? 0 : first));
    RowReader reader(text, table.Separator);
    bool haveHeader = false;
    while (!reader.AtEnd()) {
        auto row = reader.Next();
        if (!row) {
            return row.error();
        }
        if (IsBlank(*row)) {
            continue;
        }
        for (std::string& field : row.value().Fields) {
            field = Trimmed(field);
        }
        if (!haveHeader) {
            table.Header = std::move(row.value().Fields);
            haveHeader = true;
        } else {
            table.Rows.push_back(std::move(row.value()));
        }
    }
    if (!haveHeader) {
        return Error{"The file holds no header line."};
    }
    return table;
}
