#include "platform/Subclass.h"

#include <commctrl.h>

#include <array>
#include <atomic>
#include <cwchar>
#include <iterator>
#include <memory>
#include <string>
#include <utility>

namespace quilnet {

struct SubclassAccess {
  static NextProcedure Make(const WindowMessage& message, WNDPROC previous) noexcept {
    return NextProcedure(message, previous);
  }
  static bool Called(const NextProcedure& next) noexcept { return next.called_; }
  static LRESULT Result(const NextProcedure& next) noexcept { return next.result_; }
};

LRESULT NextProcedure::operator()() const noexcept {
  return (*this)(message_.message, message_.wParam, message_.lParam);
}

LRESULT NextProcedure::operator()(UINT message, WPARAM wParam, LPARAM lParam) const noexcept {
  result_ = previous_ ? CallWindowProcW(previous_, message_.hwnd, message, wParam, lParam)
                      : DefSubclassProc(message_.hwnd, message, wParam, lParam);
  called_ = true;
  return result_;
}

namespace {

std::atomic<std::size_t> liveStates{0};

// What one handler needs between calls. It may be taken off while its handler runs (the handler removes
// it, or destroys the window), so it is freed by whichever comes last: the removal or the last call.
struct State {
  explicit State(SubclassHandler h) : handler(std::move(h)) { ++liveStates; }
  ~State() { --liveStates; }
  State(const State&) = delete;
  State& operator=(const State&) = delete;

  SubclassHandler handler;
  int running = 0;
  bool passing = false;   // removed: messages go straight on
  bool finished = false;  // nothing will call it again
};

void Release(State* state) noexcept {
  if (state->finished && state->running == 0) delete state;
}

LRESULT Dispatch(State& state, const WindowMessage& message, WNDPROC previous) noexcept {
  const NextProcedure next = SubclassAccess::Make(message, previous);
  if (state.passing || !state.handler) return next();
  LRESULT result = 0;
  try {
    result = state.handler(message, next);
  } catch (...) {
    wchar_t line[64];
    swprintf(line, std::size(line), L"Quilnet: subclass handler failed on message 0x%04X\n", message.message);
    OutputDebugStringW(line);
    result = SubclassAccess::Called(next) ? SubclassAccess::Result(next) : next();
  }
  // Whatever the handler keeps to itself, the window's going reaches everything below, so that their
  // state goes with it.
  if (message.message == WM_NCDESTROY && !SubclassAccess::Called(next)) next();
  return result;
}

bool OnThisThread(HWND hwnd) noexcept {
  return hwnd && GetWindowThreadProcessId(hwnd, nullptr) == GetCurrentThreadId();
}

WNDPROC CurrentProcedure(HWND hwnd) noexcept {
  return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
}

// ---- Procedure subclasses ----
// Each slot has its own compiled procedure and its own property, so a subclass of ours stacked above
// another of ours (directly, or with someone else's procedure between) still finds its own state.

constexpr std::array<const wchar_t*, kMaxProcSubclasses> kSlotNames = {
    L"Quilnet.Subclass.0",  L"Quilnet.Subclass.1",  L"Quilnet.Subclass.2",  L"Quilnet.Subclass.3",
    L"Quilnet.Subclass.4",  L"Quilnet.Subclass.5",  L"Quilnet.Subclass.6",  L"Quilnet.Subclass.7",
    L"Quilnet.Subclass.8",  L"Quilnet.Subclass.9",  L"Quilnet.Subclass.10", L"Quilnet.Subclass.11",
    L"Quilnet.Subclass.12", L"Quilnet.Subclass.13", L"Quilnet.Subclass.14", L"Quilnet.Subclass.15"};

struct ProcState : State {
  ProcState(SubclassHandler h, WNDPROC p, std::size_t s, std::wstring n)
      : State(std::move(h)), previous(p), slot(s), name(std::move(n)) {}
  WNDPROC previous;
  std::size_t slot;
  std::wstring name;
};

WNDPROC SlotProcedure(std::size_t slot) noexcept;

ProcState* SlotState(HWND hwnd, std::size_t slot) noexcept {
  return static_cast<ProcState*>(GetPropW(hwnd, kSlotNames[slot]));
}

// Puts back the procedure ours replaced; only called while ours is on top, so no one is cut off.
void Unlink(HWND hwnd, ProcState& state) noexcept {
  SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(state.previous));
  RemovePropW(hwnd, kSlotNames[state.slot]);
  state.finished = true;
}

LRESULT RouteSlot(std::size_t slot, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  ProcState* state = SlotState(hwnd, slot);
  // Only a chain someone else cut and kept a copy of reaches a slot that has gone.
  if (!state) return DefWindowProcW(hwnd, message, wParam, lParam);
  ++state->running;
  if (state->passing && !state->finished && CurrentProcedure(hwnd) == SlotProcedure(slot)) Unlink(hwnd, *state);
  const LRESULT result = Dispatch(*state, WindowMessage{hwnd, message, wParam, lParam}, state->previous);
  if (message == WM_NCDESTROY && !state->finished) {
    if (!state->passing) RemovePropW(hwnd, state->name.c_str());
    RemovePropW(hwnd, kSlotNames[slot]);
    state->finished = true;
  }
  --state->running;
  Release(state);
  return result;
}

template <std::size_t Slot>
LRESULT CALLBACK SlotProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  return RouteSlot(Slot, hwnd, message, wParam, lParam);
}

