// One field of one record to its display text and back, by the built-in
// conversions or the script's functions, with the default-pattern rule.
#include <algorithm>
#include <vector>

#include "AnsiText.h"
#include "ScriptConversionHost.h"
#include "TarnoChannelEditUnit002.h"
#include "Utf.h"

namespace tarno {

ScriptConversionHost* ScriptObject = nullptr;

namespace {

constexpr const char* kNoScript = "No script";

bool UsesScript(const TDataItem& item) { return !item.ScriptName.empty() && item.TypeChar != '^'; }
bool TakesNoText(const TDataItem& item) { return item.TypeChar == '!' || item.TypeChar == '^'; }

void TrimInPlace(std::u16string& text) {
  while (!text.empty() && text.back() <= u' ') text.pop_back();
  size_t first = 0;
  while (first < text.size() && text[first] <= u' ') ++first;
  text.erase(0, first);
}

// Compares field bytes with the default pattern repeated from its first byte.
class PatternCheck {
 public:
  explicit PatternCheck(const TDataByteArray& pattern) : pattern_(pattern), active_(!pattern.empty()) {}
  void Feed(uint8_t byte) {
    if (!active_) return;
    if (byte != pattern_[position_]) active_ = false;
    position_ = (position_ + 1) % pattern_.size();
  }
  bool Matches() const { return active_; }

