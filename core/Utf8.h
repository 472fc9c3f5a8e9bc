#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vyr {

/// The offset of the first byte of `s` that does not begin a well-formed UTF-8 sequence
/// (overlong forms, surrogates and code points above U+10FFFF are not well formed); nothing
/// when the whole string is well formed.
std::optional<size_t> utf8ErrorOffset(std::string_view s);

/// The code points of `s`; each byte of a sequence that is not well formed becomes U+FFFD.
std::u32string decodeUtf8(std::string_view s);

/// The number of code points decodeUtf8 gives, without building them.
size_t codePointCount(std::string_view s);

/// Appends the UTF-8 form of `c` (U+FFFD for a surrogate or a value above U+10FFFF).
void appendUtf8(std::string& out, char32_t c);

/// The UTF-8 form of one code point.
std::string utf8Of(char32_t c);

/// Latin-1 bytes as UTF-8.
std::string latin1ToUtf8(std::string_view latin1);

/// UTF-8 as Latin-1 bytes; nothing when a code point lies beyond U+00FF or the text is not
/// well formed.
std::optional<std::string> utf8ToLatin1(std::string_view utf8);

}  // namespace vyr
