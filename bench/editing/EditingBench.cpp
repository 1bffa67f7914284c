// The grid commands on a full channel map: 65,535 records with a number, two
// names and a few other fields. Prints the time of "Sort rows" on the number
// column, "Sorted renumber", a search that finds nothing, and "Sort rows" with
// 30,000 unnumbered rows (scattered, and all at the top as the worst case).
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>

#include "EditorState.h"
#include "FindNext.h"
#include "Renumbering.h"
#include "SortRows.h"
#include "TarnoChannelEditUnit002.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRecords = 65535;
constexpr int kUnnumbered = 30000;
constexpr uint16_t kEmptyNumber = 0xFFFF;

const char* kSettings = R"(
[bench]
ITEM = Program, 2, 2, #, $FF, 1
ITEM = Service ID, 2, 2, #, $00, 2
ITEM = ONID, 2, 2, #, $00, 3
ITEM = Flags, 1, 1, %, $00, 4
ITEM = Unknown, 6, 1, $, $00, -5
ITEM = Name, 40, 2, /, $00, 6
ITEM = Short name, 10, 2, /, $00, 7
ITEM = Fav, 4, 4, $, $00, 8
)";
constexpr int kRecordSize = 2 + 2 + 2 + 1 + 6 + 40 + 10 + 4;

// Program numbers 1..65535 in random order, the given rows left without one.
std::vector<tarno::TDataByteArray> Records(const std::function<bool(int)>& unnumbered) {
  std::mt19937 random(7);
  std::vector<uint16_t> numbers(kRecords);
  for (int r = 0; r < kRecords; ++r) numbers[static_cast<size_t>(r)] = static_cast<uint16_t>(r + 1);
  std::shuffle(numbers.begin(), numbers.end(), random);
  std::vector<tarno::TDataByteArray> records(kRecords, tarno::TDataByteArray(kRecordSize, 0));
  for (int r = 0; r < kRecords; ++r) {
    auto& record = records[static_cast<size_t>(r)];
    const uint16_t number = unnumbered(r) ? kEmptyNumber : numbers[static_cast<size_t>(r)];
    record[0] = static_cast<uint8_t>(number & 0xFF);
    record[1] = static_cast<uint8_t>(number >> 8);
    for (size_t i = 2; i < 13; ++i) record[i] = static_cast<uint8_t>(random());
    const std::string name = "Channel " + std::to_string(random() % 100000) + " HD";
    for (size_t i = 0; i < name.size(); ++i) record[13 + 2 * i + 1] = static_cast<uint8_t>(name[i]);
  }
  return records;
}

struct Figure {
  double wall = 0;
  double processor = 0;
};

double CpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

Figure Time(const std::function<void()>& work) {
  const auto start = Clock::now();
  const double cpu = CpuSeconds();
  work();
  return {std::chrono::duration<double>(Clock::now() - start).count(), CpuSeconds() - cpu};
}

void Print(const char* what, const Figure& figure) {
  std::printf("%-44s %9.1f ms (processor %.1f ms)\n", what, figure.wall * 1000, figure.processor * 1000);
}

// Numbers ascending from row 1, then only empty cells. (Number 65535 is the
// field's default pattern and shows empty too.)
bool ProgramColumnAscending(const tarno::grid::CellStore& cells, int unnumbered) {
  int r = 2;
  for (; r < cells.RowCount() && !cells.Text(1, r).empty(); ++r)
    if (cells.Text(1, r - 1) > cells.Text(1, r)) return false;
  return cells.RowCount() - r >= unnumbered;
}

}  // namespace

int main() {
  const auto folder = std::filesystem::temp_directory_path() / ("tarno-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "settings.ini") << kSettings;
  tarno::TDataObject data((folder / "settings.ini").string(), "bench");
  std::filesystem::remove_all(folder);
  tarno::grid::CellStore cells;
  bool ok = true;

  data.Records = Records([](int) { return false; });
  data.FillGrid(&cells);
  cells.SetCol(1);
  Print("Sort rows, number column", Time([&] { tarno::editing::SortRows(&cells); }));
  ok = ok && ProgramColumnAscending(cells, 0);

  data.FillGrid(&cells);
  cells.SetCol(1);
  Print("Sorted renumber, number column", Time([&] { tarno::editing::SortedRenumber(&data, &cells); }));
  // Every number 1..65535 is given once, so the renumbered column matches the old one; the
  // record behind row 1 must hold what row 1 shows.
  const int shown = std::stoi(std::string(cells.Text(1, 1)));
  ok = ok && data.Records[0][0] + 256 * data.Records[0][1] == shown;

  tarno::editing::EditorState state;
  state.SearchText = "NOT IN ANY CELL";
  cells.SetCol(1);
  cells.SetRow(1);
  bool found = true;
  Print("Search finding nothing", Time([&] { found = tarno::editing::FindNext(state, &cells); }));
  ok = ok && !found;

  std::mt19937 random(11);
  std::vector<bool> scattered(kRecords, false);
  for (int placed = 0; placed < kUnnumbered;) {
    const size_t r = random() % kRecords;
    if (scattered[r]) continue;
    scattered[r] = true;
    ++placed;
  }
  data.Records = Records([&scattered](int r) { return scattered[static_cast<size_t>(r)]; });
  data.FillGrid(&cells);
  cells.SetCol(1);
  Print("Sort rows, 30,000 unnumbered rows scattered", Time([&] { tarno::editing::SortRows(&cells); }));
  ok = ok && ProgramColumnAscending(cells, kUnnumbered);

  data.Records = Records([](int r) { return r < kUnnumbered; });
  data.FillGrid(&cells);
  cells.SetCol(1);
  Print("Sort rows, 30,000 unnumbered rows on top", Time([&] { tarno::editing::SortRows(&cells); }));
  ok = ok && ProgramColumnAscending(cells, kUnnumbered);

  std::printf("%d rows, %d columns: %s\n", cells.RowCount() - 1, cells.ColCount() - 1, ok ? "results checked" : "WRONG RESULT");
  return ok ? 0 : 1;
}
