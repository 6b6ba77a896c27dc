#pragma once
// A reusable hook: replaces one window's procedure and hands every message of that window to its
// owner through GetWindowMessage. Nothing is passed on by itself; a handler that wants the window's
// own behaviour calls CallDefaultWindowProc and leaves its return in Result.
#include <windows.h>

#include <cstddef>
#include <functional>

namespace quilnet {

class iSubClass {
 public:
  // Result starts at 0 and becomes the window procedure's return value.
  using MessageEvent = std::function<void(LRESULT& Result, HWND cHwnd, UINT Message, WPARAM wParam, LPARAM lParam)>;

  iSubClass() = default;
  iSubClass(const iSubClass&) = delete;
  iSubClass& operator=(const iSubClass&) = delete;
  // Does not unhook: that is the owner's call. A window still hooked is let go instead: from then on it
  // goes straight to the procedure it had before, so it never calls into a freed object.
  ~iSubClass();

  // The previous procedure of the window hooked last, with these values; 0 before any hook.
  LRESULT CallDefaultWindowProc(HWND cHwnd, UINT Message, WPARAM wParam, LPARAM lParam) const;
  // Hooks cHwnd and returns its previous procedure. A window hooked before is let go as on destruction
  // (one object, one window). When the hook cannot be installed (no window, another process's window,
  // eight of these hooks on it already) the window keeps its procedure and that is the result.
  WNDPROC SetMsgHook(HWND cHwnd);
  // Puts the previous procedure back into the hooked window.
  void SetMsgUnHook();

  MessageEvent GetWindowMessage;

 private:
  struct Hook;
  template <std::size_t Slot>
  static LRESULT CALLBACK SlotProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static WNDPROC SlotProcedure(std::size_t slot);
  static LRESULT Route(std::size_t slot, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void LetGo() noexcept;

  HWND hwnd_ = nullptr;
  WNDPROC previous_ = nullptr;
  Hook* hook_ = nullptr;  // belongs to the hooked window; cleared when the window is gone
};

}  // namespace quilnet
