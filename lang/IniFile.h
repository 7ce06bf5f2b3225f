#pragma once

#include "radio/Result.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// An INI file with the profile-file conventions the settings and language files
// were written with: section and key names match without regard to ASCII case,
// the first matching section and the first matching key win, blanks around a
// value are dropped, and anything missing reads as the caller's default.
//
// Writing a key changes only that key's line, or adds the line at the end of its
// section (the section at the end of the file when it is missing); every other
// line is written back byte for byte, comments and unknown keys included. A file
// that is not valid UTF-8 is read as GBK and written back in GBK.
class IniFile {
public:
    // Larger files are not settings or language files; they are refused rather
    // than read into memory.
    static constexpr std::size_t MaxFileSize = 4 * 1024 * 1024;

    // A missing file gives an empty one that Save creates. A file that exists
    // but cannot be read reads as empty and refuses to be saved over.
    static IniFile Load(const std::string& path);

    // An empty file that will be saved at `path`.
    explicit IniFile(std::string path);

    const std::string& Path() const { return path_; }
    // Makes the file one to be created at `path`, with the content read so far.
    void SetPath(std::string path);

    // Why the file could not be read; empty when it was read or did not exist.
    const std::string& LoadError() const { return loadError_; }

    std::optional<std::string> Find(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view def) const;
    // Names of the sections, in file order.
    std::vector<std::string> Sections() const;
    // Keys and values of the first matching section, in file order.
    std::vector<std::pair<std::string, std::string>> Items(std::string_view section) const;

    void WriteString(std::string_view section, std::string_view key, std::string_view value);

    // The file's bytes as Save would write them.
    std::string Bytes() const;
    // Writes the file atomically when its bytes differ from what was read.
    Result<void> Save() const;

private:
    struct Line {
        std::string raw;  // the bytes as in the file, without the line end
        std::string text; // the same line as UTF-8
        std::string eol;  // "\r\n", "\n" or "" on an unterminated last line
    };
    struct Range {
        std::size_t header;   // index of the section line
        std::size_t lastItem; // last non-blank line of the section
        std::size_t end;      // one past the last line of the section
    };

    std::optional<Range> FindSection(std::string_view section) const;
    std::optional<std::size_t> FindKey(const Range& range, std::string_view key) const;
    Line MakeLine(std::string text) const;
    std::string NewLineEnd() const;

    std::string path_;
    std::string loadError_;
    std::string original_;
    std::vector<Line> lines_;
    bool gbk_ = false;
    bool exists_ = false;
};

// Compares two names the way the files do: without regard to ASCII case.
bool SameNameNoCase(std::string_view a, std::string_view b);

// The file `name` in `dir` (which ends with a separator). Files copied from other
// systems may differ in case ("english.ini"); when there is no exact match, a
// file whose name differs only in case is taken. Without any, the exact path.
std::string FindFileNoCase(const std::string& dir, const std::string& name);
