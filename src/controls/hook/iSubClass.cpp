#include "controls/hook/iSubClass.h"

#include <array>
#include <memory>
#include <utility>

namespace quilnet {

namespace {

// A window finds its hooks through these properties, one per slot. Each slot has its own compiled
// procedure, so a hook stacked on another hook of ours (or on a foreign procedure that chains to one
// of ours) still reaches its own record and not the one above it.
constexpr std::size_t kSlots = 8;
constexpr std::array<const wchar_t*, kSlots> kSlotNames = {
    L"ISUBCLASS1", L"ISUBCLASS2", L"ISUBCLASS3", L"ISUBCLASS4",
    L"ISUBCLASS5", L"ISUBCLASS6", L"ISUBCLASS7", L"ISUBCLASS8"};

}  // namespace

// Kept on the window, not in the object: it outlives an object that goes away while hooked and is
// freed with the window (or at an unhook that nothing else can still reach).
struct iSubClass::Hook {
  iSubClass* owner;  // null once the owner has let the window go
  WNDPROC previous;
  std::size_t slot;
};

template <std::size_t Slot>
LRESULT CALLBACK iSubClass::SlotProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return Route(Slot, hwnd, message, wParam, lParam);
}

WNDPROC iSubClass::SlotProcedure(std::size_t slot) {
  static constexpr auto procs = []<std::size_t... S>(std::index_sequence<S...>) {
    return std::array<WNDPROC, sizeof...(S)>{&SlotProc<S>...};
  }(std::make_index_sequence<kSlots>{});
  return procs[slot];
}

LRESULT iSubClass::Route(std::size_t slot, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto* hook = static_cast<const Hook*>(GetPropW(hwnd, kSlotNames[slot]));
  LRESULT result = 0;
  if (!hook) {
    // Only a stale chain reaches a slot whose record went at unhook; its procedure is not known.
    result = DefWindowProcW(hwnd, message, wParam, lParam);
  } else if (!hook->owner) {
    result = CallWindowProcW(hook->previous, hwnd, message, wParam, lParam);
  } else if (hook->owner->GetWindowMessage) {
    hook->owner->GetWindowMessage(result, hwnd, message, wParam, lParam);
  }
  if (message == WM_NCDESTROY) {
    // Looked up again: the handler may have unhooked, or let go, meanwhile.
    std::unique_ptr<Hook> gone(static_cast<Hook*>(RemovePropW(hwnd, kSlotNames[slot])));
    if (gone && gone->owner) gone->owner->hook_ = nullptr;
  }
  return result;
}

iSubClass::~iSubClass() { LetGo(); }

void iSubClass::LetGo() noexcept {
  if (hook_) hook_->owner = nullptr;
  hook_ = nullptr;
}

LRESULT iSubClass::CallDefaultWindowProc(HWND cHwnd, UINT Message, WPARAM wParam, LPARAM lParam) const {
  return previous_ ? CallWindowProcW(previous_, cHwnd, Message, wParam, lParam) : 0;
}

WNDPROC iSubClass::SetMsgHook(HWND cHwnd) {
  LetGo();
  hwnd_ = cHwnd;
  previous_ = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(cHwnd, GWLP_WNDPROC));
  if (!previous_) return nullptr;
  // A slot stays taken while anything may still call its procedure on this window.
  std::size_t slot = 0;
  while (slot < kSlots && GetPropW(cHwnd, kSlotNames[slot])) ++slot;
  if (slot == kSlots) return previous_;
  auto hook = std::make_unique<Hook>(Hook{this, previous_, slot});
  if (!SetPropW(cHwnd, kSlotNames[slot], hook.get())) return previous_;
  if (!SetWindowLongPtrW(cHwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SlotProcedure(slot)))) {
    RemovePropW(cHwnd, kSlotNames[slot]);
    return previous_;
  }
  hook_ = hook.release();
  return previous_;
}

void iSubClass::SetMsgUnHook() {
  if (!hook_) return;  // never hooked, or the window is gone
  const auto replaced = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_)));
  if (replaced == SlotProcedure(hook_->slot)) {
    // We were on top, so no one holds our procedure as theirs: the record can go.
    std::unique_ptr<Hook> gone(static_cast<Hook*>(RemovePropW(hwnd_, kSlotNames[hook_->slot])));
    hook_ = nullptr;
  } else {
    // Someone hooked above us and may still pass messages down to our procedure.
    LetGo();
  }
}

}  // namespace quilnet
