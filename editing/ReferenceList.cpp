#include "ReferenceList.h"

#include <algorithm>
#include <deque>
#include <map>
#include <set>
#include <stdexcept>

#include "ChannelFlags.h"
#include "NumberWriteBack.h"
#include "ReferenceCarry.h"

namespace tarno::editing {
namespace {

enum class MatchedBy { Nothing, Identity, Name, Frequency };

// Lower numbers first; channels without a number after all numbered ones, each in row order.
bool InOldOrder(const ListedChannel& a, const ListedChannel& b) {
  if ((a.number == 0) != (b.number == 0)) return a.number != 0;
  if (a.number != b.number) return a.number < b.number;
  return a.row < b.row;
}

class ReferenceMatcher {
 public:
  ReferenceMatcher(const ChannelList& reference, const std::vector<ListedChannel>& channels)
      : reference_(reference), channels_(channels), matches_(channels.size()) {}

  // Gives each channel not yet matched the first unused reference channel
  // with the same key over roles, lowest reference number first.
  void MatchBy(const std::vector<ChannelRole>& roles, MatchedBy how) {
    if (roles.empty()) return;
    std::map<std::string, std::deque<const ListedChannel*>> candidates;
    std::vector<const ListedChannel*> byNumber;
    for (const ListedChannel& channel : reference_.channels)
      if (channel.number != 0 && usedReference_.count(&channel) == 0) byNumber.push_back(&channel);
    std::stable_sort(byNumber.begin(), byNumber.end(),
                     [](const ListedChannel* a, const ListedChannel* b) { return a->number < b->number; });
    for (const ListedChannel* channel : byNumber) {
      const std::string key = JoinedKey(*channel, roles);
      if (!key.empty()) candidates[key].push_back(channel);
    }
    for (size_t i = 0; i < channels_.size(); ++i) {
      if (matches_[i].by != MatchedBy::Nothing) continue;
      const auto found = candidates.find(JoinedKey(channels_[i], roles));
      if (found != candidates.end()) TakeFirstFree(found->second, i, how);
    }
  }

  // The numbers the channels get: the reference's, and for those not found
  // the numbers after the highest one given (or their own, or none).
  std::vector<uint32_t> Numbers(Unmatched unmatched) const {
    uint32_t next = givenNumbers_.empty() ? 1 : *givenNumbers_.rbegin() + 1;
    std::vector<uint32_t> numbers;
    for (size_t i = 0; i < channels_.size(); ++i) {
      if (matches_[i].by != MatchedBy::Nothing) numbers.push_back(matches_[i].reference->number);
      else numbers.push_back(unmatched == Unmatched::NumberAfter ? next++ : channels_[i].number);
    }
    return numbers;
  }

  // The reference channel each channel was found as, by its index in the reference; -1 when none.
  std::vector<int> MatchedIndices() const {
    std::vector<int> indices;
    for (const Match& match : matches_)
      indices.push_back(match.reference ? static_cast<int>(match.reference - reference_.channels.data()) : -1);
    return indices;
  }

  int Count(MatchedBy how) const {
    return static_cast<int>(std::count_if(matches_.begin(), matches_.end(), [how](const Match& m) { return m.by == how; }));
  }

 private:
  struct Match {
    const ListedChannel* reference = nullptr;
    MatchedBy by = MatchedBy::Nothing;
  };

  void TakeFirstFree(std::deque<const ListedChannel*>& queue, size_t channel, MatchedBy how) {
    while (!queue.empty()) {
      const ListedChannel* candidate = queue.front();
      queue.pop_front();
      // A number the reference lists twice is given once; a reference channel
      // taken by the other pass is not taken again.
      if (usedReference_.count(candidate) != 0 || givenNumbers_.count(candidate->number) != 0) continue;
      usedReference_.insert(candidate);
      givenNumbers_.insert(candidate->number);
      matches_[channel] = {candidate, how};
      return;
    }
  }

