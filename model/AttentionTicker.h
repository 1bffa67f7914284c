// A thread that asks a running script to look up now and then: it runs a
// small action, waits until the script has answered (Served), and runs it
// again one interval later. So the script always runs for a whole interval
// between two looks, however long a look takes, and an idle script costs no
// wake-ups at all.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace tarno {

class AttentionTicker {
 public:
  // tick runs on the ticker's own thread: it must be safe from any thread.
  AttentionTicker(std::function<void()> tick, std::chrono::milliseconds interval);
  ~AttentionTicker();  // stops the thread and waits for it
  AttentionTicker(const AttentionTicker&) = delete;
  AttentionTicker& operator=(const AttentionTicker&) = delete;

  // The script has looked up: the next tick comes one interval from now.
  void Served();

 private:
  void Run();

  std::function<void()> tick_;
  std::chrono::milliseconds interval_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool stopping_ = false;
  bool served_ = true;
  std::thread thread_;  // last: starts once everything above exists
};

}  // namespace tarno
