#include "controls/button/AfterHook.h"

#include <algorithm>

#include "platform/Subclass.h"

namespace quilnet::button {

bool AfterHook::Attach(HWND window, std::vector<UINT> messages, Callback after) {
  Detach();
  auto state = std::make_shared<State>(State{window, true, std::move(messages), std::move(after)});
  const bool added = AddSubclassHook(window, reinterpret_cast<UINT_PTR>(state.get()),
                                     [state](const WindowMessage& m, const NextProcedure& next) -> LRESULT {
                                       const LRESULT result = next();
                                       if (m.message == WM_NCDESTROY) {
                                         state->window = nullptr;  // the window went first; its hook went with it
                                       } else if (state->attached && std::ranges::find(state->messages, m.message) !=
                                                                         state->messages.end()) {
                                         state->after(m.message, m.wParam, m.lParam);
                                       }
                                       return result;
                                     });
  if (added) state_ = std::move(state);
  return added;
}

void AfterHook::Detach() {
  if (!state_) return;
  state_->attached = false;
  if (state_->window) RemoveSubclassHook(state_->window, reinterpret_cast<UINT_PTR>(state_.get()));
  state_.reset();
}

}  // namespace quilnet::button
