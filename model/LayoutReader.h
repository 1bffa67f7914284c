// The layout language of the settings file: one section per data file name,
// HEADER and ITEM lines, ';' comments.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "DataItem.h"

namespace tarno {

constexpr uint32_t kDefaultHeader = 129;

struct Layout {
  std::vector<TDataItem> Items;  // empty: no section, or a layout error
  bool HasHeader = false;
  uint32_t Header = kDefaultHeader;
  // FAVOURITES = flags (0 or 1 per list) or positions (-1 = not in the list):
  // how the favourite lists of a channel map mark a channel, as the section
  // says it; empty when it says nothing. Preset detection checks it.
  std::string Favourites;
  // DATABASE = TABLE: the file is an SQLite channel database, one record per
  // row of that table; empty for a file of fixed-size records.
  std::string Database;
};

// Reads the layout of dataFileName from settings text. A missing section or a
// layout error gives no items; neither is reported otherwise.
Layout ReadLayoutFrom(std::string_view settingsText, const std::string& dataFileName);

// One role an ITEM line's role part names. "Fav1&$01+Fav2&$02" names Fav1
// owning bits $01 and Fav2 owning bits $02; a role without "&" owns the whole
// field (mask 0).
struct RolePart {
  std::string_view name;  // trimmed
  uint32_t mask = 0;
};
// The roles of a role part, in order; a part whose mask is no number is left out.
std::vector<RolePart> RoleParts(std::string_view rolePart);

// The first field that answers to role: a field whose ITEM line gives a role
// answers to that role only, any other to its caption (ASCII case and blanks
// at the ends aside). None when no field does.
const TDataItem* FieldOfRole(const std::vector<TDataItem>& items, std::string_view role);

// Integers of the layout language: decimal with optional leading blanks and sign,
// or hexadecimal after "$" or "0x"; nullopt when malformed or out of [min, max].
std::optional<int64_t> ParseLayoutInteger(std::string_view text, int64_t min, int64_t max);

// Delphi-style trimming: blanks and control characters at both ends.
std::string_view TrimControls(std::string_view text);

}  // namespace tarno
