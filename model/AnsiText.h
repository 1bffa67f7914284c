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

}  // namespace tarno
