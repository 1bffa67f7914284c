#include "MenuShortcuts.h"

#include <array>
#include <cctype>

namespace tarno {

namespace {

constexpr uint16_t kModifierBits = kShortCutShift | kShortCutCtrl | kShortCutAlt;

// Names of the keys between Space ($20) and Down ($28).
constexpr std::array<const char*, 9> kNavigationNames = {"Space", "PgUp", "PgDn", "End", "Home",
                                                          "Left",  "Up",   "Right", "Down"};

// Punctuation keys of a US keyboard, where the Windows names come from the
// keyboard layout.
std::string PunctuationName(unsigned key) {
  switch (key) {
    case 0xBA: return ";";
    case 0xBB: return "=";
    case 0xBC: return ",";
    case 0xBD: return "-";
    case 0xBE: return ".";
    case 0xBF: return "/";
    case 0xC0: return "`";
    case 0xDB: return "[";
    case 0xDC: return "\\";
    case 0xDD: return "]";
    case 0xDE: return "'";
    case 0x6A: return "Num *";
    case 0x6B: return "Num +";
    case 0x6D: return "Num -";
    case 0x6F: return "Num /";
    default: return "";
  }
}

std::string KeyName(unsigned key) {
  if (key == 0x08) return "BkSp";
  if (key == 0x09) return "Tab";
  if (key == 0x0D) return "Enter";
  if (key == 0x1B) return "Esc";
  if (key >= 0x20 && key <= 0x28) return kNavigationNames[key - 0x20];
  if (key == 0x2D) return "Ins";
  if (key == 0x2E) return "Del";
  if (key >= 0x30 && key <= 0x39) return std::string(1, static_cast<char>('0' + key - 0x30));
  if (key >= 0x41 && key <= 0x5A) return std::string(1, static_cast<char>('A' + key - 0x41));
  if (key >= 0x60 && key <= 0x69) return std::string(1, static_cast<char>('0' + key - 0x60));
  if (key >= 0x70 && key <= 0x87) return "F" + std::to_string(key - 0x6F);
  return PunctuationName(key);
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

// Removes a leading modifier from text and returns its bit, or 0.
uint16_t TakeModifier(std::string_view& text) {
  struct Prefix {
    std::string_view text;
    uint16_t bit;
  };
  static constexpr Prefix kPrefixes[] = {
      {"Shift+", kShortCutShift}, {"^", kShortCutCtrl}, {"Ctrl+", kShortCutCtrl}, {"Alt+", kShortCutAlt}};
  for (const Prefix& prefix : kPrefixes) {
    if (text.size() >= prefix.text.size() && EqualIgnoringCase(text.substr(0, prefix.text.size()), prefix.text)) {
      text.remove_prefix(prefix.text.size());
      return prefix.bit;
    }
  }
  return 0;
}

}  // namespace

uint16_t ShortCut(uint16_t key, uint32_t shiftState) {
  if (key > 0xFF) return 0;
  uint16_t result = key;
  if (shiftState & kSsShift) result |= kShortCutShift;
  if (shiftState & kSsCtrl) result |= kShortCutCtrl;
  if (shiftState & kSsAlt) result |= kShortCutAlt;
  return result;
}

void ShortCutToKey(uint16_t shortCut, uint16_t& key, uint32_t& shiftState) {
  key = shortCut & static_cast<uint16_t>(~kModifierBits);
  shiftState = 0;
  if (shortCut & kShortCutShift) shiftState |= kSsShift;
  if (shortCut & kShortCutCtrl) shiftState |= kSsCtrl;
  if (shortCut & kShortCutAlt) shiftState |= kSsAlt;
}

std::string ShortCutToText(uint16_t shortCut) {
  const std::string name = KeyName(shortCut & 0xFFu);
  if (name.empty()) return "";
  std::string result;
  if (shortCut & kShortCutShift) result += "Shift+";
  if (shortCut & kShortCutCtrl) result += "Ctrl+";
  if (shortCut & kShortCutAlt) result += "Alt+";
  return result + name;
}

uint16_t TextToShortCut(std::string_view text) {
  uint16_t modifiers = 0;
  while (const uint16_t bit = TakeModifier(text)) modifiers |= bit;
  if (text.empty()) return 0;
  for (unsigned key = 0x08; key <= 0xFF; ++key)
    if (EqualIgnoringCase(text, KeyName(key))) return static_cast<uint16_t>(key | modifiers);
  return 0;
}

}  // namespace tarno
