#include "cli/CliOptions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "core/Utf8.h"
#include "export/OutputFormats.h"
#include "text/Filters.h"
#include "text/Shaper.h"
#include "text/TextParameters.h"

namespace vyr {

namespace {

struct Parser {
    const std::vector<std::string>& args;
    size_t i = 0;
    ParseResult result;

    bool fail(std::string why) {
        if (result.ok) {
            result.ok = false;
            result.error = std::move(why);
        }
        return false;
    }

    // The value after option `name`, or a failure.
    std::optional<std::string> value(const std::string& name) {
        if (i + 1 >= args.size()) {
            fail("option " + name + " needs a value");
            return std::nullopt;
        }
        return args[++i];
    }

    template <typename T>
    bool number(const std::string& name, double lo, double hi, std::optional<T>& into) {
        const auto text = value(name);
        if (!text)
            return false;
        const auto v = parseNumber(*text);
        if (!v || *v < lo || *v > hi) {
            char range[96];
            std::snprintf(range, sizeof range, "%g to %g", lo, hi);
            return fail(name + " takes a number from " + range + ", not \"" + *text + "\"");
        }
        into = static_cast<T>(*v);
        return true;
    }

    bool onOff(const std::string& name, std::optional<int>& into) {
        const auto text = value(name);
        if (!text)
            return false;
        if (*text == "on") {
            into = 1;
        } else if (*text == "off") {
            into = 0;
        } else {
            return fail(name + " takes on or off, not \"" + *text + "\"");
        }
        return true;
    }

    bool filter(const std::string& name, std::optional<int>& into) {
        const auto text = value(name);
        if (!text)
            return false;
        const int index = filterIndex(*text);
        if (index < 0) {
            return fail(name +
                        " takes one of chaos, circle, drunk, floppy, none, perspective, "
                        "rainbow, semi-circle, twirl; not \"" +
                        *text + "\"");
        }
        into = index;
        return true;
    }

    // One of `names`, as its index.
    bool choice(const std::string& name, std::initializer_list<const char*> names,
                std::optional<int>& into) {
        const auto text = value(name);
        if (!text)
            return false;
        std::string listed;
        int index = 0;
        for (const char* n : names) {
            if (*text == n) {
                into = index;
                return true;
            }
            listed += (index++ ? ", " : "") + std::string(n);
        }
        return fail(name + " takes one of " + listed + "; not \"" + *text + "\"");
    }

    bool scale() {
        const auto text = value("--scale");
        if (!text)
            return false;
        std::array<float, 3> xyz{};
        size_t start = 0;
        for (int k = 0; k < 3; ++k) {
            const size_t comma = text->find(',', start);
            if ((k < 2) != (comma != std::string::npos))
                break;
            const auto v = parseNumber(text->substr(start, comma - start));
            if (!v || std::fabs(*v) > 10000.0)
                break;
            xyz[k] = static_cast<float>(*v);
            if (k == 2) {
                result.options.scale = xyz;
                return true;
            }
            start = comma + 1;
        }
        return fail("--scale takes X,Y,Z, three numbers from -10000 to 10000, not \"" + *text +
                    "\"");
    }

    bool vrmlParts() {
        const auto text = value("--vrml-parts");
        if (!text)
            return false;
        CliOptions& o = result.options;
        o.vrmlCamera = o.vrmlLights = o.vrmlText = false;
        // "none", like an empty list, leaves the world its header line alone.
        if (*text == "none")
            return true;
        size_t start = 0;
        while (start <= text->size()) {
            size_t comma = text->find(',', start);
            if (comma == std::string::npos)
                comma = text->size();
            const std::string part = text->substr(start, comma - start);
            if (part == "camera") {
                o.vrmlCamera = true;
            } else if (part == "lights") {
                o.vrmlLights = true;
            } else if (part == "text") {
                o.vrmlText = true;
            } else if (!part.empty()) {
                return fail("--vrml-parts takes a list of camera, lights, text, or none; not \"" +
                            part + "\"");
            }
            start = comma + 1;
        }
        return true;
    }

    bool output() {
        const auto path = value("-o");
        if (!path)
            return false;
        if (*path != "-" && !isOutputFormat(outputExtension(*path))) {
            return fail("cannot tell the format of \"" + *path +
                        "\": use .vyr, .wrl, .c, .stl, .obj, .glb, .jpg or .png");
        }
        result.options.outputs.push_back(*path);
        return true;
    }

