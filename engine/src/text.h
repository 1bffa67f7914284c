// Text helpers shared by the engine: encodings, number parsing and the
// RTL's number formatting.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace pscript {

// AnsiString is UTF-8 on this platform, as with the reference build.
std::u16string utf8ToUtf16(std::string_view s);
std::string utf16ToAnsi(std::u16string_view s);
inline std::u16string ansiToUtf16(std::string_view s) { return utf8ToUtf16(s); }

std::string upperAscii(std::string_view s);
std::string lowerAscii(std::string_view s);
bool equalsNoCase(std::string_view a, std::string_view b);

// Integer text as the RTL's Val reads it: leading spaces, sign, decimal or
// $/0x hexadecimal digits, no trailing characters.
bool parseInt64(std::string_view s, int64_t& out);
// Float text as Val reads it ('.' separator).
bool parseReal(std::string_view s, double& out);

// The RTL's FloatToStr (15 significant digits, general form).
std::string rtlFloatToStr(double d);
// The dialect's own FloatToStr: fixed, 12 decimals.
std::string engineFloatToStr(double d);

}  // namespace pscript
