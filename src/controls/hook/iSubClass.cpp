#include "controls/hook/iSubClass.h"

#include <string>

#include "platform/Subclass.h"

namespace quilnet {

iSubClass::~iSubClass() { LetGo(); }

void iSubClass::LetGo() noexcept {
  if (self_) *self_ = nullptr;
  self_.reset();
}

LRESULT iSubClass::CallDefaultWindowProc(HWND cHwnd, UINT Message, WPARAM wParam, LPARAM lParam) const {
  return previous_ ? CallWindowProcW(previous_, cHwnd, Message, wParam, lParam) : 0;
}

WNDPROC iSubClass::SetMsgHook(HWND cHwnd) {
  LetGo();
  hwnd_ = cHwnd;
  previous_ = nullptr;
  // Hooks let go of stay on the window under their names until it goes, so the next free name is taken.
  std::wstring name;
  for (std::size_t n = 1; n <= kMaxProcSubclasses && name.empty(); ++n) {
    const std::wstring candidate = L"ISUBCLASS" + std::to_wstring(n);
    if (!GetPropW(cHwnd, candidate.c_str())) name = candidate;
  }
  if (name.empty()) return nullptr;
  auto self = std::make_shared<iSubClass*>(this);
  const WNDPROC previous = AddProcSubclass(cHwnd, name.c_str(), [self](const WindowMessage& m, const NextProcedure& next) {
    if (!*self) return next();
    LRESULT result = 0;
    if ((*self)->GetWindowMessage) (*self)->GetWindowMessage(result, m.hwnd, m.message, m.wParam, m.lParam);
    // The window is gone: nothing is left to unhook. (The handler may have let go meanwhile.)
    if (m.message == WM_NCDESTROY && *self) (*self)->LetGo();
    return result;
  });
  if (!previous) return nullptr;
  name_ = std::move(name);
  previous_ = previous;
  self_ = std::move(self);
  return previous;
}

void iSubClass::SetMsgUnHook() {
  if (!self_) return;  // never hooked, let go, or the window is gone
  RemoveProcSubclass(hwnd_, name_.c_str());
  LetGo();
}

}  // namespace quilnet
