#include "external.h"

#include "text.h"

namespace pscript {

namespace {

constexpr std::string_view kInvalidExternal = "Invalid External";
constexpr std::string_view kInvalidConvention = "Invalid Calling Convention";
constexpr char kFirstKindCode = 'A';
constexpr char kByValue = 'v', kByRef = 'r';

bool isCallingConvention(const std::string& upper) {
  return upper == "REGISTER" || upper == "STDCALL" || upper == "CDECL" || upper == "PASCAL";
}

std::string withoutQuotes(std::string_view s) {
  if (s.size() >= 2 && s.front() == '"' && s.back() == '"') s = s.substr(1, s.size() - 2);
  return std::string(s);
}

// Everything after the library: the calling convention, then only "delayload" words.
std::string parseOptions(std::string_view rest, ExternalDecl& out) {
  size_t space = rest.find(' ');
  out.callingConvention = upperAscii(rest.substr(0, space));
  while (space != std::string_view::npos) {
    rest = rest.substr(space + 1);
    space = rest.find(' ');
    if (upperAscii(rest.substr(0, space)) != "DELAYLOAD") return std::string(kInvalidExternal);
    out.delayLoad = true;
  }
  return isCallingConvention(out.callingConvention) ? std::string() : std::string(kInvalidConvention);
}

char kindCode(ExternalDecl::Kind k) { return static_cast<char>(kFirstKindCode + static_cast<int>(k)); }

bool kindFromCode(char c, ExternalDecl::Kind& k) {
  int v = c - kFirstKindCode;
  if (v < 0 || v > static_cast<int>(ExternalDecl::Kind::Other)) return false;
  k = static_cast<ExternalDecl::Kind>(v);
  return true;
}

}  // namespace

std::string parseExternalText(std::string_view text, ExternalDecl& out) {
  size_t at = text.rfind('@');
  if (at == std::string_view::npos) return std::string(kInvalidExternal);
  out.symbol = std::string(text.substr(0, at));
  std::string_view rest = text.substr(at + 1);
  out.delayLoad = false;
  if (rest.find(' ') == std::string_view::npos) {
    out.library = withoutQuotes(rest);
    out.callingConvention = "REGISTER";
    return {};
  }
  if (rest.front() == '"') {
    size_t close = rest.find('"', 1);
    if (close == std::string_view::npos) close = rest.size();
    out.library = std::string(rest.substr(1, close - 1));
    rest = close < rest.size() ? rest.substr(close + 1) : std::string_view();
    if (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
  } else {
    size_t space = rest.find(' ');
    out.library = std::string(rest.substr(0, space));
    rest = rest.substr(space + 1);
  }
  return parseOptions(rest, out);
}

std::string encodeExternalSignature(const ExternalDecl& d) {
  std::string code;
  for (const auto& p : d.params) {
    code += kindCode(p.kind);
    code += p.byRef ? kByRef : kByValue;
  }
  code += kindCode(d.result);
  return code;
}

bool decodeExternalSignature(std::string_view code, ExternalDecl& out) {
  if (code.empty() || code.size() % 2 != 1) return false;
  out.params.clear();
  for (size_t i = 0; i + 1 < code.size(); i += 2) {
    ExternalDecl::Param p;
    if (!kindFromCode(code[i], p.kind) || p.kind == ExternalDecl::Kind::None) return false;
    if (code[i + 1] != kByValue && code[i + 1] != kByRef) return false;
    p.byRef = code[i + 1] == kByRef;
    out.params.push_back(p);
  }
  return kindFromCode(code.back(), out.result);
}

}  // namespace pscript
