#include "lang/IniFile.h"

#include "app/AtomicFile.h"
#include "lang/TextCodec.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace {

constexpr std::string_view Blanks = " \t";
constexpr std::string_view Bom = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view s) {
    const auto first = s.find_first_not_of(Blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(Blanks) - first + 1);
}

// What one line of the file means.
struct Parsed {
    enum Kind { Other, Section, Item } kind = Other;
    std::string_view name;
    std::string_view value;
};

Parsed Parse(std::string_view text) {
    const std::string_view t = Trim(text);
    if (t.empty() || t.front() == ';' || t.front() == '#') {
        return {};
    }
    if (t.front() == '[') {
        const auto close = t.find(']');
        return {Parsed::Section,
                Trim(t.substr(1, close == std::string_view::npos ? t.npos : close - 1)),
                {}};
    }
    const auto eq = t.find('=');
    if (eq == std::string_view::npos || Trim(t.substr(0, eq)).empty()) {
        return {};
    }
    return {Parsed::Item, Trim(t.substr(0, eq)), Trim(t.substr(eq + 1))};
}

// A value is one line: line breaks inside it would split the file.
std::string OneLine(std::string_view value) {
    std::string s(value);
    for (char& c : s) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return s;
}

// The start of an item line up to its value: key, '=' and the blanks after it.
std::size_t ValueStart(std::string_view line) {
    const auto eq = line.find('=');
    const auto value = line.find_first_not_of(Blanks, eq + 1);
    return value == std::string_view::npos ? line.size() : value;
}

} // namespace

bool SameNameNoCase(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

std::string FindFileNoCase(const std::string& dir, const std::string& name) {
    const std::string exact = dir + name;
    std::error_code ec;
    if (std::filesystem::exists(exact, ec)) {
        return exact;
    }
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (SameNameNoCase(it->path().filename().string(), name)) {
            return it->path().string();
        }
    }
    return exact;
}

IniFile::IniFile(std::string path) : path_(std::move(path)) {}

void IniFile::SetPath(std::string path) {
    path_ = std::move(path);
    exists_ = false;
    loadError_.clear();
}

IniFile IniFile::Load(const std::string& path) {
    IniFile ini(path);
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (status.type() == std::filesystem::file_type::not_found) {
        return ini;
    }
    const auto size = std::filesystem::file_size(path, ec);
    if (ec) {
        ini.loadError_ = "Cannot read \"" + path + "\": " + ec.message();
        return ini;
    }
    if (size > MaxFileSize) {
        ini.loadError_ = "\"" + path + "\" is too large for a settings or language file.";
        return ini;
    }
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof()) {
        ini.loadError_ = "Cannot read \"" + path + "\".";
        return ini;
    }
    ini.exists_ = true;
    ini.original_ = bytes;
    ini.gbk_ = !IsValidUtf8(bytes);
    std::string_view rest = bytes;
    while (!rest.empty()) {
        const auto nl = rest.find('\n');
        Line line;
        line.raw = std::string(rest.substr(0, nl));
        line.eol = nl == std::string_view::npos ? "" : "\n";
        rest.remove_prefix(nl == std::string_view::npos ? rest.size() : nl + 1);
        if (!line.raw.empty() && line.raw.back() == '\r') {
            line.raw.pop_back();
            line.eol.insert(0, "\r");
        }
        line.text = ini.gbk_ ? GbkToUtf8(line.raw) : line.raw;
        ini.lines_.push_back(std::move(line));
    }
    if (!ini.lines_.empty() && ini.lines_.front().text.starts_with(Bom)) {
        ini.lines_.front().text.erase(0, Bom.size());
    }
    return ini;
}

std::optional<IniFile::Range> IniFile::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Parsed p = Parse(lines_[i].text);
        if (p.kind != Parsed::Section || !SameNameNoCase(p.name, section)) {
            continue;
        }
        Range r{i, i, i + 1};
        for (; r.end < lines_.size(); ++r.end) {
            const Parsed q = Parse(lines_[r.end].text);
            if (q.kind == Parsed::Section) {
                break;
            }
            if (q.kind == Parsed::Item) {
                r.lastItem = r.end;
            }
        }
        return r;
    }
    return std::nullopt;
}

std::optional<std::size_t> IniFile::FindKey(const Range& range, std::string_view key) const {
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        const Parsed p = Parse(lines_[i].text);
        if (p.kind == Parsed::Item && SameNameNoCase(p.name, key)) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::string> IniFile::Find(std::string_view section, std::string_view key) const {
    const auto range = FindSection(section);
    if (!range) {
        return std::nullopt;
    }
    const auto line = FindKey(*range, key);
    if (!line) {
        return std::nullopt;
    }
    return std::string(Parse(lines_[*line].text).value);
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view def) const {
    return Find(section, key).value_or(std::string(def));
}

std::vector<std::string> IniFile::Sections() const {
    std::vector<std::string> sections;
    for (const Line& line : lines_) {
        if (const Parsed p = Parse(line.text); p.kind == Parsed::Section) {
            sections.emplace_back(p.name);
        }
    }
    return sections;
}

std::vector<std::pair<std::string, std::string>> IniFile::Items(std::string_view section) const {
    std::vector<std::pair<std::string, std::string>> items;
    if (const auto range = FindSection(section)) {
        for (std::size_t i = range->header + 1; i < range->end; ++i) {
            const Parsed p = Parse(lines_[i].text);
            if (p.kind == Parsed::Item) {
                items.emplace_back(p.name, p.value);
            }
        }
    }
    return items;
}

std::string IniFile::NewLineEnd() const {
    for (const Line& line : lines_) {
        if (!line.eol.empty()) {
            return line.eol;
        }
    }
    return "\n";
}

IniFile::Line IniFile::MakeLine(std::string text) const {
    Line line;
    line.raw = gbk_ ? Utf8ToGbk(text) : text;
    line.text = std::move(text);
    line.eol = NewLineEnd();
    return line;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    const std::string v = OneLine(value);
    const auto range = FindSection(section);
    if (range) {
        if (const auto at = FindKey(*range, key)) {
            Line& line = lines_[*at];
            line.raw = line.raw.substr(0, ValueStart(line.raw)) + (gbk_ ? Utf8ToGbk(v) : v);
            line.text = line.text.substr(0, ValueStart(line.text)) + v;
            return;
        }
    }
    // The line before a new one must end, or the two would run together.
    const std::size_t insertAt = range ? range->lastItem + 1 : lines_.size();
    if (insertAt > 0 && lines_[insertAt - 1].eol.empty()) {
        lines_[insertAt - 1].eol = NewLineEnd();
    }
    std::vector<Line> added;
    if (!range) {
        added.push_back(MakeLine("[" + std::string(section) + "]"));
    }
    added.push_back(MakeLine(std::string(key) + "=" + v));
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), added.begin(),
                  added.end());
}

std::string IniFile::Bytes() const {
    std::string out;
    for (const Line& line : lines_) {
        out += line.raw;
        out += line.eol;
    }
    return out;
}

Result<void> IniFile::Save() const {
    if (!loadError_.empty()) {
        return Error{loadError_ + " It was left as it is."};
    }
    std::string bytes = Bytes();
    if (exists_ && bytes == original_) {
        return {};
    }
    return WriteFileAtomic(path_, bytes);
}
