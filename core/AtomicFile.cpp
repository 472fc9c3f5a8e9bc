#include "core/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace vyr {

namespace fs = std::filesystem;

namespace {

// The permissions the written file gets: those of the file it replaces, else those of any
// new file.
mode_t permissionsFor(const std::string& target) {
    struct stat st;
    if (::stat(target.c_str(), &st) == 0)
        return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

AtomicFile::AtomicFile(std::string path) : path_(std::move(path)), target_(path_) {
    fs::path target(path_);
    std::error_code ec;
    if (fs::is_symlink(target, ec)) {
        const fs::path resolved = fs::weakly_canonical(target, ec);
        if (!ec)
            target = resolved;
    }
    if (!target.has_filename()) {
        fail("the name does not name a file");
        return;
    }
    target_ = target.string();
    fs::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";
    // In the target's folder, so that the rename replaces the old file in one step.
    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        fail(std::strerror(errno));
        return;
    }
    ::close(fd);
    temporary_ = pattern;
    stream_.open(temporary_, std::ios::binary | std::ios::trunc);
    if (!stream_.is_open())
        fail("cannot open a temporary file in the folder");
}

AtomicFile::~AtomicFile() {
    if (stream_.is_open())
        stream_.close();
    if (!committed_ && !temporary_.empty())
        std::remove(temporary_.c_str());
}

bool AtomicFile::fail(std::string why) {
    error_ = std::move(why);
    return false;
}

bool AtomicFile::commit() {
    if (!stream_.is_open())
        return false;
    stream_.flush();
    const bool written = static_cast<bool>(stream_);
    stream_.close();
    if (!written || stream_.fail())
        return fail("writing failed");
    if (::chmod(temporary_.c_str(), permissionsFor(target_)) != 0)
        return fail(std::strerror(errno));
    // On disk before it takes the old file's name, so a crash cannot leave an empty file.
    const int fd = ::open(temporary_.c_str(), O_RDONLY);
    if (fd < 0)
        return fail(std::strerror(errno));
    const bool synced = ::fsync(fd) == 0;
    const int syncError = errno;
    ::close(fd);
    if (!synced)
        return fail(std::string("writing failed: ") + std::strerror(syncError));
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0)
        return fail(std::strerror(errno));
    committed_ = true;
    return true;
}

}  // namespace vyr
