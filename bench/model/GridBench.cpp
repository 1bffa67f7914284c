// A full channel map in the grid: 65,535 records of 320 bytes.
//   bench_grid                      45 fields, built-in conversions only
//   bench_grid SCRIPT               the same 45 fields, the five favourites through
//                                   SCRIPT's Signed conversion (the default script)
//   bench_grid INI SCRIPT SECTION   a section of a settings file with its script
//                                   (e.g. the default settings' map-CableD)
// Prints the time of the fill, of the take-back with the save, of row moves,
// of the take-back after the moves and with every cell edited, and the
// process's peak memory.
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

#include "ScriptSession.h"
#include "TarnoChannelEditUnit002.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRecords = 65535;

// 45 fields over 320 bytes: numbers of every size, hex runs, two UTF-16 names, a sum.
const char* kSettings = R"(
[bench]
ITEM = Program, 2, 2, #, $00, 1
ITEM = Video PID, 2, 2, #, $00, 2
ITEM = PCR PID, 2, 2, #, $00, 3
ITEM = Service ID, 2, 2, #, $00, 4
ITEM = Deleted, 1, 1, #, $00, 5
ITEM = In use, 1, 1, #, $00, 6
ITEM = Source, 1, 1, #, $00, 7
ITEM = Signal, 1, 1, #, $00, 8
ITEM = Modulation, 1, 1, #, $00, 9
ITEM = Skip, 1, 1, #, $00, 10
ITEM = Bandwidth, 1, 1, #, $00, 11
ITEM = Service type, 1, 1, #, $00, 12
ITEM = Codec, 1, 1, #, $00, 13
ITEM = Unknown17, 3, 1, $, $00, -14
ITEM = Width, 2, 2, #, $00, 15
ITEM = Height, 2, 2, #, $00, 16
ITEM = Encrypted, 1, 1, #, $00, 17
ITEM = Hidden, 1, 1, #, $00, 18
ITEM = Unknown26, 2, 1, $, $00, -19
ITEM = Symbol rate, 2, 2, #, $00, 20
ITEM = Unknown30, 1, 1, $, $00, -21
ITEM = Locked, 1, 1, #, $00, 22
ITEM = ONID, 2, 2, #, $00, 23
ITEM = NID, 2, 2, #, $00, 24
ITEM = Unknown36, 4, 1, $, $00, -25
ITEM = Provider, 2, 2, #, $00, 26
ITEM = Channel, 2, 2, #, $00, 27
ITEM = LCN, 2, 2, #, $00, 28
ITEM = Unknown46, 2, 1, $, $00, -29
ITEM = TSID, 2, 2, #, $00, 30
ITEM = Unknown50, 14, 1, $, $00, -31
ITEM = Name, 200, 2, /, $00, 32
ITEM = Short name, 18, 2, /, $00, 33
ITEM = Video format, 1, 1, #, $00, 34
ITEM = Unknown283, 9, 1, $, $00, -35
ITEM = Fav1, 4, 4, FAV, $00, 36
ITEM = Fav2, 4, 4, FAV, $00, 37
ITEM = Fav3, 4, 4, FAV, $00, 38
ITEM = Fav4, 4, 4, FAV, $00, 39
ITEM = Fav5, 4, 4, FAV, $00, 40
ITEM = Unknown312, 3, 1, $, $00, -41
ITEM = Frequency, 2, 2, #, $00, 42
ITEM = Unknown316, 1, 1, $, $00, -43
ITEM = Flags, 1, 1, %, $00, 44
ITEM = Check, 1, 1, ^, , -45
)";

std::vector<tarno::TDataByteArray> SyntheticRecords() {
  std::mt19937 random(42);
  std::vector<tarno::TDataByteArray> records(kRecords, tarno::TDataByteArray(320));
  for (int r = 0; r < kRecords; ++r) {
    auto& record = records[static_cast<size_t>(r)];
    for (size_t i = 0; i < 64; ++i) record[i] = static_cast<uint8_t>(random());
    const std::string name = "Channel " + std::to_string(r) + " HD";
    for (size_t i = 0; i < name.size(); ++i) record[64 + 2 * i + 1] = static_cast<uint8_t>(name[i]);
    for (size_t i = 282; i < 319; ++i) record[i] = static_cast<uint8_t>(random());
  }
  return records;
}

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

