// Where the time of the window's "Load" goes, for one television file:
//   bench_window_load FILE [PROGRAM_FOLDER]
// PROGRAM_FOLDER holds the settings, the script and the font (default: the
// folder of this program). Prints, each with its processor time:
//   start         the window built and shown, its script compiled and initialised
//   conversion    every cell's text made from the records, nothing stored
//   cell store    the same through FillGrid into a bare cell store
//   window load   "Load" clicked in the window (the file dialog answered at once)
//   first paint   the grid drawn for the first time
// and the process's peak memory. Run it under QT_QPA_PLATFORM=offscreen or xvfb.
#include <sys/resource.h>

#include <QApplication>
#include <QPushButton>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>

#include "CellStore.h"
#include "LoadSave.h"
#include "TarnoChannelEditUnit001.h"
#include "TzebGrid.h"
#include "WindowDialogs.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Stopwatch {
  Clock::time_point wall = Clock::now();
  double cpu = CpuSeconds();

  static double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
  }
  void Print(const char* what) const {
    std::printf("%-12s %7.3f s  (processor %.3f s)\n", what,
                std::chrono::duration<double>(Clock::now() - wall).count(), CpuSeconds() - cpu);
  }
};

// Answers the open dialog with one file; nothing else is asked during a load.
class AnswerOpen : public tarno::window::WindowDialogs {
 public:
  explicit AnswerOpen(std::string path) : path_(std::move(path)) {}
  std::optional<std::string> OpenFile(const tarno::window::FileDialogRequest&) override { return path_; }
  std::optional<std::string> SaveFile(const tarno::window::FileDialogRequest&) override { return std::nullopt; }
  void ShowError(const std::string& message) override { std::printf("error: %s\n", message.c_str()); }
  std::string AskSearchText() override { return {}; }
  int MessageBox(const std::string&, const std::string&, int) override { return 1; }
  tarno::window::SaveChangesAnswer AskSaveChanges(const std::vector<std::string>&) override {
    return tarno::window::SaveChangesAnswer::No;
  }
  int Ask(const tarno::window::Question& question) override { return static_cast<int>(question.buttons.size()) - 1; }
  std::optional<std::vector<tarno::window::OptionGroup>> AskOptions(const tarno::window::OptionsQuestion&) override {
    return std::nullopt;
  }

 private:
  std::string path_;
};

void PrintLog(const std::string& line) { std::printf("  log: %s\n", line.c_str()); }

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc < 2) {
    std::printf("usage: bench_window_load FILE [PROGRAM_FOLDER]\n");
    return 2;
  }
  const std::string file = std::filesystem::absolute(argv[1]).string();
  std::string folder = argc > 2 ? std::filesystem::absolute(argv[2]).string() : QCoreApplication::applicationDirPath().toStdString();
  if (folder.back() != '/') folder += '/';

  Stopwatch start;
  tarno::window::TfrmTarnoChannelEdit window({folder, std::make_shared<AnswerOpen>(file), {}});
  window.resize(1280, 800);
  window.show();
  QCoreApplication::processEvents();
  start.Print("start");
  if (!window.HasScript()) std::printf("  (no script)\n");

  {
    auto data = tarno::LoadDataFile(window.IniFileName(), file, PrintLog);
    if (!data) return 1;
    Stopwatch conversion;
    std::u16string text;
    for (size_t r = 0; r < data->Records.size(); ++r)
      for (size_t e = 0; e < data->Items.size(); ++e) data->DataToText(static_cast<int>(e), static_cast<int>(r), text);
    conversion.Print("conversion");
    Stopwatch store;
    tarno::grid::CellStore cells;
    tarno::FillLoadedGrid(*data, cells, PrintLog);
    store.Print("cell store");
  }

  auto* load = window.findChild<QPushButton*>(QStringLiteral("btnLoad"));
  if (!load) return 1;
  Stopwatch click;
  load->click();
  click.Print("window load");
  if (!window.Grid() || window.Grid()->Cells().RowCount() < 2) {
    std::printf("nothing loaded\n");
    return 1;
  }
  Stopwatch paint;
  window.Grid()->grab();
  paint.Print("first paint");
  std::printf("%d rows, %d columns\n", window.Grid()->Cells().RowCount() - 1, window.Grid()->Cells().ColCount() - 1);

  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("peak memory  %7ld MB\n", usage.ru_maxrss / 1024);
  return 0;
}
