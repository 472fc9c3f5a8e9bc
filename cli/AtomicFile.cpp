#include "cli/AtomicFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace vyr {

namespace fs = std::filesystem;

AtomicFile::AtomicFile(std::string path) : path_(std::move(path)) {
    const fs::path target(path_);
    if (!target.has_filename()) {
        error_ = "the name does not name a file";
        return;
    }
    fs::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";
    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        error_ = std::strerror(errno);
        return;
    }
    ::close(fd);
    temporary_ = pattern;
    stream_.open(temporary_, std::ios::binary | std::ios::trunc);
    if (!stream_.is_open())
        error_ = "cannot open a temporary file in the folder";
}

AtomicFile::~AtomicFile() {
    if (stream_.is_open())
        stream_.close();
    if (!committed_ && !temporary_.empty())
        std::remove(temporary_.c_str());
}

bool AtomicFile::commit() {
    if (!stream_.is_open())
        return false;
    stream_.flush();
    const bool written = static_cast<bool>(stream_);
    stream_.close();
    if (!written || stream_.fail()) {
        error_ = "writing failed";
        return false;
    }
    // The file gets the permissions of any new file, not the private ones of mkstemp.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(temporary_.c_str(), 0666 & ~mask);
    if (std::rename(temporary_.c_str(), path_.c_str()) != 0) {
        error_ = std::strerror(errno);
        return false;
    }
    committed_ = true;
    return true;
}

}  // namespace vyr
