// The loader refuses any compiled code it cannot run safely: truncated,
// corrupted or hand-made byte strings never reach the VM.
#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <random>
#include <thread>

namespace pscript {
namespace {

const char* const kScript =
    "type TRec = record A: Integer; S: string; end;\n"
    "var G: array[0..3] of TRec;\n"
    "function Main(var V: Variant): Boolean;\n"
    "var i: Integer; s: string;\n"
    "begin\n"
    "  for i := 0 to 3 do begin G[i].A := i; s := s + IntToStr(i); end;\n"
    "  try i := i div 0; except s := s + '!'; end;\n"
    "  V := s;\n"
    "  Result := True;\n"
    "end;\n";

std::string compiled() {
  test::CompileResult r = test::compileText(kScript);
  EXPECT_TRUE(r.ok);
  return r.code;
}

// Corrupted code may loop forever: a watchdog keeps asking it to stop.
class Watchdog {
 public:
  Watchdog() : thread_([this] {
    while (!stop_) {
      if (Exec* e = target_.load()) e->requestAbort();
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
  }) {}
  ~Watchdog() { stop_ = true; thread_.join(); }
  void watch(Exec* e) { target_ = e; }

 private:
  std::atomic<bool> stop_{false};
  std::atomic<Exec*> target_{nullptr};
  std::thread thread_;
};

// Loading must fail or succeed cleanly; a loaded module may then run or raise.
void loadAndMaybeRun(const std::string& bytes, Watchdog& dog) {
  Exec e;
  test::bindTestHost(e);
  if (!e.load(bytes)) return;
  dog.watch(&e);
  struct Unwatch { Watchdog& d; ~Unwatch() { d.watch(nullptr); } } unwatch{dog};
  if (ProcHandle h = e.findFunction("Main")) {
    Value v;
    try {
      e.call(h, v);
    } catch (const RuntimeError&) {
    }
  }
}

TEST(ModuleLoader, LoadsWhatTheCompilerProduced) {
  Exec e;
  ASSERT_TRUE(e.load(compiled())) << e.loadError();
  Value v;
  EXPECT_TRUE(e.call(e.findFunction("main"), v));
  EXPECT_EQ(v.toString(), "0123!");
}

TEST(ModuleLoader, RejectsEveryTruncation) {
  std::string code = compiled();
  for (size_t n = 0; n < code.size(); ++n) {
    Exec e;
    EXPECT_FALSE(e.load(code.substr(0, n))) << "length " << n;
  }
}

TEST(ModuleLoader, SurvivesRandomCorruption) {
  std::string code = compiled();
  std::mt19937 rng(1234);
  Watchdog dog;
  for (int round = 0; round < 3000; ++round) {
    std::string bad = code;
    int flips = 1 + static_cast<int>(rng() % 4);
    for (int k = 0; k < flips; ++k) bad[rng() % bad.size()] = static_cast<char>(rng());
    loadAndMaybeRun(bad, dog);
  }
}

// Procedural calls, goto, record compares and Variant-to-array conversion.
const char* const kNewerScript =
    "type TF = function(A: Integer): Integer; TR = record A: Integer; B: Byte; end;\n"
    "function Twice(A: Integer): Integer; begin Result := A * 2; end;\n"
    "function Main(var V: Variant): Boolean;\n"
    "label Again;\n"
    "var F: TF; R, Q: TR; I: Integer; L: TVariantArray; N: array of Integer;\n"
    "begin\n"
    "  F := @Twice; I := 0;\n"
    "Again:\n"
    "  I := F(I) + 1;\n"
    "  if I < 20 then goto Again;\n"
    "  R.A := I; Q := R;\n"
    "  SetLength(L, 2); L[0] := 3; L[1] := '4'; V := L; N := V;\n"
    "  Result := (R = Q) and (N[1] = 4);\n"
    "end;\n";

TEST(ModuleLoader, SurvivesRandomCorruptionOfNewerInstructions) {
  test::CompileResult r = test::compileText(kNewerScript);
  ASSERT_TRUE(r.ok);
  Exec e;
  test::bindTestHost(e);
  ASSERT_TRUE(e.load(r.code)) << e.loadError();
  Value v;
  EXPECT_TRUE(e.call(e.findFunction("Main"), v));
  std::mt19937 rng(4321);
  Watchdog dog;
  for (int round = 0; round < 3000; ++round) {
    std::string bad = r.code;
    int flips = 1 + static_cast<int>(rng() % 4);
    for (int k = 0; k < flips; ++k) bad[rng() % bad.size()] = static_cast<char>(rng());
    loadAndMaybeRun(bad, dog);
  }
}

TEST(ModuleLoader, RejectsWrongHeaderAndMissingImports) {
  Exec e;
  EXPECT_FALSE(e.load("junk"));
  EXPECT_EQ(e.loadError(), "Invalid Header");
  test::CompileResult r = test::compileText("procedure P; begin WriteLn('x'); end;");
  ASSERT_TRUE(r.ok);
  Exec bare;  // WriteLn is not bound here
  EXPECT_FALSE(bare.load(r.code));
  EXPECT_EQ(bare.loadError(), "Cannot Import WRITELN");
}

}  // namespace
}  // namespace pscript
