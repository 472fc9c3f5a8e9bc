#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/ImageOutput.h"

namespace vyr {

/// What the command line asks for. Values are validated by parseArguments.
struct CliOptions {
    std::optional<std::string> scene;
    /// The text in UTF-8.
    std::optional<std::string> text;
    /// "-" reads standard input.
    std::optional<std::string> textFile;
    std::optional<std::string> fontsFolder;
    std::optional<std::string> font;
    std::optional<double> precision;
    std::optional<double> extrusion;
    std::optional<double> bevelDepth;
    std::optional<float> bevelWidth;
    std::optional<int> bevel;
    std::optional<int> rounded;
    std::optional<int> filter1;
    std::optional<int> filter2;
    std::optional<std::array<float, 3>> scale;
    /// Indices of the choices: simple/shaped, auto/ltr/rtl, left/center/right.
    std::optional<int> layout, direction, alignment;
    std::optional<std::string> language, features;
    std::optional<double> lineSpacing;
    std::optional<int> faceIndex;
    /// Output paths; "-" is standard output, in the format `format` names.
    std::vector<std::string> outputs;
    std::optional<std::string> format;
    bool vrmlCamera = true, vrmlLights = true, vrmlText = true;
    bool stats = false;
    int repeat = 1;
    ImageOptions image;
    bool help = false;
    bool version = false;
};

struct ParseResult {
    bool ok = true;
    std::string error;
    CliOptions options;
};

/// Parses the arguments after the program name. Numbers are checked against the ranges the
/// text dialog allows; output names must have a known extension.
ParseResult parseArguments(const std::vector<std::string>& args);

/// Whether vyr-cli writes the format of extension `ext`; `piped` asks whether it can go to
/// standard output (a single file, so not C source with its header).
bool isOutputFormat(const std::string& ext, bool piped = false);

/// The lower-case extension of an output file name ("stl" for "a/B.STL"); empty without one.
std::string outputExtension(const std::string& path);

/// The whole of `s` as a finite decimal number, or nothing.
std::optional<double> parseNumber(const std::string& s);

/// The help printed by --help, the image options' included.
std::string usageText();

}  // namespace vyr
