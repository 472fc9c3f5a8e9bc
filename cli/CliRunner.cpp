#include "cli/CliRunner.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <vector>

#include "cli/ImageOutput.h"
#include "core/Utf8.h"
#include "export/OutputFormats.h"
#include "export/SolidMesh.h"
#include "font/FontEngine.h"
#include "render/OffscreenContext.h"
#include "scene/Scene.h"
#include "scene/SceneFile.h"
#include "text/FontLocator.h"

namespace vyr {

namespace {

using Clock = std::chrono::steady_clock;

struct Failure {
    std::string message;
};

// The run's output files, all or none; standard output ("-") is held in memory until every
// file is in place.
class Outputs {
  public:
    explicit Outputs(std::ostream& out) : out_(out) {}
    void add(const OutputFile& file) {
        if (file.path == "-") {
            if (const ExportResult r = file.write(piped_); !r.ok)
                throw Failure{"cannot write to standard output: " + r.message};
        } else if (!files_.add(file)) {
            throw failure();
        }
    }
    void commit() {
        if (!files_.commit())
            throw failure();
        const std::string bytes = piped_.str();
        if (!bytes.empty() &&
            !out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size())).flush())
            throw Failure{"cannot write to standard output"};
    }

  private:
    Failure failure() const {
        return {"cannot write \"" + files_.failedPath() + "\": " + files_.failure()};
    }

    std::ostream& out_;
    std::ostringstream piped_;
    OutputSet files_;
};

std::string readTextFile(const std::string& path) {
    std::ifstream file;
    if (path != "-")
        file.open(path, std::ios::binary);
    std::istream& in = path == "-" ? std::cin : file;
    std::ostringstream buffer;
    if (in)
        buffer << in.rdbuf();
    if (!in || in.bad())
        throw Failure{"cannot read the text file \"" + path + "\""};
    std::string s = buffer.str();
    if (!s.empty() && s.back() == '\n')
        s.pop_back();
    if (!s.empty() && s.back() == '\r')
        s.pop_back();
    return s;
}

template <typename T, typename U>
void assignIf(T& field, const std::optional<U>& value) {
    if (value)
        field = *value;
}

void applyOptions(const CliOptions& o, TextParameters& text, const std::string& fileText) {
    if (o.fontsFolder)
        text.chooseFont(*o.fontsFolder, text.fontFile);
    if (o.font) {
        if (o.font->find('/') != std::string::npos) {
            text.chooseFontPath(*o.font);
        } else {
            text.chooseFont(text.fontsFolder, *o.font);
        }
    }
    if (o.text)
        text.text = *o.text;
    if (o.textFile)
        text.text = fileText;
    assignIf(text.precision, o.precision);
    assignIf(text.extrusionLength, o.extrusion);
    assignIf(text.bevelDepth, o.bevelDepth);
    assignIf(text.bevelWidth, o.bevelWidth);
    assignIf(text.bevelOn, o.bevel);
    assignIf(text.roundedEdges, o.rounded);
    assignIf(text.filter1, o.filter1);
    assignIf(text.filter2, o.filter2);
    assignIf(text.scale, o.scale);
    if (o.layout)
        text.layout = static_cast<TextLayout>(*o.layout);
    if (o.direction)
        text.direction = static_cast<TextDirection>(*o.direction);
    if (o.alignment)
        text.alignment = static_cast<TextAlignment>(*o.alignment);
    assignIf(text.language, o.language);
    assignIf(text.features, o.features);
    assignIf(text.lineSpacing, o.lineSpacing);
    assignIf(text.faceIndex, o.faceIndex);
}

// A JSON string of UTF-8 text; bytes of a name that is not UTF-8 are read as Latin-1.
std::string jsonString(const std::string& s) {
    std::string out = "\"";
    for (const char32_t c : decodeUtf8(utf8ErrorOffset(s) ? latin1ToUtf8(s) : s)) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c));
            out += buf;
        } else {
            appendUtf8(out, c);
        }
    }
    return out + "\"";
}

std::string jsonNumber(double v) {
    if (!std::isfinite(v) || std::fabs(v) >= 1e19)
        return "null";
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.6g", v);
    return buf;
}

// A character no installed font has (a Latin-1 code the font lacks shows the font's
// missing-glyph box, as it always has).
bool missingGlyph(const TextMeshEntry& e) {
    return e.font < 0;
}

// Calls `use` once for each character (by its index in the text) that `pick` chooses an
// entry of: the glyphs of one shaped character come one after another and name it once.
template <class Pick, class Use>
void eachCharacter(const TextMesh& m, Pick pick, Use use) {
    long last = -1;
    for (const TextMeshEntry& e : m.entries) {
        if (pick(e) && e.source != last) {
            last = e.source;
            use(e);
        }
    }
}

