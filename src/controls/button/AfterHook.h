#pragma once
// A hook on one window that shows chosen messages to its owner after the window's procedure (and every
// hook below this one) has answered them. Several hooks may sit on one window and go in any order; a
// procedure set above them later stays in the chain (the platform's subclass hooks see to that).
#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

namespace quilnet::button {

class AfterHook {
 public:
  using Callback = std::function<void(UINT message, WPARAM wParam, LPARAM lParam)>;

  AfterHook() = default;
  AfterHook(const AfterHook&) = delete;
  AfterHook& operator=(const AfterHook&) = delete;
  ~AfterHook() { Detach(); }

  // Hooks `window`; only `messages` reach `after`. False when the window could not be hooked.
  bool Attach(HWND window, std::vector<UINT> messages, Callback after);
  // Leaves the window as if this hook had never been there. Harmless when not attached, and from inside
  // `after` (whose owner may be going away there).
  void Detach();

 private:
  // Held by the hook on the window as well, so that a call running when the owner goes touches nothing freed.
  struct State {
    HWND window = nullptr;
    bool attached = true;
    std::vector<UINT> messages;
    Callback after;
  };
  std::shared_ptr<State> state_;
};

}  // namespace quilnet::button
