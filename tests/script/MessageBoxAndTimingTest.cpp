#include <gtest/gtest.h>

#include <chrono>

#include "MessageBoxHook.h"
#include "Timing.h"

namespace tarno {
namespace {

TEST(MessageBoxDefault, TheDefaultButtonOfEachStyle) {
  EXPECT_EQ(DefaultButtonCode(0), 1);             // MB_OK: IDOK
  EXPECT_EQ(DefaultButtonCode(1 | 0x100), 2);     // MB_OKCANCEL, second: IDCANCEL
  EXPECT_EQ(DefaultButtonCode(2 | 0x200), 5);     // MB_ABORTRETRYIGNORE, third: IDIGNORE
  EXPECT_EQ(DefaultButtonCode(3), 6);             // MB_YESNOCANCEL: IDYES
  EXPECT_EQ(DefaultButtonCode(4 | 0x100), 7);     // MB_YESNO, second: IDNO
  EXPECT_EQ(DefaultButtonCode(5 | 0x30), 4);      // MB_RETRYCANCEL with an icon: IDRETRY
  EXPECT_EQ(DefaultButtonCode(6 | 0x200), 11);    // MB_CANCELTRYCONTINUE, third: IDCONTINUE
  EXPECT_EQ(DefaultButtonCode(4 | 0x300), 6);     // no fourth button: the first
}

TEST(Delay, NothingForZeroOrLess) {
  for (const int us : {0, -5}) {
    const DelayTrace trace = Delay(us);
    EXPECT_EQ(trace.sleptMilliseconds, 0);
    EXPECT_EQ(trace.pollPasses, 0);
  }
}

TEST(Delay, WholeMillisecondsAsleepThenPollsTheRest) {
  auto start = std::chrono::steady_clock::now();
  DelayTrace trace = Delay(2000);
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(2));
  EXPECT_EQ(trace.sleptMilliseconds, 2);
  EXPECT_EQ(trace.pollPasses, 1);  // no rest: the clock is read once

  start = std::chrono::steady_clock::now();
  trace = Delay(1500);
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::microseconds(1500));
  EXPECT_EQ(trace.sleptMilliseconds, 1);
  EXPECT_GE(trace.pollPasses, 1);

  start = std::chrono::steady_clock::now();
  trace = Delay(300);
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::microseconds(300));
  EXPECT_EQ(trace.sleptMilliseconds, 0);
}

TEST(TickCount, CountsMilliseconds) {
  const int32_t before = TickCount();
  Delay(5000);
  const int32_t elapsed = TickCount() - before;
  EXPECT_GE(elapsed, 5);
  EXPECT_LT(elapsed, 1000);
}

}  // namespace
}  // namespace tarno
