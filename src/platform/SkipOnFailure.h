#pragma once
// Handlers that go on past a failure are written as a sequence of steps, each run through Try: a step
// that fails is abandoned silently and the next one runs.
namespace quilnet {

template <class Step>
void Try(Step&& step) noexcept {
  try {
    step();
  } catch (...) {
  }
}

}  // namespace quilnet
