#pragma once

#include <fstream>
#include <string>

namespace vyr {

/// An output file that appears under its name only when completely written: the stream
/// writes a hidden temporary file in the target's folder, and commit() syncs it and renames
/// it over the target in one step. Without a commit (a failure, an exception) the temporary
/// file is removed and any earlier file of that name stays as it was. A symbolic link's
/// destination is replaced, not the link; a replaced file keeps its permissions.
class AtomicFile {
  public:
    explicit AtomicFile(std::string path);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    /// False when the temporary file could not be created; error() says why.
    bool isOpen() const { return stream_.is_open(); }
    std::ostream& stream() { return stream_; }
    /// Flushes, closes, syncs and renames. False (error() says why) when any step failed.
    bool commit();
    const std::string& error() const { return error_; }
    const std::string& path() const { return path_; }

  private:
    bool fail(std::string why);

    std::string path_;
    std::string target_;
    std::string temporary_;
    std::ofstream stream_;
    std::string error_;
    bool committed_ = false;
};

}  // namespace vyr
