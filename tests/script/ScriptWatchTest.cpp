// The script host's watch of running calls: a watcher sees every call that
// runs long, Initialize and Delay included, stops it with its reason, and the
// host takes its next call afresh.
#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "ScriptTestSupport.h"
#include "Timing.h"

namespace tarno {
namespace {

using std::chrono::milliseconds;

constexpr milliseconds kStopAfter{200};

// Stops every call that has run for kStopAfter and keeps what it saw.
class StoppingWatcher : public ScriptWatcher {
 public:
  std::optional<std::string> Watch(milliseconds running) override {
    looks.push_back(running);
    if (running < kStopAfter) return std::nullopt;
    ++stops;
    return std::string(kScriptStoppedByUser);
  }
  void CallEnded() override { ++ended; }

  std::vector<milliseconds> looks;
  int stops = 0;
  int ended = 0;
};

const char* const kLoopingScript =
    "function Initialize(var V: Variant): Boolean; begin while True do ; end;\n"
    "function Spin(var V: Variant): Boolean; var i: Integer; begin repeat i := i + 1; until False; end;\n"
    "function Doze(var V: Variant): Boolean; begin Delay(100000000); Result := True; end;\n"
    "function Quick(var V: Variant): Boolean; begin V := 'quick'; Result := True; end;\n";

class ScriptWatch : public ::testing::Test {
 protected:
  std::string LoopingScript() {
    const std::string path = folder.File("looping.rops");
    test::WriteText(path, kLoopingScript);
    return path;
  }
  test::TempFolder folder;
  StoppingWatcher watcher;
};

TEST_F(ScriptWatch, ALoopingInitializeIsStoppedAndTheHostTakesItsNextCallsAfresh) {
  TScriptObject host(LoopingScript(), &watcher);
  EXPECT_EQ(host.ErrorText, "Error in execution of function Initialize -> Script stopped by the user");
  EXPECT_TRUE(host.IsLoaded());
  ASSERT_EQ(watcher.stops, 1);
  EXPECT_EQ(watcher.ended, 1);
  ASSERT_GE(watcher.looks.size(), 2u);
  EXPECT_TRUE(std::is_sorted(watcher.looks.begin(), watcher.looks.end()));

  pscript::Value value;
  EXPECT_EQ(host.CallScriptFunction("Quick", value), 1);
  EXPECT_EQ(value.toString(), "quick");

  // Each call's clock starts with the call: the second endless call is seen
  // from near zero again, and stopped with the same text.
  watcher.looks.clear();
  EXPECT_EQ(host.CallScriptFunction("Spin", value), -1);
  EXPECT_EQ(host.ErrorText, "Error in execution of function Spin -> Script stopped by the user");
  ASSERT_FALSE(watcher.looks.empty());
  EXPECT_LT(watcher.looks.front(), kStopAfter);
  EXPECT_EQ(watcher.stops, 2);
}

TEST_F(ScriptWatch, ADelayIsWatchedAndStoppedWhileItWaits) {
  TScriptObject host(LoopingScript(), &watcher);
  pscript::Value value;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(host.CallScriptFunction("Doze", value), -1);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(60));  // not the 100 s asked for
  EXPECT_EQ(host.ErrorText, "Error in execution of function Doze -> Script stopped by the user");
  EXPECT_EQ(watcher.stops, 2);  // Initialize, then Doze
}

TEST(Delay, AskedToStopItEndsAtTheNextSlice) {
  int asks = 0;
  const auto start = std::chrono::steady_clock::now();
  const DelayTrace trace = Delay(600000000, [&asks] { return ++asks == 3; });
  EXPECT_TRUE(trace.stopped);
  EXPECT_EQ(asks, 3);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(60));

  asks = 0;
  const DelayTrace whole = Delay(25000, [&asks] { return ++asks < 0; });
  EXPECT_FALSE(whole.stopped);
  EXPECT_EQ(whole.sleptMilliseconds, 25);
  EXPECT_GE(asks, 25 / kDelayStopPollMilliseconds);
}

}  // namespace
}  // namespace tarno
