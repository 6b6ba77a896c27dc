#include "controls/button/AfterHook.h"

#include <algorithm>

#include "platform/Subclass.h"

namespace quilnet::button {

bool AfterHook::Attach(HWND window, std::vector<UINT> messages, Callback after) {
  Detach();
  messages_ = std::move(messages);
  after_ = std::move(after);
  const bool added = AddSubclassHook(window, reinterpret_cast<UINT_PTR>(this),
                                     [this](const WindowMessage& m, const NextProcedure& next) -> LRESULT {
                                       const LRESULT result = next();
                                       if (m.message == WM_NCDESTROY) {
                                         window_ = nullptr;  // the window went first; its hook went with it
                                       } else if (std::find(messages_.begin(), messages_.end(), m.message) !=
                                                  messages_.end()) {
                                         after_(m.message, m.wParam, m.lParam);
                                       }
                                       return result;
                                     });
  if (added) window_ = window;
  return added;
}

void AfterHook::Detach() {
  if (!window_) return;
  RemoveSubclassHook(window_, reinterpret_cast<UINT_PTR>(this));
  window_ = nullptr;
}

}  // namespace quilnet::button
