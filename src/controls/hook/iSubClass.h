#pragma once
// A reusable hook: replaces one window's procedure and hands every message of that window to its
// owner through GetWindowMessage. Nothing is passed on by itself; a handler that wants the window's
// own behaviour calls CallDefaultWindowProc and leaves its return in Result.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

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

  // The previous procedure of the window hooked last, with these values; 0 when there is none.
  LRESULT CallDefaultWindowProc(HWND cHwnd, UINT Message, WPARAM wParam, LPARAM lParam) const;
  // Hooks cHwnd and returns its previous procedure. A window hooked before is let go as on destruction
  // (one object, one window). nullptr when the hook cannot be made (no window, a window of another
  // thread, as many hooks on the window as it can carry): the window keeps its procedure and no message
  // of it reaches GetWindowMessage.
  WNDPROC SetMsgHook(HWND cHwnd);
  // Puts the previous procedure back into the hooked window. When another procedure has been put above
  // this hook since, that one keeps working and this hook only stops handing messages over.
  void SetMsgUnHook();

  MessageEvent GetWindowMessage;

 private:
  void LetGo() noexcept;

  HWND hwnd_ = nullptr;
  WNDPROC previous_ = nullptr;
  std::wstring name_;                  // the window property of this hook
  std::shared_ptr<iSubClass*> self_;  // how the hook on the window reaches us; emptied when we let go
};

}  // namespace quilnet
