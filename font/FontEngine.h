#pragma once

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

  private:
    FontEngine() = default;
    FT_LibraryRec_* library_ = nullptr;
};

}  // namespace vyr
