// tarno-cli demo-archive: writes a small made-up television archive in the
// "1201" format (E, F, H and J sets), with invented channels, plausible
// numbers and correct check bytes, for trying the editor and for tests.
#include <zip.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "CliArguments.h"
#include "CliCommands.h"

namespace tarno::cli {
namespace {

using Bytes = std::string;

void PutU16(Bytes& b, size_t at, uint32_t v) {
  b[at] = static_cast<char>(v & 0xFF);
  b[at + 1] = static_cast<char>(v >> 8 & 0xFF);
}
void PutU32(Bytes& b, size_t at, uint32_t v) {
  for (size_t i = 0; i < 4; ++i) b[at + i] = static_cast<char>(v >> (8 * i) & 0xFF);
}
void PutFloat(Bytes& b, size_t at, float f) {
  uint32_t bits = 0;
  std::memcpy(&bits, &f, sizeof bits);
  PutU32(b, at, bits);
}
// UTF-16 text of ASCII characters, high byte first (channel names) or low byte first.
void PutText(Bytes& b, size_t at, const std::string& text, bool highByteFirst) {
  for (size_t i = 0; i < text.size(); ++i) {
    b[at + 2 * i + (highByteFirst ? 0 : 1)] = '\0';
    b[at + 2 * i + (highByteFirst ? 1 : 0)] = text[i];
  }
}
// The last byte of a record is the sum of all bytes before it.
void PutCheck(Bytes& b, size_t at, size_t recordSize) {
  unsigned sum = 0;
  for (size_t i = 0; i + 1 < recordSize; ++i) sum += static_cast<unsigned char>(b[at + i]);
  b[at + recordSize - 1] = static_cast<char>(sum & 0xFF);
}
Bytes Header(uint32_t word) {
  Bytes b(4, '\0');
  PutU32(b, 0, word);
  return b;
}

constexpr uint32_t kNotInList = 0xFFFFFFFF;
constexpr uint32_t kDatabaseVersion = 160;

Bytes AnalogMap() {
  struct Channel {
    uint16_t number;
    const char* name;  // 5 characters, blank padded
    float mhz;
  };
  const Channel channels[] = {{1, "DEMO1", 175.25f}, {2, "DEMO2", 183.25f}, {3, "TEST ", 503.25f}};
  Bytes map(64 * 1000, '\0');
  size_t slot = 0;
  for (const Channel& c : channels) {
    const size_t at = slot * 64;
    map[at] = 1;
    map[at + 1] = 1;
    map[at + 5] = 6;
    map[at + 8] = 1;
    PutU16(map, at + 9, c.number);
    PutU16(map, at + 16, static_cast<uint32_t>(slot + 1));
    PutU16(map, at + 18, 12);
    PutText(map, at + 20, c.name, true);
    PutFloat(map, at + 32, c.mhz);
    for (size_t list = 0; list < 5; ++list) PutU32(map, at + 36 + 4 * list, list == 0 ? c.number : kNotInList);
    PutCheck(map, at, 64);
    ++slot;
  }
  return map;
}

Bytes CableMap() {
  struct Channel {
    uint16_t number;
    uint16_t serviceId;
    uint8_t serviceType;  // 1 TV, 2 radio, 25 HD
    const char* name;
    const char* shortName;
    uint16_t channel;  // PTC channel
    uint16_t provider;
    bool encrypted;
  };
  const Channel channels[] = {
      {1, 10301, 25, "Demo Eins HD", "Demo1", 3, 0, false},
      {2, 10302, 25, "Beispiel Zwei HD", "Bsp2", 3, 0, false},
      {3, 10401, 1, "Kanal Probe", "", 4, 1, false},
      {4, 10402, 1, "Testbild 24 ", "", 4, 1, true},
      {5, 10403, 2, "Radio Muster", "", 4, 1, false},
      {6, 10501, 1, "Nachrichten Demo", "", 5, 0, false},
  };
  Bytes map(320 * 1000, '\0');
  size_t slot = 0;
  for (const Channel& c : channels) {
    const size_t at = slot * 320;
    PutU16(map, at, c.number);
    PutU16(map, at + 2, c.serviceType == 2 ? 0xFFFF : 0x100 + c.number);
    PutU16(map, at + 4, 0x100 + c.number);
    PutU16(map, at + 6, c.serviceId);
    map[at + 9] = 1;
    map[at + 10] = 1;  // cable
    map[at + 11] = 4;
    map[at + 12] = 2;  // QAM256
    map[at + 14] = 1;
    map[at + 15] = static_cast<char>(c.serviceType);
    map[at + 24] = c.encrypted ? 1 : 0;
    PutU16(map, at + 28, 6900);
    PutU16(map, at + 32, 61441);
    PutU16(map, at + 34, 61441);
    PutU16(map, at + 40, c.provider);
    PutU16(map, at + 42, c.channel);
    PutU16(map, at + 48, 1000 + c.channel);
    PutText(map, at + 64, c.name, true);
    PutText(map, at + 264, c.shortName, true);
    for (size_t list = 0; list < 5; ++list)
      PutU32(map, at + 292 + 4 * list, list == 1 && c.number <= 2 ? c.number : kNotInList);
    PutCheck(map, at, 320);
    ++slot;
  }
  return map;
}

Bytes SatelliteMap() {
  struct Channel {
    uint16_t number;
    uint16_t serviceId;
    uint16_t transponder;
    const char* name;
  };
  const Channel channels[] = {
      {1, 28001, 1, "Orbit Demo"}, {2, 28002, 1, "Sternwarte TV"}, {3, 28101, 2, "Probe Sat HD"}, {4, 28102, 3, "Muster Radio"}};
  Bytes map(168 * 1000, '\0');
  size_t slot = 0;
  for (const Channel& c : channels) {
    const size_t at = slot * 168;
    PutU16(map, at, c.number);
    PutU16(map, at + 2, 0x200 + c.number);
    PutU16(map, at + 4, 0x200 + c.number);
    map[at + 7] = 1;
    map[at + 10] = 3;
    map[at + 14] = 1;
    PutU16(map, at + 16, c.serviceId);
    PutU16(map, at + 18, c.transponder);
    PutU16(map, at + 20, c.transponder == 3 ? 2 : 1);
    PutU16(map, at + 24, 1000 + c.transponder);
    PutU16(map, at + 28, 1);
    PutText(map, at + 36, c.name, true);
    PutU16(map, at + 138, 2);
    for (size_t list = 0; list < 5; ++list) PutU32(map, at + 140 + 4 * list, kNotInList);
    PutCheck(map, at, 168);
    ++slot;
  }
  return map;
}

Bytes Satellites() {
  Bytes b = Header(kDatabaseVersion);
  struct Satellite {
    uint32_t number;
    const char* name;
    uint32_t position;  // tenths of a degree east
  };
  for (const Satellite& s : {Satellite{1, "Demosat 19.2E", 192}, Satellite{2, "Probesat 13.0E", 130}}) {
    Bytes r(145, '\0');
    r[0] = 'U';
    PutU32(r, 1, s.number);
    PutText(r, 9, s.name, false);
    PutU32(r, 137, 1);
    PutU32(r, 141, s.position);
    b += r;
  }
  return b;
}

Bytes Transponders() {
  Bytes b = Header(kDatabaseVersion);
  struct Transponder {
    uint32_t number, satellite, khz, symbolRate, polarity;
  };
  for (const Transponder& t : {Transponder{1, 1, 11494000, 22000000, 0}, Transponder{2, 1, 11836000, 27500000, 0},
                               Transponder{3, 2, 12188000, 27500000, 1}}) {
    Bytes r(45, '\0');
    r[0] = 'U';
    PutU32(r, 1, t.number);
    PutU32(r, 5, t.satellite);
    PutU32(r, 9, t.khz);
    PutU32(r, 13, t.symbolRate);
    PutU32(r, 17, t.polarity);
    PutU32(r, 21, 0xFFFFFFFF);
    PutU32(r, 25, 3);
    b += r;
  }
  return b;
}

Bytes Providers() {
  Bytes b;
  struct Provider {
    uint16_t source, index, channels;
    const char* name;
  };
  for (const Provider& p : {Provider{1, 0, 3, "Demokabel"}, Provider{1, 1, 3, "Probenetz"}, Provider{3, 2, 4, "Sternwarte"}}) {
    Bytes r(108, '\0');
    PutU16(r, 0, p.source);
    PutU16(r, 2, p.index);
    PutU16(r, 4, p.channels);
    PutU16(r, 6, static_cast<uint32_t>(2 * std::strlen(p.name)));
    PutText(r, 8, p.name, true);
    b += r;
  }
  return b;
}

Bytes RadioMap() {
  Bytes b(24 * 30, '\0');
  for (uint32_t i = 0; i < 30; ++i) {
    PutFloat(b, 24 * i + 16, 87500.0f);
    PutU32(b, 24 * i + 20, i);
  }
  return b;
}

Bytes CablePtc() {
  Bytes b;
  for (uint16_t channel = 3; channel <= 5; ++channel) {
    Bytes r(12, '\0');
    const float mhz = 346.0f + 8.0f * static_cast<float>(channel);
    PutFloat(r, 4, mhz);
    PutU16(r, 8, channel);
    r[11] = static_cast<char>((static_cast<unsigned>(mhz) + channel) & 0xFF);
    b += r;
  }
  return b;
}

Bytes FineTune() {
  Bytes r(24, '\0');
  PutU16(r, 0, 1);
  PutU16(r, 2, 3);
  PutU32(r, 4, static_cast<uint32_t>(-2));
  PutU32(r, 16, 87);
  r[22] = 1;
  unsigned sum = 0;
  for (size_t i : {4, 8, 12, 16, 20, 22}) sum += static_cast<unsigned char>(r[i]);
  r[23] = static_cast<char>(sum & 0xFF);
  return r;
}

Bytes NetworkList() {
  Bytes b = Header(2);
  for (uint32_t source : {1u, 3u}) {
    Bytes r(12, '\0');
    PutU32(r, 0, source);
    PutU16(r, 4, source == 1 ? 61441 : 1);
    PutU16(r, 6, 3);
    b += r;
  }
  return b;
}

struct ZipCloser {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};

void AddEntry(zip_t* archive, const std::string& name, const Bytes& bytes) {
  // libzip keeps the buffer until the archive is written: hand it a copy it frees itself.
  void* copy = std::malloc(bytes.size() ? bytes.size() : 1);
  if (!copy) throw CommandFailure("out of memory");
  std::memcpy(copy, bytes.data(), bytes.size());
  zip_source_t* source = zip_source_buffer(archive, copy, bytes.size(), 1);
  if (!source) {
    std::free(copy);
    throw CommandFailure(std::string("cannot add ") + name + ": " + zip_strerror(archive));
  }
  if (zip_file_add(archive, name.c_str(), source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8) < 0) {
    zip_source_free(source);
    throw CommandFailure(std::string("cannot add ") + name + ": " + zip_strerror(archive));
  }
}

}  // namespace

int DemoArchiveCommand(const Words& words) {
  const CliArguments args(words, {}, {});
  const std::string path = args.Positional(1)[0];
  int error = 0;
  std::unique_ptr<zip_t, ZipCloser> archive(zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error));
  if (!archive) {
    zip_error_t reason;
    zip_error_init_with_code(&reason, error);
    const std::string text = zip_error_strerror(&reason);
    zip_error_fini(&reason);
    throw CommandFailure("cannot create " + path + ": " + text);
  }
  Bytes cloneInfo = Header(0x00444555);  // "UED" and a zero
  cloneInfo += "UE40DEMO1";
  const std::vector<std::pair<std::string, Bytes>> entries = {
      {"map-AirA", AnalogMap()},
      {"map-CableD", CableMap()},
      {"map-SateD", SatelliteMap()},
      {"PTCCABLE", CablePtc()},
      {"FineTune_Digital", FineTune()},
      {"SatDataBase.dat", Satellites()},
      {"TransponderDataBase.dat", Transponders()},
      {"UserTransponderDataBase.dat", Header(kDatabaseVersion)},
      {"ServiceProviders", Providers()},
      {"RadioMap", RadioMap()},
      {"TSIDList", NetworkList()},
      {"CloneInfo", cloneInfo},
      {"map-ChKey", Header(0x0012536D)},
  };
  for (const auto& [name, bytes] : entries) AddEntry(archive.get(), name, bytes);
  if (zip_close(archive.get()) < 0)
    throw CommandFailure("cannot write " + path + ": " + zip_strerror(archive.get()));
  archive.release();
  std::cout << "Wrote " << path << " with " << entries.size() << " entries\n";
  return 0;
}

}  // namespace tarno::cli
