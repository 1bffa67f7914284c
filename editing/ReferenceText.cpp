#include "ReferenceText.h"

#include <algorithm>

#include "CellNumber.h"
#include "CsvText.h"
#include "LayoutReader.h"
#include "Utf.h"

namespace tarno::editing {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
constexpr std::string_view kHeader = "# Reference list: NUMBER;NAME;ONID-TSID-SID\n";
constexpr char kSeparator = ';';
constexpr char kIdSeparator = '-';
// The parts of a line in the order of the header ParseReferenceText builds.
constexpr ChannelRole kLineRoles[] = {ChannelRole::Number, ChannelRole::Name, ChannelRole::NetworkId,
                                      ChannelRole::TransportId, ChannelRole::ServiceId};

std::string LineError(int line, std::string_view what) {
  return "Line " + std::to_string(line) + " of the reference list " + std::string(what);
}

bool IsUtf8(std::string_view text) {
  for (size_t pos = 0; pos < text.size();) {
    const size_t start = pos;
    if (text::DecodeUtf8(text, pos) == U'\uFFFD' && text.substr(start, kReplacement.size()) != kReplacement)
      return false;
  }
  return true;
}

// NUMBER;NAME;ONID-TSID-SID into its five parts.
std::vector<std::string> LineParts(std::string_view line) {
  const size_t first = line.find(kSeparator);
  const size_t last = line.rfind(kSeparator);
  std::vector<std::string> parts(std::size(kLineRoles));
  parts[0] = std::string(TrimControls(line.substr(0, first)));
  if (first == std::string_view::npos) return parts;
  parts[1] = std::string(line.substr(first + 1, last == first ? std::string_view::npos : last - first - 1));
  if (last == first) return parts;
  std::string_view ids = line.substr(last + 1);
  for (size_t p = 2; p < parts.size() && !ids.empty(); ++p) {
    const size_t dash = ids.find(kIdSeparator);
    parts[p] = std::string(TrimControls(ids.substr(0, dash)));
    ids = dash == std::string_view::npos ? std::string_view() : ids.substr(dash + 1);
  }
  return parts;
}

std::string_view NextLine(std::string_view& text) {
  const size_t end = text.find('\n');
  std::string_view line = text.substr(0, end);
  text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

std::string NumberText(std::string_view cell) {
  const std::optional<int64_t> number = WholeNumber(cell);
  return number ? std::to_string(*number) : std::string();
}

// A name is one line of text: line breaks in a cell would start another channel.
std::string NameText(std::string_view cell) {
  std::string name(cell);
  std::replace_if(name.begin(), name.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
  return name;
}

}  // namespace

Reference ParseReferenceText(std::string_view text, const std::vector<TDataItem>& targetItems) {
  if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) text.remove_prefix(kByteOrderMark.size());
  std::vector<CsvRow> rows(1);
  for (const ChannelRole role : kLineRoles) rows[0].fields.push_back(RoleFieldCaption(targetItems, role));
  std::vector<ReferenceDetails> names;
  for (int lineNumber = 1; !text.empty(); ++lineNumber) {
    const std::string_view line = NextLine(text);
    if (!IsUtf8(line)) throw ReferenceTextError(LineError(lineNumber, "is not UTF-8 text"));
    if (TrimControls(line).empty() || line.front() == '#') continue;
    std::vector<std::string> parts = LineParts(line);
    if (!parts[0].empty() && !WholeNumber(parts[0]))
      throw ReferenceTextError(LineError(lineNumber, "begins with '" + parts[0] + "', which is no channel number"));
    names.push_back({});
    names.back().name = parts[1];
    rows.push_back({lineNumber, std::move(parts)});
  }
  Reference reference;
  reference.list = ListCsvChannels(rows, targetItems);
  reference.carries[static_cast<size_t>(ChannelRole::Name)] = true;
  for (const ListedChannel& channel : reference.list.channels)
    reference.details.push_back(names[static_cast<size_t>(channel.row - 1)]);
  return reference;
}

std::string ReferenceTextOf(const TDataObject& data, const grid::CellStore& cells) {
  std::vector<ListedChannel> channels = ListGridChannels(data, cells).channels;
  std::stable_sort(channels.begin(), channels.end(),
                   [](const ListedChannel& a, const ListedChannel& b) { return a.number < b.number; });
  const ChannelColumns columns = FindChannelColumns(data.Items);
  const auto cell = [&](ChannelRole role, int row) {
    return columns.Has(role) ? cells.Text(columns.Of(role), row) : std::string_view();
  };
  std::string out(kHeader);
  for (const ListedChannel& channel : channels) {
    out += std::to_string(channel.number) + kSeparator + NameText(cell(ChannelRole::Name, channel.row)) + kSeparator;
    if (columns.Has(ChannelRole::ServiceId))
      out += NumberText(cell(ChannelRole::NetworkId, channel.row)) + kIdSeparator +
             NumberText(cell(ChannelRole::TransportId, channel.row)) + kIdSeparator +
             NumberText(cell(ChannelRole::ServiceId, channel.row));
    out += '\n';
  }
  return out;
}

}  // namespace tarno::editing