// One warning for the characters of each fallback font and one for those no font has: the
// first ten of them, by code point and place.
void warnOfOtherFonts(const Text& text, std::ostream& err) {
    const std::vector<std::string> fallbacks = text.fallbackFonts();
    for (int font = -1; font <= static_cast<int>(fallbacks.size()); ++font) {
        if (font == 0)
            continue;
        std::string named;
        size_t count = 0;
        eachCharacter(
            text.mesh(), [font](const TextMeshEntry& e) { return e.font == font; },
            [&](const TextMeshEntry& e) {
                if (++count > 10)
                    return;
                char code[16];
                std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(e.code));
                named += (named.empty() ? "" : ", ") + utf8Of(e.code) + " (" + code +
                         ", character " + std::to_string(e.source + 1) + ")";
            });
        if (count == 0)
            continue;
        const std::string chars =
            std::to_string(count) + (count == 1 ? " character" : " characters");
        const std::string list = named + (count > 10 ? ", ..." : "");
        if (font < 0)
            err << "vyr-cli: warning: no installed font has " << chars << ": " << list
                << "; they take no room\n";
        else
            err << "vyr-cli: warning: " << chars << " the font lacks come from "
                << fallbacks[font - 1] << ": " << list << "\n";
    }
}

// Build times in milliseconds: `full` of builds from nothing (a new text: the font opened,
// every glyph flattened and triangulated, every character built), `rebuild` of the built text
// built again, which keeps every character that did not change.
struct BuildTimes {
    std::vector<double> full, rebuild;
};

double median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    const size_t n = times.size();
    return n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2.0;
}

void printStats(std::ostream& out, const Text& text, const BuildTimes& times,
                const SolidMesh* solid) {
    const TextMesh& m = text.mesh();
    long contours = 0, points = 0, front = 0, back = 0;
    for (const TextMeshEntry& e : m.entries) {
        contours += e.contourCount();
        points += static_cast<long>(e.records.size());
        front += e.frontCount();
        back += e.backCount();
    }
    const long glyphs = std::count_if(m.entries.begin(), m.entries.end(),
                                      [](const TextMeshEntry& e) { return e.hasGlyph; });
    const char* const directions[] = {"auto", "ltr", "rtl"};
    out << "{\"characters\": " << codePointCount(text.parameters.text) << ", \"glyphs\": " << glyphs
        << ", \"lines\": " << m.lineCount << ", \"layout\": "
        << (text.parameters.layout == TextLayout::kShaped ? "\"shaped\"" : "\"simple\"")
        << ", \"direction\": \"" << directions[static_cast<int>(m.direction)] << "\""
        << ", \"contours\": " << contours << ", \"points\": " << points
        << ", \"frontTriangles\": " << front << ", \"backTriangles\": " << back
        << ", \"width\": " << jsonNumber(m.width) << ", \"minY\": " << jsonNumber(m.minY)
        << ", \"maxY\": " << jsonNumber(m.maxY)
        << ", \"buildMs\": " << jsonNumber(median(times.full)) << ", \"buildMsMin\": "
        << jsonNumber(*std::min_element(times.full.begin(), times.full.end()))
        << ", \"buildMsFirst\": " << jsonNumber(times.full.front())
        << ", \"rebuildMs\": " << jsonNumber(median(times.rebuild))
        << ", \"builds\": " << times.full.size()
        << ", \"fontFile\": " << jsonString(text.openedFontFile());
    // Characters whose bevel had to narrow (or lie flat at the outline) to stay sound, and
    // those whose font contours overlapped and were merged, by their index in the text (the
    // glyphs a shaped character became name it once).
    auto list = [&](const char* name, auto&& pick) {
        out << ", \"" << name << "\": [";
        const char* separator = "";
        eachCharacter(m, pick, [&](const TextMeshEntry& e) {
            out << separator << e.source;
            separator = ", ";
        });
        out << "]";
    };
    list("narrowedBevelCharacters",
         [](const TextMeshEntry& e) { return e.bevelFit != BevelFit::kPlain; });
    list("flatBevelCharacters",
         [](const TextMeshEntry& e) { return e.bevelFit == BevelFit::kFlat; });
    list("mergedOutlineCharacters", [](const TextMeshEntry& e) { return e.outlineMerged; });
    list("missingCharacters", missingGlyph);
    // The fallback fonts that gave this build a glyph.
    out << ", \"fallbackFonts\": [";
    const std::vector<std::string> fallbacks = text.fallbackFonts();
    for (size_t k = 0, listed = 0; k < fallbacks.size(); ++k) {
        const auto from = [k](const TextMeshEntry& e) { return e.font == static_cast<int>(k + 1); };
        if (std::any_of(m.entries.begin(), m.entries.end(), from))
            out << (listed++ ? ", " : "") << jsonString(fallbacks[k]);
    }
    out << "]";
    if (solid != nullptr) {
        out << ", \"solidTriangles\": " << solid->triangles.size() << ", \"unsoundCharacters\": [";
        for (size_t i = 0; i < solid->faults.size(); ++i) {
            const SolidFault& f = solid->faults[i];
            out << (i ? ", " : "") << "{\"index\": " << f.character
                << ", \"character\": " << jsonString(utf8Of(f.code))
                << ", \"reason\": " << jsonString(f.reason()) << "}";
        }
        out << "]";
    }
    out << "}\n";
}