WNDPROC SlotProcedure(std::size_t slot) noexcept {
  static constexpr auto procs = []<std::size_t... S>(std::index_sequence<S...>) {
    return std::array<WNDPROC, sizeof...(S)>{&SlotProc<S>...};
  }(std::make_index_sequence<kMaxProcSubclasses>{});
  return procs[slot];
}

bool SameName(const std::wstring& a, const wchar_t* b) noexcept {
  // Property names match without regard to case.
  return CompareStringOrdinal(a.c_str(), -1, b, -1, TRUE) == CSTR_EQUAL;
}

// ---- Subclass hooks ----

// Not in every import library: taken from the loaded controls library (the one the manifest chose),
// by name or by the ordinal it has always had.
BOOL FindHook(HWND hwnd, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR* data) noexcept {
  using GetWindowSubclassFn = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR*);
  static const auto getWindowSubclass = []() -> GetWindowSubclassFn {
    const HMODULE module = GetModuleHandleW(L"comctl32.dll");
    if (!module) return nullptr;
    FARPROC found = GetProcAddress(module, "GetWindowSubclass");
    if (!found) found = GetProcAddress(module, MAKEINTRESOURCEA(411));
    return reinterpret_cast<GetWindowSubclassFn>(reinterpret_cast<void*>(found));
  }();
  return getWindowSubclass && getWindowSubclass(hwnd, proc, id, data);
}

LRESULT CALLBACK HookProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                          DWORD_PTR data) noexcept;

// The controls library's own procedure, as a window carrying its chain shows it. When the last hook of a
// chain goes, the library puts back the procedure it replaced without looking whether its own is still
// on top (Wine does so): a procedure subclass above it would be cut off.
WNDPROC ChainProcedure() noexcept {
  static const WNDPROC proc = [] {
    WNDPROC found = nullptr;
    const HWND probe = CreateWindowExW(0, L"Static", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                       GetModuleHandleW(nullptr), nullptr);
    if (probe && SetWindowSubclass(probe, HookProc, 0, 0)) {
      found = CurrentProcedure(probe);
      RemoveWindowSubclass(probe, HookProc, 0);
    }
    if (probe) DestroyWindow(probe);
    return found;
  }();
  return proc;
}

