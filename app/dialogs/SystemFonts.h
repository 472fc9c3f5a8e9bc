#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace vyr {

/// One TrueType family installed on the system, with the file of its regular face.
struct InstalledFont {
    QString family;
    QString path;
    int face = 0;  ///< in a font collection
};

/// The file patterns of the fonts the text takes: TrueType, OpenType (TrueType or CFF
/// outlines) and their collections.
QStringList fontFilePatterns();

/// The installed font families (of fontFilePatterns()) that fontconfig knows, sorted by family
/// name, one entry each (the regular face when there is one).
std::vector<InstalledFont> installedFonts();

/// The font box's entries: the "*.ttf" files of `folder` (names only; none when the folder
/// does not exist) and `currentName`, sorted ignoring case. `selected` receives the index of
/// the first entry that begins with `currentName`, ignoring case.
QStringList fontChoices(const QString& folder, const QString& currentName, int* selected);

/// The nine filter names in the order their numbers count (alphabetical).
const QStringList& filterNames();

}  // namespace vyr
