#include "ReferenceList.h"

#include <algorithm>
#include <deque>
#include <map>
#include <set>

#include "NumberWriteBack.h"

namespace tarno::editing {
namespace {

constexpr uint32_t kUnassigned = 0;

// Lower numbers first; channels without a number after all numbered ones, each in row order.
bool InOldOrder(const ListedChannel& a, const ListedChannel& b) {
  if ((a.number == 0) != (b.number == 0)) return a.number != 0;
  if (a.number != b.number) return a.number < b.number;
  return a.row < b.row;
}

class ReferenceMatcher {
 public:
  ReferenceMatcher(const ChannelList& reference, std::vector<ListedChannel>& channels)
      : reference_(reference), channels_(channels), assigned_(channels.size(), kUnassigned) {}

  // Gives each channel not yet matched the number of the first unused reference
  // channel with the same key over roles, lowest reference number first.
  void MatchBy(const std::vector<ChannelRole>& roles) {
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
      if (assigned_[i] != kUnassigned) continue;
      const auto found = candidates.find(JoinedKey(channels_[i], roles));
      if (found == candidates.end()) continue;
      TakeFirstFree(found->second, i);
    }
  }

  // The channels no reference channel matched get the numbers after the highest one given.
  int NumberTheRest() {
    uint32_t next = givenNumbers_.empty() ? 1 : *givenNumbers_.rbegin() + 1;
    int rest = 0;
    for (uint32_t& number : assigned_) {
      if (number != kUnassigned) continue;
      number = next++;
      ++rest;
    }
    return rest;
  }

  const std::vector<uint32_t>& Assigned() const { return assigned_; }

 private:
  void TakeFirstFree(std::deque<const ListedChannel*>& queue, size_t channel) {
    while (!queue.empty()) {
      const ListedChannel* candidate = queue.front();
      queue.pop_front();
      // A number the reference lists twice is given once; a reference channel
      // taken by the other pass is not taken again.
      if (usedReference_.count(candidate) != 0 || givenNumbers_.count(candidate->number) != 0) continue;
      usedReference_.insert(candidate);
      givenNumbers_.insert(candidate->number);
      assigned_[channel] = candidate->number;
      return;
    }
  }

  const ChannelList& reference_;
  std::vector<ListedChannel>& channels_;
  std::vector<uint32_t> assigned_;
  std::set<const ListedChannel*> usedReference_;
  std::set<uint32_t> givenNumbers_;
};

}  // namespace

ReferenceResult ApplyReference(TDataObject& data, grid::CellStore& cells, const ChannelList& reference) {
  ChannelList target = ListGridChannels(data, cells);
  std::vector<ListedChannel>& channels = target.channels;
  std::sort(channels.begin(), channels.end(), InOldOrder);

  ReferenceMatcher matcher(reference, channels);
  matcher.MatchBy(IdentityRoles(target, reference));
  if (target.Has(ChannelRole::Name) && reference.Has(ChannelRole::Name)) matcher.MatchBy({ChannelRole::Name});

  ReferenceResult result;
  result.channels = static_cast<int>(channels.size());
  result.numberedAfter = matcher.NumberTheRest();
  result.found = result.channels - result.numberedAfter;

  const int numberColumn = FindChannelColumns(data.Items).Of(ChannelRole::Number);
  grid::CellStore::Batch batch(cells);
  for (size_t i = 0; i < channels.size(); ++i) {
    const uint32_t number = matcher.Assigned()[i];
    if (number == channels[i].number) continue;
    WriteNumberThrough(data, cells, numberColumn, channels[i].row, static_cast<int>(number));
    ++result.changed;
  }
  return result;
}

}  // namespace tarno::editing
