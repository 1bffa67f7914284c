// The text form of a reference list, any bytes: it is read or refused with
// ReferenceTextError; what is read has one detail per channel, no channel
// numbered 0, and applied to a small list it leaves every record shown once
// and numbers only channels. The list's own text, read back, changes nothing.
#include <algorithm>
#include <cstdlib>

#include "GridRecords.h"
#include "ReferenceList.h"
#include "ReferenceText.h"

namespace {

constexpr int kRecords = 4;

tarno::TDataObject MakeChannelObject() {
  const char* const settings =
      "[F]\nITEM = Nr, 2, 2, #, $00, 1\nITEM = Name, 4, 1, /, $00, 2\nITEM = SID, 2, 2, #, , 3\n"
      "ITEM = ONID, 2, 2, #, , 4\nITEM = TSID, 2, 2, #, , 5\nITEM = In use, 1, 1, #, $00, 6\n";
  tarno::TDataObject data(tarno::ReadLayoutFrom(settings, "F"));
  for (int r = 0; r < kRecords; ++r)
    data.Records.push_back({static_cast<uint8_t>(r + 1), 0, 'a', static_cast<uint8_t>('a' + r), 0, 0,
                            static_cast<uint8_t>(r), 0, 1, 0, 1, 0, 1});
  return data;
}

const tarno::TDataObject& ChannelObject() {
  static const tarno::TDataObject channels = MakeChannelObject();
  return channels;
}

void CheckApplied(const tarno::editing::Reference& reference) {
  tarno::TDataObject data = ChannelObject();
  tarno::grid::CellStore cells;
  data.FillGrid(&cells);
  tarno::editing::ReferenceOptions options;
  options.carry = {true, true, true, true};
  tarno::editing::ApplyReference(data, cells, reference, options);
  if (!tarno::editing::GridShowsRecords(data, cells)) std::abort();
}

void CheckOwnText() {
  tarno::TDataObject data = ChannelObject();
  tarno::grid::CellStore cells;
  data.FillGrid(&cells);
  const auto before = data.Records;
  const std::string text = tarno::editing::ReferenceTextOf(data, cells);
  tarno::editing::ApplyReference(data, cells, tarno::editing::ParseReferenceText(text, data.Items));
  if (data.Records != before) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool ownTextChecked = (CheckOwnText(), true);
  (void)ownTextChecked;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    const tarno::editing::Reference reference = tarno::editing::ParseReferenceText(text, ChannelObject().Items);
    if (reference.details.size() != reference.list.channels.size()) std::abort();
    for (const auto& channel : reference.list.channels)
      if (channel.number == 0) std::abort();
    CheckApplied(reference);
  } catch (const tarno::editing::ReferenceTextError&) {
  }
  return 0;
}
