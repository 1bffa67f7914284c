// The 12-byte records of a cable PTC table and their check byte.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tarno {

constexpr size_t kPtcCableRecordSize = 12;
constexpr int kPtcCableEntriesPerGroup = 256;

// The frequency term x of the check byte for entry n of group 'B', 'C' or 'D';
// nullopt for any other group letter.
std::optional<uint32_t> PtcCableFrequencyTerm(uint8_t group, uint8_t n);

// A synthetic table holding every entry of the groups 'B', 'C' and 'D' in that
// order, each record carrying its index and a valid check byte (768 records).
std::string GeneratePtcCableTable();

}  // namespace tarno
