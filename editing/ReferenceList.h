// "Apply reference list": the channel order of another list (a channel map of
// any family, an archive's list of the same source, a CSV or the plain text
// form) carried over to the loaded one, with its favourites, flags and
// analog names where asked for.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CellStore.h"
#include "ChannelList.h"
#include "TarnoChannelEditUnit002.h"

namespace tarno::editing {

// What a reference channel brings besides its number and the keys it is found by.
struct ReferenceDetails {
  std::array<int32_t, kFavouriteLists> favourite{};  // its place in list N (from 1), 0 when not in it
  std::array<bool, 3> flag{};                        // Lock, Skip, Hide
  std::string name;                                  // as the list shows it
};

struct Reference {
  ChannelList list;
  std::vector<ReferenceDetails> details;          // one per list.channels, or none
  std::array<bool, kChannelRoleCount> carries{};  // roles whose details were read: Name, Fav1..Fav5, Lock, Skip, Hide
  bool Carries(ChannelRole role) const { return carries[static_cast<size_t>(role)]; }
};

// The flag roles a reference carries, in the order of ReferenceDetails::flag.
inline constexpr std::array<ChannelRole, 3> kCarriedFlags = {ChannelRole::Lock, ChannelRole::Skip, ChannelRole::Hide};

struct ReferenceCarry {
  bool numbers = true;
  bool favourites = false;
  bool flags = false;  // lock, skip, hide
  bool names = false;  // analog lists only
};

// What becomes of the channels the reference lacks.
enum class Unmatched {
  NumberAfter,  // numbered after the highest number given, in the order of their old numbers
  Delete,       // deleted, as "Delete" deletes them
  Keep,         // left as they are
};

struct ReferenceOptions {
  ReferenceCarry carry{};
  Unmatched unmatched = Unmatched::NumberAfter;
};

// The options as words: carry "numbers,favourites,flags,names" (any of them,
// ',' or '+' between them; none carries nothing), unmatched "after", "delete"
// or "keep"; an option not given is its default. Throws std::invalid_argument
// naming a word it does not know.
ReferenceOptions ParseReferenceOptions(std::optional<std::string_view> carry,
                                       std::optional<std::string_view> unmatched);

struct ReferenceResult {
  int channels = 0;          // channels of the loaded list
  int byIdentity = 0;        // found by service, transport stream and network id
  int byName = 0;            // found by name (with the frequency, or alone)
  int byFrequency = 0;       // analog channels found by their frequency alone, when names are carried
  int unmatched = 0;         // not found
  int changed = 0;           // numbers that changed
  int favouriteLists = 0;    // lists taken over
  int flagsChanged = 0;      // channels whose lock, skip or hide changed
  int namesChanged = 0;
  int Found() const { return byIdentity + byName + byFrequency; }
};

// A channel found in the reference takes the reference channel's number: found
// first by its service identity (service, transport stream and original
// network id; name and frequency for analog lists), then by its name alone;
// when names are carried, an analog channel then by its frequency alone.
// Each reference channel and each number is given once. Numbers are written
// through to the records at once, as the renumber commands write them; rows
// do not move. What else is carried and what becomes of the channels not
// found, the options say.
ReferenceResult ApplyReference(TDataObject& data, grid::CellStore& cells, const Reference& reference,
                               const ReferenceOptions& options = {});
// Numbers only, the channels not found numbered after the highest number given.
ReferenceResult ApplyReference(TDataObject& data, grid::CellStore& cells, const ChannelList& reference);

}  // namespace tarno::editing