    bool format() {
        const auto name = value("--format");
        if (!name)
            return false;
        if (!isOutputFormat(*name, true)) {
            return fail("--format takes one of vyr, wrl, stl, obj, glb, jpg, png; not \"" + *name +
                        "\"");
        }
        result.options.format = *name;
        return true;
    }

    // Standard output takes one file, in a format named by --format, and nothing else.
    void checkPiped() {
        const CliOptions& o = result.options;
        const auto piped = std::count(o.outputs.begin(), o.outputs.end(), "-");
        if (piped > 1) {
            fail("-o - can be given once");
        } else if (piped == 1 && !o.format) {
            fail("-o - needs --format (vyr, wrl, stl, obj, glb, jpg or png)");
        } else if (piped == 0 && o.format) {
            fail("--format names the format of -o -, which is not given");
        } else if (piped == 1 && o.stats) {
            fail("--stats and -o - both write to standard output; give one of them");
        }
    }

    void run() {
        CliOptions& o = result.options;
        for (; i < args.size() && result.ok; ++i) {
            const std::string& a = args[i];
            if (a == "--help" || a == "-h") {
                o.help = true;
            } else if (a == "--version") {
                o.version = true;
            } else if (a == "--scene") {
                if (auto v = value(a))
                    o.scene = *v;
            } else if (a == "--text") {
                if (auto v = value(a)) {
                    if (const auto bad = utf8ErrorOffset(*v))
                        fail("--text is not UTF-8 (byte " + std::to_string(*bad) + ")");
                    o.text = *v;
                }
            } else if (a == "--text-file") {
                if (auto v = value(a))
                    o.textFile = *v;
            } else if (a == "--fonts-folder") {
                if (auto v = value(a))
                    o.fontsFolder = *v;
            } else if (a == "--font") {
                if (auto v = value(a))
                    o.font = *v;
            } else if (a == "--precision") {
                number(a, TextParameters::kMinPrecision, TextParameters::kMaxPrecision,
                       o.precision);
            } else if (a == "--extrusion") {
                number(a, 0, TextParameters::kMaxExtrusion, o.extrusion);
            } else if (a == "--bevel-depth") {
                number(a, 0, TextParameters::kMaxBevelDepth, o.bevelDepth);
            } else if (a == "--bevel-width") {
                number(a, 0, TextParameters::kMaxBevelWidth, o.bevelWidth);
            } else if (a == "--bevel") {
                onOff(a, o.bevel);
            } else if (a == "--rounded") {
                onOff(a, o.rounded);
            } else if (a == "--filter1") {
                filter(a, o.filter1);
            } else if (a == "--filter2") {
                filter(a, o.filter2);
            } else if (a == "--layout") {
                choice(a, {"simple", "shaped"}, o.layout);
            } else if (a == "--direction") {
                choice(a, {"auto", "ltr", "rtl"}, o.direction);
            } else if (a == "--align") {
                choice(a, {"left", "center", "right"}, o.alignment);
            } else if (a == "--language") {
                if (auto v = value(a)) {
                    if (const auto why = languageProblem(*v))
                        fail("--language: " + *why);
                    o.language = *v;
                }
            } else if (a == "--features") {
                if (auto v = value(a)) {
                    if (const auto why = featureProblem(*v))
                        fail("--features: " + *why);
                    o.features = *v;
                }
            } else if (a == "--line-spacing") {
                number(a, TextParameters::kMinLineSpacing, TextParameters::kMaxLineSpacing,
                       o.lineSpacing);
            } else if (a == "--face-index") {
                number(a, 0, TextParameters::kMaxFaceIndex, o.faceIndex);
            } else if (a == "--scale") {
                scale();
            } else if (a == "--vrml-parts") {
                vrmlParts();
            } else if (a == "-o" || a == "--output") {
                output();
            } else if (a == "--format") {
                format();
            } else if (a == "--stats") {
                o.stats = true;
            } else if (a == "--repeat") {
                std::optional<int> n;
                if (number(a, 1, 100000, n))
                    o.repeat = *n;
            } else if (std::string error; parseImageOption(args, i, o.image, error)) {
                if (!error.empty())
                    fail(error);
            } else {
                fail("unknown option \"" + a + "\" (see --help)");
            }
        }
        if (result.ok && o.text && o.textFile)
            fail("give either --text or --text-file, not both");
        if (result.ok)
            checkPiped();
    }
};

}  // namespace

bool isOutputFormat(const std::string& ext, bool piped) {
    const OutputFormat* format = findOutputFormat(ext);
    return (format != nullptr && (format->standsAlone || !piped)) || isImageExtension(ext);
}

std::string outputExtension(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    const size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    std::string ext = path.substr(dot + 1);
    for (char& c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

ParseResult parseArguments(const std::vector<std::string>& args) {
    Parser p{args, 0, {}};
    p.run();
    return p.result;
}

std::string usageText() {
    return std::string(
               "Usage: vyr-cli [options] [-o FILE]...\n"
               "Builds extruded 3D text and writes it out. Starts from the default scene.\n"
               "\n"
               "  --scene FILE.vyr        start from a saved scene\n"
               "  --text TEXT             the text (UTF-8)\n"
               "  --text-file FILE        read the text from a file (- for standard input)\n"
               "  --fonts-folder DIR      where font file names are looked up\n"
               "  --font FILE             a font file name in the folder, or a path\n"
               "  --precision P           flattening step in pixels, 1 to 100 (default 18)\n"
               "  --extrusion L           depth of the side walls, 0 to 10000 (default 30)\n"
               "  --bevel on|off          bevel between the walls and the back face (default on)\n"
               "  --bevel-depth D         0 to 10000 (default 5)\n"
               "  --bevel-width W         0 to 100 (default 4)\n"
               "  --rounded on|off        rounded bevel normals (default off)\n"
               "  --filter1 NAME, --filter2 NAME\n"
               "                          chaos, circle, drunk, floppy, none, perspective,\n"
               "                          rainbow, semi-circle, twirl\n"
               "  --scale X,Y,Z           the text's scale (default 0.0025,0.0025,0.0025)\n"
               "  --layout simple|shaped  place each glyph at the last one's advance (the\n"
               "                          default), or shape the text with HarfBuzz: kerning,\n"
               "                          ligatures, joining, reordering, right to left\n"
               "  --direction auto|ltr|rtl\n"
               "                          the direction of shaped text (default auto)\n"
               "  --language TAG          the language for shaping, such as ar or hi\n"
               "  --features LIST         shaping features, such as -liga,+smcp,kern=0\n"
               "  --line-spacing F        line distance in font line heights, 0.1 to 10\n"
               "                          (default 1); a line break in the text starts a line\n"
               "  --align left|center|right\n"
               "                          where the lines start (default left)\n"
               "  --face-index N          the face in a font collection (.ttc; default 0)\n"
               "  -o FILE                 write FILE; the extension picks the format:\n"
               "                          .vyr scene, .wrl VRML 2.0, .c C/OpenGL source (with "
               ".h),\n"
               "                          .stl binary STL, .obj Wavefront OBJ (with .mtl),\n"
               "                          .glb binary glTF 2.0, .jpg JPEG, .png PNG (see below);\n"
               "                          - for standard output, in the format --format names\n"
               "  --format FORMAT         what -o - writes: vyr, wrl, stl, obj (without\n"
               "                          materials), glb, jpg or png\n"
               "  --vrml-parts LIST       what a .wrl holds: camera,lights,text (default all);\n"
               "                          none (or an empty list) for the header line alone\n"
               "  --stats                 print statistics of the build as JSON\n"
               "  --repeat N              build N times from nothing, then rebuild N times\n"
               "                          (keeping the unchanged characters); --stats gives\n"
               "                          the medians as buildMs and rebuildMs\n"
               "  --help                  print this help\n"
               "  --version               print the versions of vyr-cli, FreeType and OpenGL\n"
               "\n") +
           imageUsageText() +
           "\n"
           "Exit status:\n"
           "  0  success\n"
           "  1  failure; no output file is written\n"
           "  2  bad arguments\n";
}

std::optional<double> parseNumber(const std::string& s) {
    double v = 0.0;
    const char* end = s.data() + s.size();
    auto [ptr, ec] = std::from_chars(s.data(), end, v);
    if (ec != std::errc() || ptr != end || !std::isfinite(v))
        return std::nullopt;
    return v;
}

}  // namespace vyr
