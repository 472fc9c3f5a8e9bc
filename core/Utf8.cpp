#include "core/Utf8.h"

#include <cstdint>

namespace vyr {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The code point of the well-formed sequence at `s[i]` and its length; length 0 when the
// bytes there do not form one.
struct Decoded {
    char32_t c;
    size_t length;
};

Decoded decodeAt(std::string_view s, size_t i) {
    const auto lead = static_cast<uint8_t>(s[i]);
    if (lead < 0x80)
        return {lead, 1};
    // The sequence length and the least code point of that length (shorter forms are overlong).
    size_t length = 0;
    char32_t least = 0;
    char32_t c = 0;
    if ((lead & 0xE0) == 0xC0)
        length = 2, least = 0x80, c = lead & 0x1F;
    else if ((lead & 0xF0) == 0xE0)
        length = 3, least = 0x800, c = lead & 0x0F;
    else if ((lead & 0xF8) == 0xF0)
        length = 4, least = 0x10000, c = lead & 0x07;
    else
        return {0, 0};
    if (s.size() - i < length)
        return {0, 0};
    for (size_t k = 1; k < length; ++k) {
        const auto next = static_cast<uint8_t>(s[i + k]);
        if ((next & 0xC0) != 0x80)
            return {0, 0};
        c = (c << 6) | (next & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return {0, 0};
    return {c, length};
}

}  // namespace

std::optional<size_t> utf8ErrorOffset(std::string_view s) {
    for (size_t i = 0; i < s.size();) {
        const Decoded d = decodeAt(s, i);
        if (d.length == 0)
            return i;
        i += d.length;
    }
    return std::nullopt;
}

std::u32string decodeUtf8(std::string_view s) {
    std::u32string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        const Decoded d = decodeAt(s, i);
        out.push_back(d.length == 0 ? kReplacement : d.c);
        i += d.length == 0 ? 1 : d.length;
    }
    return out;
}

size_t codePointCount(std::string_view s) {
    size_t n = 0;
    for (size_t i = 0; i < s.size(); ++n) {
        const size_t length = decodeAt(s, i).length;
        i += length == 0 ? 1 : length;
    }
    return n;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        c = kReplacement;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string utf8Of(char32_t c) {
    std::string out;
    appendUtf8(out, c);
    return out;
}

std::string latin1ToUtf8(std::string_view latin1) {
    std::string out;
    out.reserve(latin1.size());
    for (const char b : latin1)
        appendUtf8(out, static_cast<uint8_t>(b));
    return out;
}

std::optional<std::string> utf8ToLatin1(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const Decoded d = decodeAt(utf8, i);
        if (d.length == 0 || d.c > 0xFF)
            return std::nullopt;
        out += static_cast<char>(d.c);
        i += d.length;
    }
    return out;
}

}  // namespace vyr
