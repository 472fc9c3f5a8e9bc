#include "app/dialogs/SystemFonts.h"

#include <fontconfig/fontconfig.h>

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <map>
#include <memory>

namespace vyr {

namespace {

bool lessIgnoringCase(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) < 0;
}

bool isRegularStyle(const QString& style) {
    static const QStringList regular{QStringLiteral("Regular"), QStringLiteral("Book"),
                                     QStringLiteral("Normal"), QStringLiteral("Roman")};
    return regular.contains(style, Qt::CaseInsensitive);
}

QString stringOf(FcPattern* p, const char* object) {
    FcChar8* value = nullptr;
    if (FcPatternGetString(p, object, 0, &value) != FcResultMatch || value == nullptr)
        return {};
    return QString::fromUtf8(reinterpret_cast<const char*>(value));
}

}  // namespace

QStringList fontFilePatterns() {
    return {QStringLiteral("*.ttf"), QStringLiteral("*.otf"), QStringLiteral("*.ttc"),
            QStringLiteral("*.otc")};
}

std::vector<InstalledFont> installedFonts() {
    std::vector<InstalledFont> fonts;
    if (FcInit() == FcFalse)
        return fonts;
    std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> pattern(FcPatternCreate(),
                                                                    FcPatternDestroy);
    std::unique_ptr<FcObjectSet, decltype(&FcObjectSetDestroy)> objects(
        FcObjectSetBuild(FC_FAMILY, FC_STYLE, FC_FILE, FC_INDEX, nullptr), FcObjectSetDestroy);
    std::unique_ptr<FcFontSet, decltype(&FcFontSetDestroy)> set(
        FcFontList(nullptr, pattern.get(), objects.get()), FcFontSetDestroy);
    if (!set)
        return fonts;

    // family -> (font, regular?)
    std::map<QString, std::pair<InstalledFont, bool>, decltype(&lessIgnoringCase)> byFamily(
        &lessIgnoringCase);
    const QStringList patterns = fontFilePatterns();
    for (int i = 0; i < set->nfont; ++i) {
        const QString file = stringOf(set->fonts[i], FC_FILE);
        const QString family = stringOf(set->fonts[i], FC_FAMILY);
        if (family.isEmpty() || !QDir::match(patterns, QFileInfo(file).fileName()))
            continue;
        int face = 0;
        FcPatternGetInteger(set->fonts[i], FC_INDEX, 0, &face);
        const InstalledFont font{family, file, face & 0xFFFF};
        const bool regular = isRegularStyle(stringOf(set->fonts[i], FC_STYLE));
        auto it = byFamily.find(family);
        if (it == byFamily.end())
            byFamily.emplace(family, std::make_pair(font, regular));
        else if (regular && !it->second.second)
            it->second = {font, true};
    }
    for (const auto& [family, entry] : byFamily)
        fonts.push_back(entry.first);
    return fonts;
}

QStringList fontChoices(const QString& folder, const QString& currentName, int* selected) {
    QStringList names;
    const QDir dir(folder);
    if (!folder.isEmpty() && dir.exists()) {
        names = dir.entryList(fontFilePatterns(), QDir::Files | QDir::Hidden, QDir::NoSort);
    }
    names << currentName;
    std::stable_sort(names.begin(), names.end(), lessIgnoringCase);
    *selected = -1;
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (names[i].startsWith(currentName, Qt::CaseInsensitive)) {
            *selected = static_cast<int>(i);
            break;
        }
    }
    return names;
}

const QStringList& filterNames() {
    static const QStringList names = [] {
        QStringList n{
            QStringLiteral("none"),   QStringLiteral("chaos"),       QStringLiteral("rainbow"),
            QStringLiteral("floppy"), QStringLiteral("twirl"),       QStringLiteral("circle"),
            QStringLiteral("drunk"),  QStringLiteral("semi-circle"), QStringLiteral("perspective")};
        std::stable_sort(n.begin(), n.end(), lessIgnoringCase);
        return n;
    }();
    return names;
}

}  // namespace vyr
