#include "export/OutputFormats.h"

#include <filesystem>
#include <ostream>

#include "core/AtomicFile.h"
#include "export/CSourceWriter.h"
#include "export/MeshFormats.h"
#include "export/SolidMesh.h"
#include "scene/Scene.h"
#include "scene/SceneFile.h"

namespace vyr {

namespace {

// `path` with its last extension replaced by `extension`.
std::string companion(const std::string& path, const char* extension) {
    return path.substr(0, path.rfind('.')) + extension;
}

std::string baseName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

std::vector<OutputFile> sceneFile(const std::string& path, const OutputSource& source, bool) {
    return {{path, [&scene = source.scene](std::ostream& s) {
                 const std::vector<uint8_t> bytes = sceneBytes(scene);
                 s.write(reinterpret_cast<const char*>(bytes.data()),
                         static_cast<std::streamsize>(bytes.size()));
                 return s ? ExportResult{} : ExportResult::failure("writing failed");
             }}};
}

std::vector<OutputFile> vrml(const std::string& path, const OutputSource& source, bool) {
    return {{path, [&scene = source.scene, parts = source.vrmlParts](std::ostream& s) {
                 return writeVrml(scene, s, parts);
             }}};
}

std::vector<OutputFile> cSource(const std::string& path, const OutputSource& source, bool) {
    const std::string header = companion(path, ".h");
    return {{header, [](std::ostream& s) { return writeCHeader(s); }},
            {path, [&text = source.scene.text(), include = baseName(header)](std::ostream& s) {
                 return writeCSource(text, include, s);
             }}};
}

std::vector<OutputFile> stl(const std::string& path, const OutputSource& source, bool) {
    return {{path, [&solid = *source.solid](std::ostream& s) { return writeStl(solid, s); }}};
}

std::vector<OutputFile> obj(const std::string& path, const OutputSource& source, bool companions) {
    const SolidMesh& solid = *source.solid;
    std::vector<OutputFile> files;
    std::string library;
    if (companions) {
        library = companion(path, ".mtl");
        files.push_back({library, [&solid](std::ostream& s) { return writeMtl(solid, s); }});
    }
    files.push_back({path, [&solid, name = baseName(library)](std::ostream& s) {
                         return writeObj(solid, name, s);
                     }});
    return files;
}

std::vector<OutputFile> glb(const std::string& path, const OutputSource& source, bool) {
    return {{path, [&solid = *source.solid](std::ostream& s) { return writeGlb(solid, s); }}};
}

constexpr OutputFormat kFormats[] = {
    {"vyr", false, true, sceneFile}, {"wrl", false, true, vrml}, {"c", false, false, cSource},
    {"stl", true, true, stl},        {"obj", true, true, obj},   {"glb", true, true, glb},
};

}  // namespace

const OutputFormat* findOutputFormat(std::string_view extension) {
    for (const OutputFormat& format : kFormats) {
        if (extension == format.extension)
            return &format;
    }
    return nullptr;
}

OutputSet::OutputSet() = default;
OutputSet::~OutputSet() = default;

bool OutputSet::fail(const std::string& path, const std::string& why) {
    if (!failed_) {
        failed_ = true;
        failedPath_ = path;
        failure_ = why;
    }
    return false;
}

bool OutputSet::add(const OutputFile& file) {
    if (failed_)
        return false;
    auto out = std::make_unique<AtomicFile>(file.path);
    if (!out->isOpen())
        return fail(file.path, out->error());
    const ExportResult r = file.write(out->stream());
    if (!r.ok)
        return fail(file.path, r.message);
    pending_.push_back(std::move(out));
    return true;
}

bool OutputSet::add(const std::vector<OutputFile>& files) {
    for (const OutputFile& file : files) {
        if (!add(file))
            return false;
    }
    return true;
}

bool OutputSet::commit() {
    if (failed_)
        return false;
    for (auto& file : pending_) {
        if (!file->commit())
            return fail(file->path(), file->error());
    }
    return true;
}

}  // namespace vyr
