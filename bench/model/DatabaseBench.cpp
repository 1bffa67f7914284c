// A channel database of the newer sets through the steps of Load and Save:
//   bench_database [ARCHIVE.zip [ENTRY]]
// extracts ENTRY (default dvbs) of ARCHIVE (default the 1,323-service K
// sample) into a temporary folder, and times, as the median of 15 runs, its
// load into a grid with the default settings and script (LoadDataFile and
// FillLoadedGrid, and the reading of the records alone) and the save of one
// typed name (TakeGridBack and SaveRecords, the database written in place).
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "LoadSave.h"
#include "ScriptSession.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRuns = 15;
constexpr int kNameColumn = 2;  // "Name" in the default database sections

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  const std::string source = TARNO_SOURCE_DIR;
  const std::string archive = argc > 1 ? argv[1] : TARNO_ZIP_SAMPLES_DIR "/Channel_list_T-KTSUDEUC-1007.1.zip";
  const std::string entry = argc > 2 ? argv[2] : "dvbs";
  const auto folder = std::filesystem::temp_directory_path() / ("tarno-bench-db-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  const std::string unzip = "unzip -qq -o '" + archive + "' '" + entry + "' -d '" + folder.string() + "'";
  if (std::system(unzip.c_str()) != 0) {
    std::printf("cannot extract %s from %s\n", entry.c_str(), archive.c_str());
    return 1;
  }
  const std::string path = (folder / entry).string();
  const std::string settings = source + "/data/TarnoChannelEdit.ini";
  const tarno::LogSink quiet = [](const std::string&) {};
  tarno::ScriptSession script;
  if (!script.Reload(source + "/data/TarnoChannelEdit.rops", quiet)) return 1;

  std::vector<double> reads;
  std::vector<double> loads;
  std::vector<double> saves;
  size_t services = 0;
  for (int run = 0; run < kRuns; ++run) {
    auto start = Clock::now();
    auto data = tarno::LoadDataFile(settings, path, quiet);
    reads.push_back(MillisecondsSince(start));
    tarno::grid::CellStore grid;
    if (!data || !tarno::FillLoadedGrid(*data, grid, quiet)) return 1;
    loads.push_back(MillisecondsSince(start));
    services = data->Records.size();

    grid.SetText(kNameColumn, 1, run % 2 == 0 ? "Bench name" : "Bench name 2");
    grid.SetEdited(kNameColumn, 1, true);
    start = Clock::now();
    if (!tarno::TakeGridBack(*data, grid, true, quiet) || !tarno::SaveRecords(*data, path, false, quiet)) return 1;
    saves.push_back(MillisecondsSince(start));
  }
  std::printf("%s: %zu services\n", entry.c_str(), services);
  std::printf("load into the grid   %7.2f ms (median of %d)\n", Median(loads), kRuns);
  std::printf("  of which reading   %7.2f ms\n", Median(reads));
  std::printf("save one typed name  %7.2f ms (median of %d)\n", Median(saves), kRuns);
  std::filesystem::remove_all(folder);
  return 0;
}
