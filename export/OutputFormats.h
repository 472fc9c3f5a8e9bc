#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "export/ExportResult.h"
#include "export/VrmlWriter.h"

namespace vyr {

class AtomicFile;
class Scene;
struct SolidMesh;

/// Writes one file's bytes to a stream.
using FileWriter = std::function<ExportResult(std::ostream&)>;

/// One file of an output: where it goes and what writes it.
struct OutputFile {
    std::string path;
    FileWriter write;
};

/// What the formats are written from. The writers refer to the scene and the solid, which
/// must outlive them; the source itself may go.
struct OutputSource {
    const Scene& scene;
    /// The welded solid of the scene's text, for the formats that need one.
    const SolidMesh* solid = nullptr;
    VrmlParts vrmlParts;
};

/// A file format VYR writes: the scene file, VRML 2.0, C/OpenGL source and the solid's STL,
/// OBJ and glTF.
struct OutputFormat {
    /// Lower case, without the dot.
    const char* extension;
    /// Written from the welded solid (OutputSource::solid must be set).
    bool needsSolid;
    /// One file that can stand alone, as on standard output (OBJ then goes without its
    /// material library); C source needs its header.
    bool standsAlone;
    /// The files written for `path`, companions first and `path` itself last. `companions`
    /// false leaves out an optional companion (the OBJ's material library).
    std::vector<OutputFile> (*files)(const std::string& path, const OutputSource& source,
                                     bool companions);
};

/// The format written under `extension` (lower case), or nullptr.
const OutputFormat* findOutputFormat(std::string_view extension);

/// Files written side by side: each goes to a temporary file first, and they appear under
/// their names only at commit() and only when every one was written completely, so that a
/// failure leaves no output, half-written or whole, under any name.
class OutputSet {
  public:
    OutputSet();
    ~OutputSet();
    OutputSet(const OutputSet&) = delete;
    OutputSet& operator=(const OutputSet&) = delete;

    /// Writes the file to its temporary file. False once anything failed; failedPath() and
    /// failure() say where and why.
    bool add(const OutputFile& file);
    bool add(const std::vector<OutputFile>& files);
    /// Puts every file in place; false (with failedPath() and failure()) when one could not
    /// be.
    bool commit();

    const std::string& failedPath() const { return failedPath_; }
    const std::string& failure() const { return failure_; }

  private:
    bool fail(const std::string& path, const std::string& why);

    std::vector<std::unique_ptr<AtomicFile>> pending_;
    bool failed_ = false;
    std::string failedPath_;
    std::string failure_;
};

}  // namespace vyr
