#pragma once

// Helpers shared by every test folder: whole files and temporary folders.

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace vyr::test {

/// A file's bytes; empty when it cannot be read.
inline std::string slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

/// A fresh empty folder of the test's own, removed with everything in it at the end.
struct TempFolder {
    std::filesystem::path path = [] {
        std::string name = (std::filesystem::temp_directory_path() / "vyr-test-XXXXXX").string();
        return ::mkdtemp(name.data()) ? name : throw std::runtime_error("no temporary folder");
    }();
    TempFolder() = default;
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder() { std::filesystem::remove_all(path); }
    std::string operator/(const std::string& name) const { return (path / name).string(); }
};

}  // namespace vyr::test
