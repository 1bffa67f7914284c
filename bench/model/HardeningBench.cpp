// What hostile or merely large inputs cost, and what extraction of the real
// archives costs:
//   bench_hardening
// Prints, each the median of five runs: the extraction of every sample archive
// into a fresh folder; the take-back of one field of 60,000 elements as text
// and as numbers; the preprocessing of a 1 MB script with 2,000 include
// directives; then a script that holds strings until it runs out of memory,
// with the process's peak memory after it.
#include <pscript/memory.h>
#include <pscript/pscript.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "LayoutReader.h"
#include "TarnoChannelEditUnit002.h"
#include "TelevisionArchive.h"

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

constexpr int kRuns = 5;
constexpr int kFieldElements = 60000;
constexpr int kIncludes = 2000;
constexpr size_t kMainScriptBytes = 1u << 20;

double MedianMilliseconds(const std::function<void()>& work) {
  std::vector<double> times;
  for (int i = 0; i < kRuns; ++i) {
    const auto start = Clock::now();
    work();
    times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

long PeakMegabytes() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

void Extraction() {
  const fs::path samples = fs::path(TARNO_SAMPLES_DIR);
  for (const auto& item : fs::directory_iterator(samples)) {
    if (item.path().extension() != ".scm") continue;
    const fs::path folder = fs::temp_directory_path() / ("tarno-bench-" + std::to_string(::getpid()));
    const double ms = MedianMilliseconds([&] {
      fs::remove_all(folder);
      fs::create_directories(folder);
      tarno::TelevisionArchive archive;
      archive.Open(item.path().string());
      archive.SetBaseDirectory(folder.string() + "/");
      archive.ExtractAll();
    });
    fs::remove_all(folder);
    std::printf("extract %-45s %8.2f ms\n", item.path().filename().string().c_str(), ms);
  }
}

void TakeBack(const char* what, char type, const std::u16string& text) {
  const std::string settings = "[F]\nITEM = Field, " + std::to_string(kFieldElements) + ", 1, " + type + ", , 1\n";
  tarno::TDataObject data(tarno::ReadLayoutFrom(settings, "F"));
  data.Records.assign(1, tarno::TDataByteArray(kFieldElements, 0));
  bool taken = false;
  const double ms = MedianMilliseconds([&] { taken = data.TextToData(0, 0, text); });
  std::printf("take-back of %d elements as %-8s %8.2f ms%s\n", kFieldElements, what, ms, taken ? "" : " (failed)");
}

void Preprocessing() {
  std::string main;
  for (int i = 0; i < kIncludes; ++i) main += "{$I small.inc}\n";
  main += "// " + std::string(kMainScriptBytes, 'c') + "\n";
  const double ms = MedianMilliseconds([&] {
    pscript::PreProcessor pp;
    pp.onNeedFile = [&](pscript::PreProcessor&, const std::string&, std::string& name, std::string& out) {
      out = name == "main.pas" ? main : "const X = 1;\n";
      return true;
    };
    (void)pp.preprocess("main.pas");
  });
  std::printf("preprocess 1 MB with %d includes    %8.2f ms, peak %ld MB\n", kIncludes, ms, PeakMegabytes());
}

void ScriptMemory() {
  pscript::Compiler compiler;
  compiler.allowNoBegin = compiler.allowNoEnd = true;
  compiler.onUses = [](pscript::Compiler&, const std::string& unit) { return unit == "SYSTEM"; };
  const bool compiled = compiler.compile(
      "procedure Main;\n"
      "var a: array of string; s: string; i: Integer;\n"
      "begin\n"
      "  s := 'x'; for i := 1 to 20 do s := s + s;\n"
      "  SetLength(a, 100000);\n"
      "  for i := 0 to 99999 do a[i] := s + IntToStr(i);\n"
      "end;\n");
  pscript::Exec exec;
  if (!compiled || !exec.load(compiler.output())) {
    std::printf("strings until the limit: the script did not load\n");
    return;
  }
  std::string outcome = "no error";
  try {
    exec.run(exec.findFunction("Main"));
  } catch (const pscript::RuntimeError& error) {
    outcome = error.what();
  }
  std::printf("strings until the limit (%zu MB): %s, peak %ld MB\n", pscript::scriptMemoryLimit() >> 20,
              outcome.c_str(), PeakMegabytes());
}

}  // namespace

int main() {
  Extraction();
  TakeBack("text", '/', std::u16string(kFieldElements, u'a'));
  std::u16string numbers;
  for (int i = 0; i < kFieldElements; ++i) numbers += u"7 ";
  TakeBack("numbers", '#', numbers);
  Preprocessing();
  ScriptMemory();
  return 0;
}
