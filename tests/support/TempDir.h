#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

// A fresh folder for one test, removed with everything in it afterwards.
// Dir() ends with a separator, like the program folder AppDir.
class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "kx40-XXXXXX").string();
        if (::mkdtemp(pattern.data())) {
            dir_ = pattern + "/";
        }
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Dir() const { return dir_; }
    std::string Path(std::string_view name) const { return dir_ + std::string(name); }

    void Write(std::string_view name, std::string_view bytes) const {
        std::filesystem::create_directories(std::filesystem::path(Path(name)).parent_path());
        std::ofstream(Path(name), std::ios::binary) << bytes;
    }
    std::string Read(std::string_view name) const {
        std::ifstream in(Path(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    std::string dir_;
};
