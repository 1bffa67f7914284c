// Keyboard shortcuts as menu scripts see them: a TShortCut is a Word holding
// a virtual-key code in its low byte and Shift/Ctrl/Alt in its top bits.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarno {

constexpr uint16_t kShortCutShift = 0x2000;
constexpr uint16_t kShortCutCtrl = 0x4000;
constexpr uint16_t kShortCutAlt = 0x8000;

// The set TShiftState as a bit mask of its elements' ordinals.
enum ShiftStateBit : uint32_t {
  kSsShift = 1u << 0,
  kSsAlt = 1u << 1,
  kSsCtrl = 1u << 2,
};

// 0 when the key does not fit in a byte (no such shortcut).
uint16_t ShortCut(uint16_t key, uint32_t shiftState);
void ShortCutToKey(uint16_t shortCut, uint16_t& key, uint32_t& shiftState);
// "Shift+Ctrl+Alt+" in that order, then the key's name; "" for a key without one.
std::string ShortCutToText(uint16_t shortCut);
// Modifiers in any order and case ("^" stands for Ctrl), then a key name;
// 0 when the text names no key.
uint16_t TextToShortCut(std::string_view text);

}  // namespace tarno
