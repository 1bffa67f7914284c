#include "AttentionTicker.h"

namespace tarno {

AttentionTicker::AttentionTicker(std::function<void()> tick, std::chrono::milliseconds interval)
    : tick_(std::move(tick)), interval_(interval), thread_([this] { Run(); }) {}

AttentionTicker::~AttentionTicker() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_one();
  thread_.join();
}

void AttentionTicker::Served() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    served_ = true;
  }
  wake_.notify_one();
}

void AttentionTicker::Run() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return stopping_ || served_; });
    if (stopping_ || wake_.wait_for(lock, interval_, [this] { return stopping_; })) return;
    served_ = false;
    tick_();
  }
}

}  // namespace tarno
