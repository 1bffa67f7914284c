#include "UserWait.h"

namespace tarno {
namespace {

UserWaitListener*& Listener() {
  static UserWaitListener* listener = nullptr;
  return listener;
}

}  // namespace

void SetUserWaitListener(UserWaitListener* listener) { Listener() = listener; }

void UnregisterUserWaitListener(const UserWaitListener* listener) {
  if (Listener() == listener) Listener() = nullptr;
}

ScopedUserWait::ScopedUserWait() {
  if (Listener()) Listener()->UserWaitBegins();
}
ScopedUserWait::~ScopedUserWait() {
  if (Listener()) Listener()->UserWaitEnds();
}

ScopedEventHandler::ScopedEventHandler() {
  if (Listener()) Listener()->HandlerBegins();
}
ScopedEventHandler::~ScopedEventHandler() {
  if (Listener()) Listener()->HandlerEnds();
}

}  // namespace tarno
