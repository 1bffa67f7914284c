// The single-byte code page of text fields (Windows-1252), made bijective:
// the five undefined bytes map to the C1 code points of the same value.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarno {

char16_t AnsiToUnicode(uint8_t byte);
// The byte for a UTF-16 unit; '?' when the code page has no such character.
uint8_t UnicodeToAnsi(char16_t unit);

// UTF-8 <-> UTF-16 for grid texts; malformed UTF-8 bytes become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);
// The same into a buffer the caller reuses.
void Utf8ToUtf16(std::string_view text, std::u16string& out);
void Utf16ToUtf8(std::u16string_view text, std::string& out);

}  // namespace tarno
