// Undo and redo on a full channel map of 65,535 records: the time of "Sort
// rows" and "Sorted renumber" with the history recording, of their undo and
// redo, the memory each step keeps, and the cost a keystroke's step adds.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>

#include "EditHistory.h"
#include "Renumbering.h"
#include "SortRows.h"
#include "TarnoChannelEditUnit002.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRecords = 65535;
constexpr int kKeystrokes = 100;
const char* kSettings = R"(
[bench]
ITEM = Program, 2, 2, #, $FF, 1
ITEM = Service ID, 2, 2, #, $00, 2
ITEM = Name, 40, 2, /, $00, 3
ITEM = Unknown, 20, 1, $, $00, -4
)";
constexpr size_t kRecordSize = 2 + 2 + 40 + 20;

// Random program numbers with gaps and repeats (65535 is the empty pattern),
// so that both renumbers change nearly every number; random names and filler.
std::vector<tarno::TDataByteArray> Records() {
  std::mt19937 random(7);
  std::vector<uint16_t> numbers(kRecords);
  for (uint16_t& number : numbers) number = static_cast<uint16_t>(1 + random() % (kRecords - 1));
  std::vector<tarno::TDataByteArray> records(kRecords, tarno::TDataByteArray(kRecordSize, 0));
  for (size_t r = 0; r < records.size(); ++r) {
    auto& record = records[r];
    record[0] = static_cast<uint8_t>(numbers[r] & 0xFF);
    record[1] = static_cast<uint8_t>(numbers[r] >> 8);
    const std::string name = "Channel " + std::to_string(random() % 100000);
    for (size_t i = 0; i < name.size(); ++i) record[4 + 2 * i] = static_cast<uint8_t>(name[i]);
    for (size_t i = 44; i < kRecordSize; ++i) record[i] = static_cast<uint8_t>(random());
  }
  return records;
}

double Milliseconds(const std::function<void()>& work) {
  const auto start = Clock::now();
  work();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::vector<std::string> Column(const tarno::grid::CellStore& cells, int col) {
  std::vector<std::string> texts;
  for (int r = 1; r < cells.RowCount(); ++r) texts.emplace_back(cells.Text(col, r));
  return texts;
}

// Runs the command as one step, undoes and redoes it; false when undo did not
// give back the column and the records, or redo the state after.
bool Measure(const char* name, tarno::TDataObject& data, tarno::grid::CellStore& cells,
             tarno::editing::EditHistory& history, const std::function<void()>& command) {
  const auto beforeTexts = Column(cells, 1);
  const auto beforeRecords = data.Records;
  const size_t bytesBefore = history.Bytes();
  const double done = Milliseconds([&] {
    const tarno::grid::CellStore::Step step(cells);
    command();
  });
  const auto afterTexts = Column(cells, 1);
  const size_t stepBytes = history.Bytes() - bytesBefore;
  const double undone = Milliseconds([&] { history.Undo(); });
  const bool restored = Column(cells, 1) == beforeTexts && data.Records == beforeRecords;
  const double redone = Milliseconds([&] { history.Redo(); });
  const bool again = Column(cells, 1) == afterTexts;
  std::printf("%-16s do %8.1f ms  undo %7.1f ms  redo %7.1f ms  step %8.1f KiB\n", name, done, undone, redone,
              static_cast<double>(stepBytes) / 1024);
  return restored && again;
}

}  // namespace

int main() {
  const auto folder = std::filesystem::temp_directory_path() / ("tarno-bench-undo-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "settings.ini") << kSettings;
  tarno::TDataObject data((folder / "settings.ini").string(), "bench");
  std::filesystem::remove_all(folder);
  tarno::grid::CellStore cells;
  data.Records = Records();
  data.FillGrid(&cells);
  cells.SetCol(1);
  tarno::editing::EditHistory history(data, cells);

  bool ok = Measure("Sort rows", data, cells, history, [&] { tarno::editing::SortRows(&cells); });
  ok = Measure("Sorted renumber", data, cells, history, [&] { tarno::editing::SortedRenumber(&data, &cells); }) && ok;
  ok = Measure("Renumber column", data, cells, history, [&] { tarno::editing::RenumberColumn(&data, &cells); }) && ok;

  const uint64_t typing = tarno::grid::NewMergeKey();
  std::string typed;
  const double keystrokes = Milliseconds([&] {
    for (int k = 0; k < kKeystrokes; ++k) {
      typed += 'x';
      const tarno::grid::CellStore::Step step(cells, typing);
      cells.SetText(3, 5, typed);
    }
  });
  std::printf("%-16s %.2f ms per keystroke step\n", "Typing", keystrokes / kKeystrokes);
  std::printf("%d records, history %.1f KiB: %s\n", kRecords, static_cast<double>(history.Bytes()) / 1024,
              ok ? "results checked" : "WRONG RESULT");
  return ok ? 0 : 1;
}
