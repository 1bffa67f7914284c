// The channels of a list, from a loaded grid or from CSV rows: every record in
// use (its "In use" field not zero, or, without one, its number not zero) that
// is not deleted (its "Del" field zero), with the texts that identify it.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "CellStore.h"
#include "ChannelFields.h"
#include "CsvText.h"
#include "TarnoChannelEditUnit002.h"

namespace tarno::editing {

// A list the channel commands cannot work on (no number field, no field that
// identifies a channel, a grid out of step with its records).
class ChannelListError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct ListedChannel {
  int row = 0;          // the grid row, or the CSV data row from 1
  uint32_t number = 0;  // the decimal value of its number
  // Per role, the text compared between channels: numbers without leading
  // zeros (and a fraction without trailing ones), names without blanks at
  // their ends and in capitals (ASCII letters).
  std::array<std::string, kChannelRoleCount> key;
  const std::string& Key(ChannelRole role) const { return key[static_cast<size_t>(role)]; }
};

struct ChannelList {
  std::array<bool, kChannelRoleCount> has{};  // which roles the list has a field for
  std::vector<ListedChannel> channels;        // in row order
  bool Has(ChannelRole role) const { return has[static_cast<size_t>(role)]; }
};

// The grid's channels; throws ChannelListError when the layout has no number field.
ChannelList ListGridChannels(const TDataObject& data, const grid::CellStore& cells);
// Those of rows first..last (inclusive); without keys, each is its row and
// number only, which is quick over a whole map.
ChannelList ListGridChannelRows(const TDataObject& data, const grid::CellStore& cells, int firstRow, int lastRow,
                                bool withKeys = false);

// The channels of CSV text, its columns found by the captions the target
// layout gives each role (or the role's own caption). Throws CsvError for
// malformed text and ChannelListError when it has no number column.
ChannelList ListCsvChannels(std::string_view csv, const std::vector<TDataItem>& targetItems);
// The same of CSV rows parsed already (at least the header); ChannelListError only.
ChannelList ListCsvChannels(const std::vector<CsvRow>& rows, const std::vector<TDataItem>& targetItems);

// The roles that identify a service in both lists, as a reference list is
// matched and duplicates are found: service, transport stream and original
// network id where there is a service id; else name and frequency; else none.
std::vector<ChannelRole> IdentityRoles(const ChannelList& a, const ChannelList& b);

// The channel's key over roles, or "" when every part is empty (a key that
// would match every such channel).
std::string JoinedKey(const ListedChannel& channel, const std::vector<ChannelRole>& roles);

// The caption the layout gives a role's field, for messages.
std::string RoleFieldCaption(const std::vector<TDataItem>& items, ChannelRole role);

}  // namespace tarno::editing
