#pragma once
// Handlers that go on past a failure are written as a sequence of steps, each run through Try: a step
// that fails is abandoned and the next one runs. Nothing reaches the user; a debug-output line names
// the step, so that a step that keeps failing can be found (DebugView, a debugger, WINEDEBUG=+debugstr).
#include <windows.h>

#include <cwchar>
#include <iterator>

namespace quilnet {

inline void TraceSkipped(const wchar_t* step) noexcept {
  wchar_t line[128];
  swprintf(line, std::size(line), L"Quilnet: step \"%ls\" failed and was skipped\n", step);
  OutputDebugStringW(line);
}

template <class Step>
void Try(const wchar_t* name, Step&& step) noexcept {
  try {
    step();
  } catch (...) {
    TraceSkipped(name);
  }
}

}  // namespace quilnet
