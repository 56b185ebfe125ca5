#pragma once
#include <windows.h>

#include <functional>

namespace picmove {

// Ends the process at once (a running download with it). Tests replace it.
void EndProcess(UINT code);
void SetEndProcessHook(std::function<void(UINT)> hook);

}  // namespace picmove
