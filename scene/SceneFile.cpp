#include "scene/SceneFile.h"

#include <array>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <initializer_list>

#include "core/Archive.h"
#include "core/AtomicFile.h"
#include "core/Utf8.h"
#include "text/Shaper.h"

namespace vyr {

namespace {

namespace fs = std::filesystem;

// Far beyond any real scene (the fixed values take 636 bytes; only the strings grow), and
// small enough that a wrong file chosen by mistake is refused before it fills memory.
constexpr size_t kMaxSceneFileSize = size_t{64} << 20;

constexpr std::array<const char*, 5> kPartNames = {"camera", "yellow light", "blue light",
                                                   "green light", "text"};

// Stores or loads the scene's parts in file order; `part` counts the one in progress.
void serializeParts(Archive& archive, Camera& camera, const std::array<Light*, 3>& lights,
                    TextParameters& text, size_t& part) {
    part = 0;
    camera.serialize(archive);
    for (part = 1; part <= lights.size(); ++part)
        lights[part - 1]->serialize(archive);
    text.serialize(archive);
}

std::string quoted(const std::string& s) {
    return "\"" + s + "\"";
}

bool allFinite(std::initializer_list<double> values) {
    for (double v : values) {
        if (!std::isfinite(v))
            return false;
    }
    return true;
}

bool finite(const Float3& p) {
    return allFinite({p.x, p.y, p.z});
}

bool finite(const Float4& p) {
    return allFinite({p.x, p.y, p.z, p.w});
}

bool finite(const Material& m) {
    for (const auto* part : {&m.emission, &m.ambient, &m.diffuse, &m.specular}) {
        for (float v : *part) {
            if (!std::isfinite(v))
                return false;
        }
    }
    return std::isfinite(m.shininess);
}

bool finite(const Camera& c) {
    return finite(c.eye) && finite(c.target) && finite(c.up) &&
           allFinite({c.elevation, c.elevationCos, c.elevationSin, c.rotationStep,
                      c.rotationStepCos, c.rotationStepSin, c.zoom});
}

bool finite(const Light& l) {
    return finite(l.referencePoint) && finite(l.targetPoint) && finite(l.beamEnd) &&
           finite(l.position) &&
           allFinite({l.elevation, l.elevationCos, l.elevationSin, l.azimuthStep, l.azimuthStepCos,
                      l.azimuthStepSin, l.cutOff});
}

bool finite(const TextParameters& t) {
    return allFinite({t.scale[0], t.scale[1], t.scale[2], t.precision, t.extrusionLength,
                      t.bevelDepth, t.bevelWidth}) &&
           finite(t.frontMaterial) && finite(t.sideMaterial) && finite(t.bevelMaterial);
}

// Text values a build cannot afford, or "" when there is none. Below a precision of one pixel
// (the dialog's least) every curve flattens into hundreds of points and one build can run for
// hours; a text beyond kMaxTextLength would exhaust memory; a font name longer than any path
// can name no file and would only swell every message that quotes it.
std::string unaffordable(const TextParameters& t) {
    constexpr size_t kMaxPathLength = 4096;
    if (t.precision < 1.0) {
        char value[32];
        std::snprintf(value, sizeof value, "%g", t.precision);
        return std::string("the text's precision is ") + value + " pixels; it must be at least 1";
    }
    if (const size_t n = codePointCount(t.text); n > TextParameters::kMaxTextLength) {
        return "the text has " + std::to_string(n) + " characters, more than the " +
               std::to_string(TextParameters::kMaxTextLength) + " a build accepts";
    }
    const std::string fontPath = t.fontPath();
    const std::pair<const char*, const std::string*> names[] = {
        {"fonts folder", &t.fontsFolder}, {"font file", &t.fontFile}, {"font path", &fontPath}};
    for (const auto& [what, name] : names) {
        if (name->size() > kMaxPathLength) {
            return "the text's " + std::string(what) + " is " + std::to_string(name->size()) +
                   " bytes long, longer than any path";
        }
    }
    return {};
}

// What the fixed layout cannot hold follows it in one extension block: the tag "VYRX", the
// block's version and the length of its fields, then the fields. Version 1: the text in
// UTF-8, the layout, the direction, the language, the features, the line spacing, the
// alignment and the face index. The block is written only when a value needs it, so a scene
// the fixed layout expresses keeps its bytes.
constexpr uint32_t kExtensionTag = 'V' | 'Y' << 8 | 'R' << 16 | uint32_t{'X'} << 24;
constexpr uint32_t kExtensionVersion = 1;

template <class Enum>
void serializeEnum(Archive& archive, Enum& value) {
    auto n = static_cast<int32_t>(value);
    archive.io(n);
    value = static_cast<Enum>(n);
}

// The block's fields in order; `utf8` is the text (kept apart, so that a bad one is refused
// before it reaches the parameters).
void serializeExtension(Archive& archive, std::string& utf8, TextParameters& t) {
    archive.io(utf8);
    serializeEnum(archive, t.layout);
    serializeEnum(archive, t.direction);
    archive.io(t.language);
    archive.io(t.features);
    archive.io(t.lineSpacing);
    serializeEnum(archive, t.alignment);
    int32_t face = t.faceIndex;
    archive.io(face);
    t.faceIndex = face;
}

void writeExtension(Archive& archive, const TextParameters& text) {
    Archive fields;
    std::string utf8;
    for (const char32_t c : decodeUtf8(text.text))
        appendUtf8(utf8, c);
    TextParameters values = text;
    serializeExtension(fields, utf8, values);
    archive.writeUInt(kExtensionTag);
    archive.writeUInt(kExtensionVersion);
    archive.writeUInt(static_cast<uint32_t>(fields.bytes().size()));
    archive.writeBytes(fields.bytes());
}

// What is wrong with a loaded block's values, or "".
std::string badExtensionValue(const TextParameters& t) {
    const auto outside = [](int32_t v, int32_t high) { return v < 0 || v > high; };
    if (outside(static_cast<int32_t>(t.layout), 1) ||
        outside(static_cast<int32_t>(t.direction), 2) ||
        outside(static_cast<int32_t>(t.alignment), 2) ||
        outside(t.faceIndex, TextParameters::kMaxFaceIndex))
        return "its extension block holds a layout, direction, alignment or face index that "
               "this program does not know";
    if (!(t.lineSpacing >= TextParameters::kMinLineSpacing &&
          t.lineSpacing <= TextParameters::kMaxLineSpacing))
        return "its extension block holds a line spacing outside 0.1 to 10";
    if (languageProblem(t.language) || featureProblem(t.features))
        return "its extension block holds a language or feature list that cannot be one";
    return {};
}

// Reads the extension block that starts at the archive's position into `text`; the problem
// with it, or "" when it is sound. Nothing may follow the block.
std::string readExtension(Archive& archive, const uint8_t* data, size_t size,
                          TextParameters& text) {
    const size_t start = archive.position();
    if (size - start < 12 || archive.readUInt() != kExtensionTag)
        return std::to_string(size - start) + " bytes after the scene are not an extension block";
    const uint32_t version = archive.readUInt();
    if (version != kExtensionVersion)
        return "its extension block has version " + std::to_string(version) +
               ", which this program does not know";
    const uint32_t length = archive.readUInt();
    const size_t fieldsAt = archive.position();
    if (length != size - fieldsAt)
        return "its extension block should hold " + std::to_string(length) + " bytes but " +
               std::to_string(size - fieldsAt) + " follow";
    Archive fields(data + fieldsAt, length);
    std::string utf8;
    TextParameters values = text;
    try {
        serializeExtension(fields, utf8, values);
    } catch (const ArchiveError&) {
        return "its extension block is cut short";
    }
    if (fields.position() != length)
        return "its extension block holds more than its fields";
    if (const std::optional<size_t> bad = utf8ErrorOffset(utf8)) {
        // The text comes first, after its length: one byte, or three, or seven.
        const size_t prefix = utf8.size() < 255 ? 1 : utf8.size() < 65534 ? 3 : 7;
        return "the text in its extension block is not UTF-8 (byte " +
               std::to_string(fieldsAt + prefix + *bad) + " of the file)";
    }
    if (std::string why = badExtensionValue(values); !why.empty())
        return why;
    values.text = utf8;
    text = values;
    return {};
}

std::string systemError(int error) {
    return std::strerror(error);
}

}  // namespace

std::vector<uint8_t> sceneBytes(const Scene& scene) {
    // A storing archive only reads the fields.
    Scene& s = const_cast<Scene&>(scene);
    Archive archive;
    size_t part = 0;
    serializeParts(archive, s.camera(), {&s.light(1), &s.light(2), &s.light(3)},
                   s.text().parameters, part);
    if (scene.text().parameters.beyondFixedLayout())
        writeExtension(archive, scene.text().parameters);
    return archive.bytes();
}

SceneFileResult saveScene(const Scene& scene, const std::string& path) {
    const std::string failure = "Cannot save the scene to " + quoted(path) + ": ";
    const std::vector<uint8_t> bytes = sceneBytes(scene);
    AtomicFile file(path);
    if (!file.isOpen())
        return {false, failure + file.error()};
    file.stream().write(reinterpret_cast<const char*>(bytes.data()),
                        static_cast<std::streamsize>(bytes.size()));
    if (!file.commit())
        return {false, failure + file.error()};
    return {};
}

SceneFileResult loadSceneBytes(Scene& scene, const uint8_t* data, size_t size,
                               const std::string& source) {
    const std::string failure = "Cannot load the scene file " + quoted(source) + ": ";
    const std::string unchanged = ". The scene is unchanged.";

    // Everything is read into fresh objects first, so a damaged file cannot leave the
    // running scene half loaded.
    Camera camera;
    std::array<Light, 3> lights{Light(1), Light(2), Light(3)};
    TextParameters text;
    text.fontsFolder = scene.text().parameters.fontsFolder;
    Archive archive(data, size);
    size_t part = 0;
    try {
        serializeParts(archive, camera, {&lights[0], &lights[1], &lights[2]}, text, part);
    } catch (const ArchiveError& e) {
        return {false, failure + e.what() + " (in the " + kPartNames[part] + ")" + unchanged};
    }
    if (archive.position() < size) {
        if (const std::string why = readExtension(archive, data, size, text); !why.empty())
            return {false, failure + why + unchanged};
    }

    const std::array<bool, kPartNames.size()> valid{
        finite(camera), finite(lights[0]), finite(lights[1]), finite(lights[2]), finite(text)};
    for (part = 0; part < valid.size(); ++part) {
        if (!valid[part]) {
            return {false, failure + "the " + std::string(kPartNames[part]) +
                               " holds a value that is not a finite number" + unchanged};
        }
    }

    if (const std::string why = unaffordable(text); !why.empty())
        return {false, failure + why + unchanged};

    scene.camera() = camera;
    for (int i = 0; i < 3; ++i)
        scene.light(i + 1) = lights[i];
    scene.text().parameters = text;

    const BuildResult build = scene.text().buildMesh();
    if (!build.ok) {
        // The previous text's geometry does not belong to the loaded values.
        scene.text().clearMesh();
        return {true, "The scene file " + quoted(source) +
                          " was loaded, but its text could not be built: " + build.message};
    }
    return {};
}

SceneFileResult loadScene(Scene& scene, const std::string& path) {
    const std::string failure = "Cannot load the scene file " + quoted(path) + ": ";
    std::error_code ec;
    if (fs::is_directory(path, ec))
        return {false, failure + "it is a folder"};
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {false, failure + systemError(errno)};

    std::vector<uint8_t> data;
    std::array<char, 65536> chunk;
    while (in) {
        in.read(chunk.data(), chunk.size());
        const auto n = static_cast<size_t>(in.gcount());
        if (data.size() + n > kMaxSceneFileSize)
            return {false, failure + "it is too large to be a scene file"};
        data.insert(data.end(), chunk.begin(), chunk.begin() + n);
    }
    if (in.bad())
        return {false, failure + "reading failed"};
    return loadSceneBytes(scene, data.data(), data.size(), path);
}

}  // namespace vyr
