#pragma once

#include <string>

struct FT_LibraryRec_;

namespace vyr {

/// The process-wide FreeType library.
class FontEngine {
  public:
    /// The process-wide engine, created and initialised on first use. Returns nullptr when
    /// FreeType cannot be initialised; a later call tries again. Never released.
    static FontEngine* instance();

    virtual ~FontEngine();
    FontEngine(const FontEngine&) = delete;
    FontEngine& operator=(const FontEngine&) = delete;

    FT_LibraryRec_* library() const { return library_; }
    /// "FreeType 2.12.1": the version of the library linked, or a note that it did not start.
    static std::string versionText();

  private:
    FontEngine() = default;
    FT_LibraryRec_* library_ = nullptr;
};

}  // namespace vyr
