#include "ChannelSortEngine.h"

#include "AnsiText.h"
#include "Utf.h"

namespace tarno::editing {
namespace {

// The grid holds UTF-8; the records' text and the byte order users see are Windows-1252.
void AnsiKey(std::string_view cellText, std::string& key) {
  bool ascii = true;
  for (char c : cellText) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (ascii) {
    key.assign(cellText);
    return;
  }
  thread_local std::u16string units;
  text::Utf8ToUtf16(cellText, units);
  key.resize(units.size());
  for (size_t i = 0; i < units.size(); ++i) key[i] = static_cast<char>(UnicodeToAnsi(units[i]));
}

}  // namespace

grid::SortEngine ChannelSortEngine(grid::ToSortType type, int col, int first, int last) {
  grid::SortEngine engine;
  engine.SortType = type;
  engine.SortIndex = col;
  engine.StartIndex = first;
  engine.EndIndex = last;
  engine.EncodeKey = AnsiKey;
  return engine;
}

}  // namespace tarno::editing