// Processor time of this process: what the work costs when other programs share the machine.
double CpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

long PeakMemoryMb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

}  // namespace

// The built-in layout, its favourites shown by the script's signed conversion or in hex.
std::string BuiltInSettings(bool scriptedFavourites) {
  std::string settings = kSettings;
  const std::string type = scriptedFavourites ? "#Signed" : "$";
  for (size_t at = settings.find("FAV"); at != std::string::npos; at = settings.find("FAV", at))
    settings.replace(at, 3, type);
  return settings;
}

int main(int argc, char** argv) {
  const auto folder = std::filesystem::temp_directory_path() / ("tarno-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "settings.ini") << BuiltInSettings(argc == 2);
  const bool ownSection = argc == 4;
  tarno::ScriptSession script;
  if (argc > 1 && !script.Reload(argv[argc == 2 ? 1 : 2], [](const std::string& line) { std::printf("%s\n", line.c_str()); }))
    return 1;
  tarno::TDataObject data(ownSection ? argv[1] : (folder / "settings.ini").string(), ownSection ? argv[3] : "bench");
  if (data.RecordSize() != 320) {
    std::printf("the layout must describe 320-byte records\n");
    return 1;
  }
  data.Records = SyntheticRecords();
  tarno::grid::CellStore grid;

  auto start = Clock::now();
  double cpu = CpuSeconds();
  data.FillGrid(&grid);
  const double fill = Seconds(start);
  if (!data.LastError.empty()) std::printf("fill stopped: %s\n", data.LastError.c_str());
  const double fillCpu = CpuSeconds() - cpu;

  start = Clock::now();
  cpu = CpuSeconds();
  const bool back = data.GridToRecords(&grid, true);
  const bool saved = data.SaveToFile((folder / "bench").string(), true);
  const double save = Seconds(start);
  const double saveCpu = CpuSeconds() - cpu;

  double worstMove = 0;
  for (auto [from, to] : {std::pair{1, kRecords}, std::pair{kRecords, 1}, std::pair{kRecords / 2, 2}}) {
    start = Clock::now();
    grid.MoveRow(from, to);
    worstMove = std::max(worstMove, Seconds(start));
  }
  std::filesystem::remove_all(folder);

  // The moved rows in displayed order: whole records copied into their new places.
  cpu = CpuSeconds();
  const bool reordered = data.GridToRecords(&grid, true);
  const double reorderCpu = CpuSeconds() - cpu;
  // Every cell edited: every field converted back from its text, as before the edited marks.
  for (int r = 1; r < grid.RowCount(); ++r)
    for (int c = 1; c < grid.ColCount(); ++c) grid.SetEdited(c, r, true);
  cpu = CpuSeconds();
  const bool converted = data.GridToRecords(&grid, true);
  const double convertCpu = CpuSeconds() - cpu;

  size_t scripted = 0;
  for (const auto& item : data.Items) scripted += !item.ScriptName.empty() && item.TypeChar != '^';
  std::printf("records %d x %d bytes, %zu fields, %zu through the script (%s)\n", kRecords, data.RecordSize(),
              data.Items.size(), scripted, back && saved ? "take-back and save ok" : "FAILED");
  std::printf("FillGrid                   %6.3f s (processor %.3f s)\n", fill, fillCpu);
  std::printf("GridToRecords + SaveToFile %6.3f s (processor %.3f s)\n", save, saveCpu);
  std::printf("row move (worst of 3)     %7.3f ms\n", worstMove * 1000);
  std::printf("GridToRecords, moved rows   processor %.3f s (%s)\n", reorderCpu, reordered ? "ok" : "FAILED");
  std::printf("GridToRecords, all edited   processor %.3f s (%s)\n", convertCpu, converted ? "ok" : "FAILED");
  std::printf("peak memory               %7ld MB\n", PeakMemoryMb());
  return back && saved && reordered && converted ? 0 : 1;
}
