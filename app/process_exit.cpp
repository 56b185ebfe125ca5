#include "app/process_exit.h"

namespace picmove {

namespace {

std::function<void(UINT)>& Hook() {
  static std::function<void(UINT)> hook;
  return hook;
}

}  // namespace

void SetEndProcessHook(std::function<void(UINT)> hook) { Hook() = std::move(hook); }

void EndProcess(UINT code) {
  if (Hook()) {
    Hook()(code);
    return;
  }
  ExitProcess(code);
}

}  // namespace picmove
