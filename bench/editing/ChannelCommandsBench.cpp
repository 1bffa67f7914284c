// The channel commands on a full channel map, as the window and tarno-cli run
// them (through the document, one step to undo each): 65,535 channels, 1,000
// of them selected, put into favourites list 1 and locked.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

#include "ChannelDocument.h"
#include "GridCommandTable.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRecords = 65535;
constexpr int kFirstSelected = 30000;
constexpr int kSelected = 1000;

// A channel map of the later sets, cut down to the fields the commands read
// (without the script, the positions show unsigned: -1 as 4294967295).
const char* kSettings = R"(
[map-CableD]
ITEM = Nr,      2, 2, #,       $00, 1, Nr
ITEM = Name,   40, 2, /,       $00, 2, Name
ITEM = Fav1,    4, 4, #,       $00, 3, Fav1
ITEM = Fav2,    4, 4, #,       $00, 4, Fav2
ITEM = Lock,    1, 1, #,       $00, 5, Lock
ITEM = In use,  1, 1, #,       $00, 6, In use
)";
constexpr size_t kRecordSize = 2 + 40 + 4 + 4 + 1 + 1;

void WriteMap(const std::filesystem::path& path) {
  std::string bytes(kRecords * kRecordSize, '\0');
  for (size_t r = 0; r < kRecords; ++r) {
    char* record = bytes.data() + r * kRecordSize;
    record[0] = static_cast<char>((r + 1) & 0xFF);
    record[1] = static_cast<char>((r + 1) >> 8);
    const std::string name = "Channel " + std::to_string(r + 1);
    for (size_t i = 0; i < name.size(); ++i) record[2 + 2 * i + 1] = name[i];
    for (size_t i = 42; i < 50; ++i) record[i] = '\xFF';  // in no favourites list
    record[51] = 1;
  }
  std::ofstream(path, std::ios::binary) << bytes;
}

double Milliseconds(const std::function<void()>& work) {
  const auto start = Clock::now();
  work();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

}  // namespace

int main() {
  const auto folder = std::filesystem::temp_directory_path() / ("tarno-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "settings.ini") << kSettings;
  WriteMap(folder / "map-CableD");
  const tarno::LogSink quiet = [](const std::string&) {};
  const tarno::LogSink print = [](const std::string& line) { std::printf("%s\n", line.c_str()); };
  tarno::editing::ChannelDocument document((folder / "settings.ini").string(), (folder / "map-CableD").string());
  const bool loaded = document.Load(print);
  std::filesystem::remove_all(folder);
  if (!loaded) {
    std::printf("the map did not load\n");
    return 1;
  }
  const auto run = [&](std::string_view step, const tarno::editing::CommandInput& input) {
    return Milliseconds([&] { document.Run(*tarno::editing::FindCommand(step), input, print); });
  };
  const std::string outside(document.Cells().Text(3, kFirstSelected - 1));
  run("select", {"", 1, kFirstSelected, kFirstSelected + kSelected - 1});
  std::printf("%-44s %9.1f ms\n", "favourite-add=1, 1,000 of 65,535 channels", run("favourite-add", {"1"}));
  std::printf("%-44s %9.1f ms\n", "lock=on, 1,000 of 65,535 channels", run("lock", {"on"}));
  std::printf("%-44s %9.1f ms\n", "undo of lock=on", run("undo", {}));
  const tarno::grid::CellStore& cells = document.Cells();
  const auto number = [&cells](int row) { return std::stol(std::string(cells.Text(3, row))); };
  const bool ok = number(kFirstSelected) == 1 && number(kFirstSelected + kSelected - 1) == kSelected &&
                  cells.Text(3, kFirstSelected - 1) == outside;
  std::printf("%d rows: %s\n", cells.RowCount() - 1, ok ? "results checked" : "WRONG RESULT");
  if (!ok)
    std::printf("Fav1 of rows %d, %d, %d: '%s' '%s' '%s'\n", kFirstSelected - 1, kFirstSelected,
                kFirstSelected + kSelected - 1, std::string(cells.Text(3, kFirstSelected - 1)).c_str(),
                std::string(cells.Text(3, kFirstSelected)).c_str(),
                std::string(cells.Text(3, kFirstSelected + kSelected - 1)).c_str());
  if (!ok) std::printf("Lock %s, Nr %s, In use %s\n", std::string(cells.Text(5, kFirstSelected)).c_str(),
                       std::string(cells.Text(1, kFirstSelected)).c_str(), std::string(cells.Text(6, kFirstSelected)).c_str());
  return ok ? 0 : 1;
}
