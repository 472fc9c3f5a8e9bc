#pragma once

// Helpers shared by the text tests: texts on the real test fonts and their display lists.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/Filters.h"
#include "text/FontLocator.h"
#include "text/GlSink.h"
#include "text/Text.h"

namespace vyr::test {

inline constexpr const char* kPangram =
    "The quick brown fox jumps over the lazy dog 0123456789 ABCDEFG";

/// A text object on a real font file with the bevel as given, not yet built.
inline Text textOn(const std::string& fontFile, const std::string& chars, int bevelOn = 1) {
    Text t("/nonexistent-folder");
    t.parameters.chooseFontPath(fontFile);
    t.parameters.text = chars;
    t.parameters.bevelOn = bevelOn;
    return t;
}

inline GlRecorder solidOf(const Text& t) {
    GlRecorder r;
    t.emitSolidList(r);
    return r;
}

inline GlRecorder wireOf(const Text& t) {
    GlRecorder r;
    t.emitWireList(r);
    return r;
}

}  // namespace vyr::test
