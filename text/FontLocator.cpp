#include "text/FontLocator.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>
#include <vector>

namespace vyr {

namespace fs = std::filesystem;

namespace {

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// File name after the last '/' or '\\', so paths from either system work.
std::string baseName(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool isRegularFile(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(path, ec);
}

// The scalable font fontconfig picks for a pattern such as "Arial:bold"; empty if none.
std::string fontconfigMatch(const std::string& pattern) {
    static FcConfig* config = FcInitLoadConfigAndFonts();
    if (config == nullptr)
        return {};
    FcPattern* pat = FcNameParse(reinterpret_cast<const FcChar8*>(pattern.c_str()));
    if (pat == nullptr)
        return {};
    FcPatternAddBool(pat, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(config, pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, pat, &result);
    std::string file;
    if (match != nullptr) {
        FcChar8* value = nullptr;
        if (FcPatternGetString(match, FC_FILE, 0, &value) == FcResultMatch && value != nullptr) {
            file = reinterpret_cast<const char*>(value);
        }
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pat);
    return isRegularFile(file) ? file : std::string();
}

}  // namespace

std::optional<FontFaceFile> fontForCharacter(char32_t c) {
    static FcConfig* config = FcInitLoadConfigAndFonts();
    if (config == nullptr)
        return std::nullopt;
    FcPattern* pat = FcPatternCreate();
    FcCharSet* wanted = FcCharSetCreate();
    FcCharSetAddChar(wanted, c);
    FcPatternAddCharSet(pat, FC_CHARSET, wanted);
    FcPatternAddBool(pat, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(config, pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    FcResult result = FcResultNoMatch;
    // The best match need not hold the character (fontconfig always answers): check it.
    FcPattern* match = FcFontMatch(config, pat, &result);
    std::optional<FontFaceFile> found;
    FcCharSet* has = nullptr;
    FcChar8* file = nullptr;
    int face = 0;
    if (match != nullptr && FcPatternGetCharSet(match, FC_CHARSET, 0, &has) == FcResultMatch &&
        FcCharSetHasChar(has, c) && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch &&
        isRegularFile(reinterpret_cast<const char*>(file))) {
        FcPatternGetInteger(match, FC_INDEX, 0, &face);
        face &= 0xFFFF;  // the upper half names an instance of a variable font
        found = FontFaceFile{reinterpret_cast<const char*>(file), face};
    }
    if (match != nullptr)
        FcPatternDestroy(match);
    FcPatternDestroy(pat);
    FcCharSetDestroy(wanted);
    return found;
}

namespace {

struct FamilyEntry {
    const char* stem;
    const char* pattern;
};

// Windows core font file names and the families they hold.
constexpr FamilyEntry kFamilies[] = {
    {"arial", "Arial"},
    {"arialbd", "Arial:bold"},
    {"ariali", "Arial:italic"},
    {"arialbi", "Arial:bold:italic"},
    {"ariblk", "Arial Black"},
    {"arialn", "Arial Narrow"},
    {"times", "Times New Roman"},
    {"timesbd", "Times New Roman:bold"},
    {"timesi", "Times New Roman:italic"},
    {"timesbi", "Times New Roman:bold:italic"},
    {"cour", "Courier New"},
    {"courbd", "Courier New:bold"},
    {"couri", "Courier New:italic"},
    {"courbi", "Courier New:bold:italic"},
    {"verdana", "Verdana"},
    {"verdanab", "Verdana:bold"},
    {"verdanai", "Verdana:italic"},
    {"verdanaz", "Verdana:bold:italic"},
    {"georgia", "Georgia"},
    {"georgiab", "Georgia:bold"},
    {"tahoma", "Tahoma"},
    {"tahomabd", "Tahoma:bold"},
    {"trebuc", "Trebuchet MS"},
    {"trebucbd", "Trebuchet MS:bold"},
    {"comic", "Comic Sans MS"},
    {"comicbd", "Comic Sans MS:bold"},
    {"impact", "Impact"},
    {"lucon", "Lucida Console"},
    {"calibri", "Calibri"},
    {"cambria", "Cambria"},
    {"segoeui", "Segoe UI"},
};

}  // namespace

std::string defaultFontsFolder() {
    const std::string file = fontconfigMatch("Arial");
    if (file.empty())
        return {};
    return fs::path(file).parent_path().string();
}

std::string familyForFontFile(const std::string& fileName) {
    std::string stem = lower(baseName(fileName));
    const size_t dot = stem.rfind('.');
    if (dot != std::string::npos)
        stem.resize(dot);
    for (const FamilyEntry& entry : kFamilies) {
        if (stem == entry.stem)
            return entry.pattern;
    }
    return {};
}

std::optional<std::string> resolveFontPath(const std::string& fontPath,
                                           const std::string& fontsFolder) {
    if (isRegularFile(fontPath))
        return fontPath;

    const std::string wanted = lower(baseName(fontPath));
    if (wanted.empty())
        return std::nullopt;
    std::vector<std::string> folders{fontsFolder};
    const std::string fallback = defaultFontsFolder();
    if (fallback != fontsFolder)
        folders.push_back(fallback);
    for (const std::string& folder : folders) {
        std::error_code ec;
        if (folder.empty() || !fs::is_directory(folder, ec))
            continue;
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
            if (lower(it->path().filename().string()) == wanted && isRegularFile(it->path())) {
                return it->path().string();
            }
        }
    }

    const std::string family = familyForFontFile(wanted);
    if (!family.empty()) {
        std::string file = fontconfigMatch(family);
        if (!file.empty())
            return file;
    }
    return std::nullopt;
}

}  // namespace vyr
