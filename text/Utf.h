// UTF-8 and UTF-16, as grid texts (UTF-8) and field conversions (UTF-16) meet.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarno::text {

// Appends the UTF-8 sequence of a code point (a lone surrogate too).
void AppendUtf8(std::string& out, char32_t codePoint);

// Decodes the UTF-8 sequence at pos and moves pos behind it. Surrogate code
// points are accepted (they carry lone surrogates of 2-byte text fields through
// the grid); anything malformed yields U+FFFD for its first byte alone.
char32_t DecodeUtf8(std::string_view text, size_t& pos);

// UTF-8 <-> UTF-16; malformed UTF-8 bytes become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);
// The same into a buffer the caller reuses.
void Utf8ToUtf16(std::string_view text, std::u16string& out);
void Utf16ToUtf8(std::u16string_view text, std::string& out);

}  // namespace tarno::text