 private:
  const TDataByteArray& pattern_;
  bool active_;
  size_t position_ = 0;
};

struct FieldRef {
  const TDataItem* item = nullptr;
  TDataByteArray* record = nullptr;
};

// The entry and record, when both exist and the record holds the whole field.
FieldRef FindField(TDataObject& data, int entryIndex, int recordIndex) {
  if (entryIndex < 0 || recordIndex < 0 || static_cast<size_t>(entryIndex) >= data.Items.size() ||
      static_cast<size_t>(recordIndex) >= data.Records.size())
    return {};
  const TDataItem& item = data.Items[static_cast<size_t>(entryIndex)];
  TDataByteArray& record = data.Records[static_cast<size_t>(recordIndex)];
  if (record.size() < static_cast<size_t>(item.Offset) + static_cast<size_t>(item.Size)) return {};
  return {&item, &record};
}

}  // namespace

void TDataObject::DataToText(int entryIndex, int recordIndex, std::u16string& text) {
  text.clear();
  const FieldRef field = FindField(*this, entryIndex, recordIndex);
  if (!field.item) return;
  const TDataItem& item = *field.item;
  const TDataByteArray& record = *field.record;
  PatternCheck pattern(item.DefaultBytes);
  std::unique_ptr<ScriptFieldCall> call;
  if (UsesScript(item)) {
    if (!ScriptObject) {
      LastError = kNoScript;
      return;
    }
    call = ScriptObject->BeginField(item.ScriptName + "_DataToText", item.ElementSize, item.TypeChar, u"");
  }
  const int elements = item.Size / item.ElementSize;
  for (int e = 0; e < elements; ++e) {
    ElementBytes buffer{};
    const size_t start = static_cast<size_t>(item.Offset) + static_cast<size_t>(e * item.ElementSize);
    for (int b = 0; b < item.ElementSize; ++b) {
      buffer[static_cast<size_t>(b)] = record[start + static_cast<size_t>(b)];
      pattern.Feed(buffer[static_cast<size_t>(b)]);
    }
    if (call) {
      call->SetElementBytes(buffer);
      const int result = call->Call();
      if (result < 0) LastError = call->ErrorText();
      if (result != 1) return;
    } else if (!TakesNoText(item) && !ValueToText(buffer, item.ElementSize, item.TypeChar, text)) {
      return;  // what was built so far, untrimmed
    }
  }
  if (call) text = call->Text();
  if (pattern.Matches()) text.clear();
  TrimInPlace(text);
}

namespace {

enum class TextFit { Stored, Failed, TooLong };

// Converts text into the item's field of record. TooLong: every element took
// its part, and text was left over that the field has no room for.
TextFit StoreText(const TDataItem& item, TDataByteArray& record, std::u16string_view text, std::string& lastError) {
  const bool useDefault = text.empty() && !item.DefaultBytes.empty();
  std::unique_ptr<ScriptFieldCall> call;
  if (UsesScript(item)) {
    if (!ScriptObject) {
      lastError = kNoScript;
      return TextFit::Failed;
    }
    call = ScriptObject->BeginField(item.ScriptName + "_TextToData", item.ElementSize, item.TypeChar,
                                    std::u16string(text));
  }
  std::u16string_view rest = text;
  char workingType = item.TypeChar;
  size_t patternPosition = 0;
  const int elements = item.Size / item.ElementSize;
  for (int e = 0; e < elements; ++e) {
    const size_t start = static_cast<size_t>(item.Offset) + static_cast<size_t>(e * item.ElementSize);
    ElementBytes buffer{};
    if (useDefault) {
      for (int b = 0; b < item.ElementSize; ++b) {
        buffer[static_cast<size_t>(b)] = item.DefaultBytes[patternPosition];
        patternPosition = (patternPosition + 1) % item.DefaultBytes.size();
      }
    } else if (call) {
      const int result = call->Call();
      if (result < 0) lastError = call->ErrorText();
      if (result != 1) return TextFit::Failed;
      buffer = call->ElementBytesResult();
    } else if (TakesNoText(item)) {
      continue;
    } else if (!TextToValue(buffer, item.ElementSize, workingType, rest)) {
      return TextFit::Failed;
    }
    for (int b = 0; b < item.ElementSize; ++b) record[start + static_cast<size_t>(b)] = buffer[static_cast<size_t>(b)];
  }
  const bool allTaken = call ? call->Text().empty() : rest.empty();
  return allTaken ? TextFit::Stored : TextFit::TooLong;
}

// Where each character of text begins, and the text's end: a cut at any of
// them leaves no half of a surrogate pair.
std::vector<size_t> CharacterStarts(std::u16string_view text) {
  std::vector<size_t> starts;
  for (size_t at = 0; at < text.size(); ++at)
    if (text[at] < 0xDC00 || text[at] > 0xDFFF) starts.push_back(at);
  starts.push_back(text.size());
  return starts;
}

// How many characters of text, from its start, the field takes.
size_t CharactersThatFit(const TDataItem& item, const TDataByteArray& record, std::u16string_view text) {
  const std::vector<size_t> starts = CharacterStarts(text);
  size_t fits = 0;
  size_t tooMany = starts.size() - 1;  // the whole text does not fit
  std::string ignored;
  while (tooMany - fits > 1) {
    const size_t middle = fits + (tooMany - fits) / 2;
    TDataByteArray scratch = record;
    if (StoreText(item, scratch, text.substr(0, starts[middle]), ignored) == TextFit::Stored)
      fits = middle;
    else
      tooMany = middle;
  }
  return fits;
}

std::string TooLongText(const TDataItem& item, const TDataByteArray& record, std::u16string_view text) {
  const size_t fits = CharactersThatFit(item, record, text);
  return item.Name + " '" + text::Utf16ToUtf8(text) + "' is too long: at most " + std::to_string(fits) +
         (fits == 1 ? " character fits" : " characters fit");
}

// A text field (type "/") refuses text it has no room for by saying so.
std::string Refusal(TextFit fit, const TDataItem& item, const TDataByteArray& record, std::u16string_view text) {
  return fit == TextFit::TooLong && item.TypeChar == '/' ? TooLongText(item, record, text) : std::string();
}

}  // namespace

bool TDataObject::TextToData(int entryIndex, int recordIndex, const std::u16string& text) {
  LastRefusal.clear();
  const FieldRef field = FindField(*this, entryIndex, recordIndex);
  if (!field.item) return false;
  // Converted into a copy, so that text the field refuses leaves the record as
  // it was; one buffer serves every cell of a save.
  thread_local TDataByteArray converted;
  converted.assign(field.record->begin(), field.record->end());
  const TextFit fit = StoreText(*field.item, converted, text, LastError);
  if (fit != TextFit::Stored) {
    LastRefusal = Refusal(fit, *field.item, *field.record, text);
    return false;
  }
  std::copy(converted.begin(), converted.end(), field.record->begin());
  return true;
}

std::string TDataObject::TextRefusal(int entryIndex, int recordIndex, const std::u16string& text) {
  const FieldRef field = FindField(*this, entryIndex, recordIndex);
  if (!field.item) return {};
  TDataByteArray scratch = *field.record;
  std::string ignored;
  return Refusal(StoreText(*field.item, scratch, text, ignored), *field.item, *field.record, text);
}

bool TDataObject::SetDefault(int entryIndex, int recordIndex) {
  const FieldRef field = FindField(*this, entryIndex, recordIndex);
  if (!field.item) return false;
  // A database record's key names its service: a cleared row still stands for it.
  if (Database && static_cast<size_t>(entryIndex) == Database->keyItem) return true;
  const TDataItem& item = *field.item;
  TDataByteArray& record = *field.record;
  for (int32_t i = 0; i < item.Size; ++i) {
    const uint8_t value = item.DefaultBytes.empty() ? 0 : item.DefaultBytes[static_cast<size_t>(i) % item.DefaultBytes.size()];
    record[static_cast<size_t>(item.Offset + i)] = value;
  }
  return true;
}

}  // namespace tarno
