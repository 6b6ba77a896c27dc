#include "controls/button/AfterHook.h"

#include <commctrl.h>

#include <algorithm>

namespace quilnet::button {
namespace {

// The platform's subclass list puts the window's first procedure back when its last hook goes, even when
// a procedure set with GWLP_WNDPROC sits above it, which cuts that procedure out of the chain. One
// forwarding hook stays on every hooked window until the window goes, so the list never empties early.
LRESULT CALLBACK AnchorProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR) {
  if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, AnchorProc, id);
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

bool AfterHook::Attach(HWND window, std::vector<UINT> messages, Callback after) {
  Detach();
  if (!window || !IsWindow(window)) return false;
  // Setting the same procedure and id again only renews it, so every hook may ask for the anchor.
  if (!SetWindowSubclass(window, AnchorProc, 0, 0)) return false;
  messages_ = std::move(messages);
  after_ = std::move(after);
  if (!SetWindowSubclass(window, Proc, reinterpret_cast<UINT_PTR>(this), reinterpret_cast<DWORD_PTR>(this))) {
    return false;
  }
  window_ = window;
  return true;
}

void AfterHook::Detach() {
  if (!window_) return;
  RemoveWindowSubclass(window_, Proc, reinterpret_cast<UINT_PTR>(this));
  window_ = nullptr;
}

LRESULT CALLBACK AfterHook::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR self) noexcept {
  auto* hook = reinterpret_cast<AfterHook*>(self);
  if (message == WM_NCDESTROY) {
    // The window goes first: the hook forgets it, and the owner is not told of a window that is gone.
    const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
    RemoveWindowSubclass(hwnd, Proc, reinterpret_cast<UINT_PTR>(hook));
    hook->window_ = nullptr;
    return result;
  }
  const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
  if (std::find(hook->messages_.begin(), hook->messages_.end(), message) != hook->messages_.end() && hook->after_) {
    try {
      hook->after_(message, wParam, lParam);
    } catch (...) {
      // Nothing thrown by the owner may cross the window procedure.
    }
  }
  return result;
}

}  // namespace quilnet::button
