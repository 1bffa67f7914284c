// Check values inside records: a plain byte sum ("^") and the two fixed-shape
// rules of cable PTC tables and fine tune tables ("!").
#include <optional>

#include "PtcCable.h"
#include "TarnoChannelEditUnit002.h"

namespace tarno {
namespace {

constexpr const char* kCrcPtcCable = "CRCPTCCABLE";
constexpr const char* kCrcFineTune = "CRCFINETUNE";
constexpr int32_t kPtcCableCheckOffset = 11;
constexpr int32_t kFineTuneCheckOffset = 24;

bool IsChecksumEntry(const TDataItem& item) {
  return item.TypeChar == '^' ||
         (item.TypeChar == '!' && (item.SpecialName == kCrcPtcCable || item.SpecialName == kCrcFineTune));
}

std::optional<size_t> FindChecksumEntry(const std::vector<TDataItem>& items) {
  for (size_t i = 0; i < items.size(); ++i)
    if (IsChecksumEntry(items[i])) return i;
  return std::nullopt;
}

bool ComputeSum(TDataByteArray& record, const TDataItem& item) {
  if (item.ElementSize != 1 && item.ElementSize != 2) return true;
  const size_t offset = static_cast<size_t>(item.Offset);
  if (offset + item.ElementSize > record.size()) return false;
  uint32_t sum = 0;
  for (size_t i = 0; i < offset; ++i) sum += record[i];
  if (item.ElementSize == 1) {
    record[offset] = static_cast<uint8_t>(sum);
  } else {
    record[offset] = static_cast<uint8_t>(sum >> 8);
    record[offset + 1] = static_cast<uint8_t>(sum);
  }
  return true;
}

// The record's index goes into bytes 8 and 9 and, with the frequency term, byte 11.
bool ComputePtcCable(TDataByteArray& record, const TDataItem& item, size_t recordIndex) {
  if (item.Offset != kPtcCableCheckOffset || record.size() < kPtcCableRecordSize) return false;
  const std::optional<uint32_t> term = PtcCableFrequencyTerm(record[7], record[6]);
  if (!term) return false;
  for (int i = 0; i < 5; ++i) record[i] = 0;
  if (record[7] == 'D') record[5] |= 0x80;
  record[8] = static_cast<uint8_t>(recordIndex);
  record[9] = static_cast<uint8_t>(recordIndex >> 8);
  record[10] = 0;
  record[11] = static_cast<uint8_t>(*term + recordIndex);
  return true;
}

bool ComputeFineTune(TDataByteArray& record, const TDataItem& item) {
  if (item.Offset != kFineTuneCheckOffset || record.size() <= static_cast<size_t>(kFineTuneCheckOffset))
    return false;
  record[24] = static_cast<uint8_t>(record[4] + record[12] + record[16] + record[22]);
  return true;
}

}  // namespace

bool TDataObject::UpdateChecksums() {
  const std::optional<size_t> entry = FindChecksumEntry(Items);
  if (!entry) return true;
  for (size_t r = 0; r < Records.size(); ++r)
    if (!ComputeChecksum(r, *entry)) return false;
  return true;
}

bool TDataObject::ComputeChecksum(size_t recordIndex, size_t entryIndex) {
  if (recordIndex >= Records.size() || entryIndex >= Items.size()) return false;
  TDataByteArray& record = Records[recordIndex];
  const TDataItem& item = Items[entryIndex];
  if (item.TypeChar == '^') return ComputeSum(record, item);
  if (item.TypeChar != '!') return false;
  if (item.SpecialName == kCrcPtcCable) return ComputePtcCable(record, item, recordIndex);
  if (item.SpecialName == kCrcFineTune) return ComputeFineTune(record, item);
  return false;
}

}  // namespace tarno
