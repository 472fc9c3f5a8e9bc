#pragma once

#include <optional>
#include <string>

namespace vyr {

/// The folder of the font that fontconfig matches for the family "Arial" (Liberation Sans on
/// Debian); empty when fontconfig finds nothing.
std::string defaultFontsFolder();

/// The family a Windows font file name stands for ("ARIAL.TTF" -> "Arial", "TIMES.TTF" ->
/// "Times New Roman", "COUR.TTF" -> "Courier New", ...), with a style suffix such as
/// ":bold"; empty for a name it does not know.
std::string familyForFontFile(const std::string& fileName);

/// The file to open for a stored font path: the path itself when it exists; else a file in
/// `fontsFolder` whose name matches the path's file name ignoring case; else fontconfig's
/// match for the family the file name stands for. nullopt when none exists.
std::optional<std::string> resolveFontPath(const std::string& fontPath,
                                           const std::string& fontsFolder);

/// A font file and the face in it.
struct FontFaceFile {
    std::string file;
    int face = 0;
};

/// The scalable font fontconfig chooses for character `c` among those whose character set
/// holds it; nothing when no installed font has it.
std::optional<FontFaceFile> fontForCharacter(char32_t c);

}  // namespace vyr
