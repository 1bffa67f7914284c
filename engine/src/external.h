// External routine declarations: the text after "external", and the
// parameter/result kinds as the module stores them.
#pragma once

#include <pscript/pscript.h>

#include <string>
#include <string_view>

namespace pscript {

// Reads 'symbol@library [cc] [delayload]' into out (symbol, library,
// callingConvention, delayLoad). Returns "" or the compile error text.
std::string parseExternalText(std::string_view text, ExternalDecl& out);

// Two characters per parameter (kind, then 'v' or 'r'), then the result kind.
std::string encodeExternalSignature(const ExternalDecl& d);
bool decodeExternalSignature(std::string_view code, ExternalDecl& out);

}  // namespace pscript