bool ChainOnTop(HWND hwnd) noexcept {
  const WNDPROC chain = ChainProcedure();
  return chain && CurrentProcedure(hwnd) == chain;
}

LRESULT CALLBACK HookProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                          DWORD_PTR data) noexcept {
  auto* state = reinterpret_cast<State*>(data);
  if (!state) {
    // Removed while it could not leave: it leaves once it safely can.
    if (message == WM_NCDESTROY || ChainOnTop(hwnd)) RemoveWindowSubclass(hwnd, HookProc, id);
    return DefSubclassProc(hwnd, message, wParam, lParam);
  }
  ++state->running;
  const LRESULT result = Dispatch(*state, WindowMessage{hwnd, message, wParam, lParam}, nullptr);
  if (message == WM_NCDESTROY && !state->finished) {
    RemoveWindowSubclass(hwnd, HookProc, id);
    state->finished = true;
  }
  --state->running;
  Release(state);
  return result;
}

}  // namespace

WNDPROC AddProcSubclass(HWND hwnd, const wchar_t* name, SubclassHandler handler) {
  if (!name || !*name || !OnThisThread(hwnd) || GetPropW(hwnd, name)) return nullptr;
  std::size_t slot = 0;
  while (slot < kMaxProcSubclasses && SlotState(hwnd, slot)) ++slot;
  if (slot == kMaxProcSubclasses) return nullptr;
  const WNDPROC previous = CurrentProcedure(hwnd);
  if (!previous) return nullptr;
  auto state = std::make_unique<ProcState>(std::move(handler), previous, slot, name);
  if (!SetPropW(hwnd, kSlotNames[slot], state.get())) return nullptr;
  if (!SetPropW(hwnd, name, reinterpret_cast<HANDLE>(previous)) ||
      !SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SlotProcedure(slot)))) {
    RemovePropW(hwnd, name);
    RemovePropW(hwnd, kSlotNames[slot]);
    return nullptr;
  }
  state.release();
  return previous;
}

bool RemoveProcSubclass(HWND hwnd, const wchar_t* name) {
  if (!name || !OnThisThread(hwnd)) return false;
  ProcState* state = nullptr;
  for (std::size_t slot = 0; slot < kMaxProcSubclasses && !state; ++slot) {
    ProcState* candidate = SlotState(hwnd, slot);
    if (candidate && !candidate->passing && SameName(candidate->name, name)) state = candidate;
  }
  if (!state) return false;
  RemovePropW(hwnd, name);
  state->passing = true;
  if (CurrentProcedure(hwnd) == SlotProcedure(state->slot)) Unlink(hwnd, *state);
  Release(state);
  return true;
}

bool AddSubclassHook(HWND hwnd, UINT_PTR id, SubclassHandler handler) {
  if (!OnThisThread(hwnd)) return false;
  ChainProcedure();  // learnt now, so that a removal later needs no window of its own
  DWORD_PTR data = 0;
  if (FindHook(hwnd, HookProc, id, &data) && data) return false;
  auto state = std::make_unique<State>(std::move(handler));
  // A hook of this id that is still passing messages on is taken over.
  if (!SetWindowSubclass(hwnd, HookProc, id, reinterpret_cast<DWORD_PTR>(state.get()))) return false;
  state.release();
  return true;
}

bool RemoveSubclassHook(HWND hwnd, UINT_PTR id) {
  if (!OnThisThread(hwnd)) return false;
  DWORD_PTR data = 0;
  if (!FindHook(hwnd, HookProc, id, &data) || !data) return false;
  auto* state = reinterpret_cast<State*>(data);
  state->passing = true;
  state->finished = true;
  if (ChainOnTop(hwnd)) {
    RemoveWindowSubclass(hwnd, HookProc, id);
  } else {
    SetWindowSubclass(hwnd, HookProc, id, 0);
  }
  Release(state);
  return true;
}

std::size_t LiveSubclassStates() noexcept { return liveStates; }

}  // namespace quilnet
