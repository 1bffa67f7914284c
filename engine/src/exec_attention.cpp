// Exec: the attention handler, and stopping a running script with a reason.
#include "vm.h"

namespace pscript {

void Exec::clearAbort() {
  abort_.store(false, std::memory_order_relaxed);
  attention_.store(false, std::memory_order_relaxed);  // what the abort raised
  impl_->stopReason.clear();
}

void Exec::setAttentionHandler(std::function<void()> handler) { impl_->attentionHandler = std::move(handler); }

void Exec::stop(const std::string& reason) {
  impl_->stopReason = reason;
  requestAbort();
}

bool Exec::attend() {
  if (attention_.exchange(false, std::memory_order_relaxed) && impl_->attentionHandler) {
    try {
      impl_->attentionHandler();
    } catch (...) {
      // A handler that fails cannot watch the script any longer: stop it.
      if (!abortRequested()) stop("Script aborted");
    }
    // Requests made while the handler ran are answered by it: the script
    // goes on at least one instruction before the next look.
    attention_.store(false, std::memory_order_relaxed);
  }
  if (!abortRequested()) return false;
  attention_.store(true, std::memory_order_relaxed);  // an abort holds until clearAbort()
  return true;
}

}  // namespace pscript