// Renders the scene for an image output (once for all of them) and adds the encoded file.
void addImage(Outputs& outputs, ImageOutput& images, const Scene& scene, const std::string& path,
              const std::string& ext, std::ostream& err) {
    std::vector<unsigned char> bytes;
    std::string error;
    std::vector<std::string> warnings;
    const bool ok = images.encode(scene, ext, bytes, error, warnings);
    for (const std::string& w : warnings)
        err << w << "\n";
    if (!ok)
        throw Failure{"cannot write \"" + path + "\": " + error};
    outputs.add({path, [&](std::ostream& s) {
                     s.write(reinterpret_cast<const char*>(bytes.data()),
                             static_cast<std::streamsize>(bytes.size()));
                     return s ? ExportResult{} : ExportResult::failure("writing failed");
                 }});
}

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Builds the text from nothing `repeat` times, keeping the last build, then rebuilds it as
// often.
BuildTimes buildRepeatedly(Text& text, int repeat) {
    BuildTimes times;
    for (int i = 0; i < repeat; ++i) {
        Text fresh(text.parameters.fontsFolder);
        fresh.parameters = text.parameters;
        const auto start = Clock::now();
        const BuildResult built = fresh.buildMesh();
        times.full.push_back(millisecondsSince(start));
        if (!built.ok)
            throw Failure{built.message};
        if (i + 1 == repeat)
            text = std::move(fresh);
    }
    for (int i = 0; i < repeat; ++i) {
        const auto start = Clock::now();
        text.buildMesh();
        times.rebuild.push_back(millisecondsSince(start));
    }
    return times;
}

// The format an output path names: its extension, or --format for standard output.
std::string formatOf(const CliOptions& o, const std::string& path) {
    return path == "-" ? *o.format : outputExtension(path);
}

// The solid formats and the statistics check that every character's solid is closed.
bool needsSolid(const CliOptions& o) {
    bool need = o.stats;
    for (const std::string& path : o.outputs) {
        const OutputFormat* format = findOutputFormat(formatOf(o, path));
        need |= format != nullptr && format->needsSolid;
    }
    return need;
}

void writeOutputs(const CliOptions& o, const Scene& scene, const SolidMesh& solid,
                  std::ostream& out, std::ostream& err) {
    Outputs outputs(out);
    ImageOutput images(o.image);
    const OutputSource source{scene, &solid, {o.vrmlCamera, o.vrmlLights, o.vrmlText}};
    for (const std::string& path : o.outputs) {
        const std::string ext = formatOf(o, path);
        if (isImageExtension(ext)) {
            addImage(outputs, images, scene, path, ext, err);
            continue;
        }
        // Standard output takes the file alone, without an OBJ's material library.
        for (const OutputFile& file : findOutputFormat(ext)->files(path, source, path != "-"))
            outputs.add(file);
    }
    outputs.commit();
}

int run(const CliOptions& o, std::ostream& out, std::ostream& err) {
    if (o.help) {
        out << usageText();
        return 0;
    }
    if (o.version) {
        out << "vyr-cli " << VYR_VERSION << "\n"
            << FontEngine::versionText() << "\n"
            << OffscreenContext::rendererText() << "\n";
        return 0;
    }

    std::string fileText;
    if (o.textFile) {
        fileText = readTextFile(*o.textFile);
        if (const auto bad = utf8ErrorOffset(fileText)) {
            err << "vyr-cli: the text file \"" << *o.textFile << "\" is not UTF-8 (byte " << *bad
                << ")\n";
            return 2;
        }
    }

    Scene scene(defaultFontsFolder());
    if (o.scene) {
        const SceneFileResult loaded = loadScene(scene, *o.scene);
        if (!loaded.ok)
            throw Failure{loaded.message};
    }
    Text& text = scene.text();
    applyOptions(o, text.parameters, fileText);
    applyImageCamera(o.image, scene);
    const BuildTimes times = buildRepeatedly(text, o.repeat);

    warnOfOtherFonts(text, err);
    const bool needSolid = needsSolid(o);
    SolidMesh solid;
    if (needSolid) {
        solid = buildSolidMesh(text);
        std::istringstream report(solid.faultReport());
        for (std::string line; std::getline(report, line);)
            err << "vyr-cli: warning: " << line << "\n";
    }
    writeOutputs(o, scene, solid, out, err);

    if (o.stats)
        printStats(out, text, times, needSolid ? &solid : nullptr);
    if (o.outputs.empty() && !o.stats) {
        const int n = text.mesh().entryCount;
        out << "Built " << n << (n == 1 ? " character" : " characters") << " in "
            << std::filesystem::path(text.openedFontFile()).filename().string()
            << "; nothing was written. Add -o FILE to write it (see --help).\n";
    }
    return 0;
}

}  // namespace

int runCli(const CliOptions& options, std::ostream& out, std::ostream& err) {
    try {
        return run(options, out, err);
    } catch (const Failure& f) {
        err << "vyr-cli: " << f.message << "\n";
        return 1;
    }
}

}  // namespace vyr