  const ChannelList& reference_;
  const std::vector<ListedChannel>& channels_;
  std::vector<Match> matches_;
  std::set<const ListedChannel*> usedReference_;
  std::set<uint32_t> givenNumbers_;
};

// Name and frequency identify an analog channel no better than its name: they count as found by name.
MatchedBy IdentityKind(const std::vector<ChannelRole>& roles) {
  return std::find(roles.begin(), roles.end(), ChannelRole::ServiceId) != roles.end() ? MatchedBy::Identity
                                                                                       : MatchedBy::Name;
}

int WriteNumbers(TDataObject& data, grid::CellStore& cells, const std::vector<ListedChannel>& channels,
                 const std::vector<uint32_t>& numbers) {
  const int numberColumn = FindChannelColumns(data.Items).Of(ChannelRole::Number);
  int changed = 0;
  grid::CellStore::Batch batch(cells);
  for (size_t i = 0; i < channels.size(); ++i) {
    if (numbers[i] == channels[i].number) continue;
    WriteNumberThrough(data, cells, numberColumn, channels[i].row, static_cast<int>(numbers[i]));
    ++changed;
  }
  return changed;
}

void DeleteUnmatched(TDataObject& data, grid::CellStore& cells, const std::vector<ListedChannel>& channels,
                     const std::vector<int>& matched) {
  for (size_t i = 0; i < channels.size(); ++i)
    if (matched[i] < 0) SetChannelFlag(data, cells, {channels[i].row, channels[i].row}, ChannelFlag::Delete, true);
}

}  // namespace

ReferenceResult ApplyReference(TDataObject& data, grid::CellStore& cells, const Reference& reference,
                               const ReferenceOptions& options) {
  ChannelList target = ListGridChannels(data, cells);
  std::vector<ListedChannel>& channels = target.channels;
  std::sort(channels.begin(), channels.end(), InOldOrder);

  ReferenceMatcher matcher(reference.list, channels);
  const std::vector<ChannelRole> identity = IdentityRoles(target, reference.list);
  matcher.MatchBy(identity, IdentityKind(identity));
  if (target.Has(ChannelRole::Name) && reference.list.Has(ChannelRole::Name))
    matcher.MatchBy({ChannelRole::Name}, MatchedBy::Name);
  // An analog channel without its name (or with another) is found by its frequency, to take the reference's name.
  if (options.carry.names && target.Has(ChannelRole::Frequency) && reference.list.Has(ChannelRole::Frequency))
    matcher.MatchBy({ChannelRole::Frequency}, MatchedBy::Frequency);

  ReferenceResult result;
  result.channels = static_cast<int>(channels.size());
  result.byIdentity = matcher.Count(MatchedBy::Identity);
  result.byName = matcher.Count(MatchedBy::Name);
  result.byFrequency = matcher.Count(MatchedBy::Frequency);
  result.unmatched = matcher.Count(MatchedBy::Nothing);

  const std::vector<int> matched = matcher.MatchedIndices();
  const CarriedChannels carried{channels, matched, reference, options.unmatched == Unmatched::Keep};
  if (options.carry.numbers) result.changed = WriteNumbers(data, cells, channels, matcher.Numbers(options.unmatched));
  if (options.carry.favourites) result.favouriteLists = CarryFavourites(data, cells, carried);
  if (options.carry.flags) result.flagsChanged = CarryFlags(data, cells, carried);
  if (options.carry.names) result.namesChanged = CarryNames(data, cells, carried);
  if (options.unmatched == Unmatched::Delete) DeleteUnmatched(data, cells, channels, matched);
  return result;
}

ReferenceOptions ParseReferenceOptions(std::optional<std::string_view> carry,
                                       std::optional<std::string_view> unmatched) {
  ReferenceOptions options;
  if (carry) options.carry.numbers = false;
  for (std::string_view rest = carry.value_or(""); !rest.empty();) {
    const size_t end = rest.find_first_of(",+");
    const std::string_view word = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    if (word == "numbers") options.carry.numbers = true;
    else if (word == "favourites") options.carry.favourites = true;
    else if (word == "flags") options.carry.flags = true;
    else if (word == "names") options.carry.names = true;
    else throw std::invalid_argument("unknown carry '" + std::string(word) + "' (numbers, favourites, flags, names)");
  }
  const std::string_view way = unmatched.value_or("after");
  if (way == "delete") options.unmatched = Unmatched::Delete;
  else if (way == "keep") options.unmatched = Unmatched::Keep;
  else if (way != "after") throw std::invalid_argument("unknown unmatched '" + std::string(way) + "' (after, delete, keep)");
  return options;
}

ReferenceResult ApplyReference(TDataObject& data, grid::CellStore& cells, const ChannelList& reference) {
  Reference whole;
  whole.list = reference;
  return ApplyReference(data, cells, whole);
}

}  // namespace tarno::editing
