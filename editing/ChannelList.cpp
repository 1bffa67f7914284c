#include "ChannelList.h"

#include <algorithm>
#include <cstdlib>
#include <functional>

#include "AsciiText.h"
#include "CellNumber.h"
#include "CsvText.h"
#include "LayoutReader.h"

namespace tarno::editing {
namespace {

using TextAt = std::function<std::string_view(int row, int column)>;

constexpr std::string_view kNoBreakSpace = "\xC2\xA0";  // names keep their end blanks as these
constexpr char kKeySeparator = '\x1F';                  // joins key parts; never in a cell's text

constexpr std::array<ChannelRole, 5> kKeyRoles = {ChannelRole::Name, ChannelRole::ServiceId, ChannelRole::TransportId,
                                                  ChannelRole::NetworkId, ChannelRole::Frequency};

std::string NameKey(std::string_view text) {
  std::string name(text);
  for (size_t at = name.find(kNoBreakSpace); at != std::string::npos; at = name.find(kNoBreakSpace, at))
    name.replace(at, kNoBreakSpace.size(), " ");
  return text::UpperAscii(TrimControls(name));
}

// "00471.250" and "471.25" are the same number, and an empty cell (a field
// holding its zero default) is 0; other texts stay as they are.
std::string NumberKey(std::string_view text) {
  text = TrimControls(text);
  if (text.empty()) return "0";
  const size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  const auto digitsOnly = [](std::string_view part) {
    return std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
  };
  if (whole.empty() || !digitsOnly(whole) || !digitsOnly(fraction)) return text::UpperAscii(text);
  const size_t firstNonZero = whole.find_first_not_of('0');
  std::string key(firstNonZero == std::string_view::npos ? std::string_view("0") : whole.substr(firstNonZero));
  while (!fraction.empty() && fraction.back() == '0') fraction.remove_suffix(1);
  if (!fraction.empty()) key += "." + std::string(fraction);
  return key;
}

bool IsSet(std::string_view text) { return DecimalValue(text) != 0; }

// Without keys, a channel is its row and number: what the commands on
// selected rows need, cheaply over a whole map.
enum class Keys { With, Without };

ChannelList ListChannels(const ChannelColumns& columns, int firstRow, int endRow, const TextAt& textAt,
                         Keys keys = Keys::With) {
  if (!columns.Has(ChannelRole::Number)) throw ChannelListError("no number field");
  ChannelList list;
  for (size_t r = 0; r < kChannelRoleCount; ++r) list.has[r] = columns.Has(static_cast<ChannelRole>(r));
  list.channels.reserve(static_cast<size_t>(std::max(endRow - firstRow, 0)));
  const auto text = [&](int row, ChannelRole role) {
    return columns.Has(role) ? textAt(row, columns.Of(role)) : std::string_view();
  };
  for (int row = firstRow; row < endRow; ++row) {
    const uint32_t number = DecimalValue(text(row, ChannelRole::Number));
    const bool inUse = columns.Has(ChannelRole::InUse) ? IsSet(text(row, ChannelRole::InUse)) : number != 0;
    if (!inUse || IsSet(text(row, ChannelRole::Deleted))) continue;
    ListedChannel channel;
    channel.row = row;
    channel.number = number;
    for (const ChannelRole role : kKeyRoles) {
      if (keys == Keys::Without) break;
      const std::string_view cell = text(row, role);
      channel.key[static_cast<size_t>(role)] = role == ChannelRole::Name ? NameKey(cell) : NumberKey(cell);
    }
    list.channels.push_back(std::move(channel));
  }
  return list;
}

std::string DataFileName(const std::vector<TDataItem>& items) { return items.empty() ? "" : items.front().FileName; }

}  // namespace

std::string RoleFieldCaption(const std::vector<TDataItem>& items, ChannelRole role) {
  const int column = FindChannelColumns(items).Of(role);
  for (const TDataItem& item : items)
    if (column != 0 && std::abs(item.Column) == column) return item.Name;
  return std::string(RoleCaption(role));
}

ChannelList ListGridChannels(const TDataObject& data, const grid::CellStore& cells) {
  return ListGridChannelRows(data, cells, 1, cells.RowCount() - 1, true);
}

ChannelList ListGridChannelRows(const TDataObject& data, const grid::CellStore& cells, int firstRow, int lastRow,
                                bool withKeys) {
  try {
    return ListChannels(FindChannelColumns(data.Items), std::max(firstRow, 1), std::min(lastRow + 1, cells.RowCount()),
                        [&cells](int row, int column) { return cells.Text(column, row); },
                        withKeys ? Keys::With : Keys::Without);
  } catch (const ChannelListError&) {
    throw ChannelListError("The layout of " + DataFileName(data.Items) + " has no channel number field (caption \"" +
                           std::string(RoleCaption(ChannelRole::Number)) + "\" or that role)");
  }
}

ChannelList ListCsvChannels(std::string_view csv, const std::vector<TDataItem>& targetItems) {
  const std::vector<CsvRow> rows = ParseCsvTable(csv);
  if (rows.empty()) throw CsvError("The CSV is empty: it needs a header row of captions");
  return ListCsvChannels(rows, targetItems);
}

ChannelList ListCsvChannels(const std::vector<CsvRow>& rows, const std::vector<TDataItem>& targetItems) {
  const std::vector<std::string>& header = rows[0].fields;
  ChannelColumns columns;  // CSV field index + 1
  for (size_t r = 0; r < kChannelRoleCount; ++r) {
    const auto role = static_cast<ChannelRole>(r);
    const std::string caption = RoleFieldCaption(targetItems, role);
    for (size_t f = 0; f < header.size() && !columns.Has(role); ++f)
      if (TrimControls(header[f]) == caption) columns.Set(role, static_cast<int>(f) + 1);
  }
  try {
    return ListChannels(columns, 1, static_cast<int>(rows.size()), [&rows](int row, int column) {
      return std::string_view(rows[static_cast<size_t>(row)].fields[static_cast<size_t>(column) - 1]);
    });
  } catch (const ChannelListError&) {
    throw ChannelListError("The CSV has no column \"" + RoleFieldCaption(targetItems, ChannelRole::Number) +
                           "\" with the channel numbers");
  }
}

std::vector<ChannelRole> IdentityRoles(const ChannelList& a, const ChannelList& b) {
  const auto both = [&](ChannelRole role) { return a.Has(role) && b.Has(role); };
  std::vector<ChannelRole> roles;
  if (both(ChannelRole::ServiceId)) {
    for (const ChannelRole role : {ChannelRole::ServiceId, ChannelRole::TransportId, ChannelRole::NetworkId})
      if (both(role)) roles.push_back(role);
  } else if (both(ChannelRole::Name) && both(ChannelRole::Frequency)) {
    roles = {ChannelRole::Name, ChannelRole::Frequency};
  }
  return roles;
}

std::string JoinedKey(const ListedChannel& channel, const std::vector<ChannelRole>& roles) {
  std::string key;
  bool anySet = false;
  for (const ChannelRole role : roles) {
    const std::string& part = channel.Key(role);
    anySet = anySet || (!part.empty() && part != "0");
    key += part;
    key += kKeySeparator;
  }
  return anySet ? key : std::string();
}

}  // namespace tarno::editing
