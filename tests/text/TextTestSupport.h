#pragma once

#include <map>
#include <string>
#include <vector>

#include "text/CText.h"
#include "text/FontLocator.h"

namespace vyr::test {

/// A text object on a real font file, bevel and filters as given, built.
inline CText builtText(const std::string& fontFile, const std::string& chars, int bevelOn = 1) {
    CText t("/nonexistent-folder");
    t.fontPath = fontFile;
    t.text = chars;
    t.bevelOn = bevelOn;
    return t;
}

inline const char* kPangram = "The quick brown fox jumps over the lazy dog 0123456789 ABCDEFG";

}  // namespace vyr::test
