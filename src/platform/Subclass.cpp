#include "platform/Subclass.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cwchar>
#include <iterator>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace quilnet {

struct SubclassAccess {
  static NextProcedure Make(const WindowMessage& message, WNDPROC previous, NextProcedure::Link link = nullptr,
                            const void* below = nullptr) noexcept {
    return NextProcedure(message, previous, link, below);
  }
  static bool Called(const NextProcedure& next) noexcept { return next.called_; }
  static LRESULT Result(const NextProcedure& next) noexcept { return next.result_; }
};

LRESULT NextProcedure::operator()() const noexcept {
  return (*this)(message_.message, message_.wParam, message_.lParam);
}

LRESULT NextProcedure::operator()(UINT message, WPARAM wParam, LPARAM lParam) const noexcept {
  result_ = link_ ? link_(below_, WindowMessage{message_.hwnd, message, wParam, lParam})
                  : CallWindowProcW(previous_, message_.hwnd, message, wParam, lParam);
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

LRESULT Dispatch(State& state, const NextProcedure& next, const WindowMessage& message) noexcept {
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

// ---- The table: each hooked window's states ----
// Each slot has its own compiled procedure, so a subclass of ours stacked above another of ours
// (directly, or with someone else's procedure between) still finds its own state. Windows of any
// thread may be hooked by their own thread, hence the (shared, so cheap) lock.

struct ProcState;
struct HookChain;

struct Hooked {
  std::array<ProcState*, kMaxProcSubclasses> slots{};
  HookChain* chain = nullptr;  // the chain new hooks join
};

SRWLOCK tableLock = SRWLOCK_INIT;
std::unordered_map<HWND, Hooked>& Table() {
  static auto* table = new std::unordered_map<HWND, Hooked>;  // outlives every window
  return *table;
}

ProcState* SlotState(HWND hwnd, std::size_t slot) noexcept {
  AcquireSRWLockShared(&tableLock);
  const auto found = Table().find(hwnd);
  ProcState* state = found == Table().end() ? nullptr : found->second.slots[slot];
  ReleaseSRWLockShared(&tableLock);
  return state;
}

HookChain* ChainOf(HWND hwnd) noexcept {
  AcquireSRWLockShared(&tableLock);
  const auto found = Table().find(hwnd);
  HookChain* chain = found == Table().end() ? nullptr : found->second.chain;
  ReleaseSRWLockShared(&tableLock);
  return chain;
}

// Changes one window's entry; an entry left empty goes.
template <typename Change>
void Edit(HWND hwnd, Change change) {
  AcquireSRWLockExclusive(&tableLock);
  Hooked& entry = Table()[hwnd];
  change(entry);
  if (!entry.chain && std::ranges::all_of(entry.slots, [](ProcState* s) { return s == nullptr; })) Table().erase(hwnd);
  ReleaseSRWLockExclusive(&tableLock);
}

// ---- Procedure subclasses ----

struct ProcState : State {
  ProcState(SubclassHandler h, WNDPROC p, std::size_t s, std::wstring n)
      : State(std::move(h)), previous(p), slot(s), name(std::move(n)) {}
  WNDPROC previous;
  std::size_t slot;
  std::wstring name;  // the property that marks the window; empty for a hook chain
};

WNDPROC SlotProcedure(std::size_t slot) noexcept;

void Forget(HWND hwnd, const ProcState& state) {
  Edit(hwnd, [&](Hooked& entry) {
    if (entry.slots[state.slot] == &state) entry.slots[state.slot] = nullptr;
  });
}

// Puts back the procedure ours replaced; only called while ours is on top, so no one is cut off.
void Unlink(HWND hwnd, ProcState& state) noexcept {
  SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(state.previous));
  Forget(hwnd, state);
  state.finished = true;
}

LRESULT RouteSlot(std::size_t slot, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  ProcState* state = SlotState(hwnd, slot);
  // Only a chain someone else cut and kept a copy of reaches a slot that has gone.
  if (!state) return DefWindowProcW(hwnd, message, wParam, lParam);
  ++state->running;
  if (state->passing && !state->finished && CurrentProcedure(hwnd) == SlotProcedure(slot)) Unlink(hwnd, *state);
  const WindowMessage m{hwnd, message, wParam, lParam};
  const LRESULT result = Dispatch(*state, SubclassAccess::Make(m, state->previous), m);
  if (message == WM_NCDESTROY) {
    if (!state->passing && !state->name.empty()) RemovePropW(hwnd, state->name.c_str());
    Forget(hwnd, *state);
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

// Puts a procedure of ours on top; nullptr when the window has no free slot or no procedure.
ProcState* AddSlot(HWND hwnd, std::wstring name, SubclassHandler handler) {
  std::size_t slot = 0;
  while (slot < kMaxProcSubclasses && SlotState(hwnd, slot)) ++slot;
  if (slot == kMaxProcSubclasses) return nullptr;
  const WNDPROC previous = CurrentProcedure(hwnd);
  if (!previous) return nullptr;
  auto state = std::make_unique<ProcState>(std::move(handler), previous, slot, std::move(name));
  Edit(hwnd, [&](Hooked& entry) { entry.slots[slot] = state.get(); });
  if (!state->name.empty() && !SetPropW(hwnd, state->name.c_str(), reinterpret_cast<HANDLE>(previous))) {
    Forget(hwnd, *state);
    return nullptr;
  }
  if (!SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SlotProcedure(slot)))) {
    if (!state->name.empty()) RemovePropW(hwnd, state->name.c_str());
    Forget(hwnd, *state);
    return nullptr;
  }
  return state.release();
}

// Takes it off at once when on top, and otherwise leaves it passing messages on until it is.
void RemoveSlot(HWND hwnd, ProcState& state) noexcept {
  state.passing = true;
  if (CurrentProcedure(hwnd) == SlotProcedure(state.slot)) Unlink(hwnd, state);
  Release(&state);
}

bool SameName(const std::wstring& a, const wchar_t* b) noexcept {
  // Property names match without regard to case.
  return CompareStringOrdinal(a.c_str(), -1, b, -1, TRUE) == CSTR_EQUAL;
}

// ---- Subclass hooks ----
// One chain per window, carried by one procedure slot. A hook removed while the chain runs keeps its
// place (emptied) until the chain is idle, so a running call's position below stays valid.

struct HookChain {
  struct Hook {
    UINT_PTR id;
    State* state;  // null: removed
  };
  HWND hwnd = nullptr;
  ProcState* slot = nullptr;
  std::vector<Hook> hooks;  // first added first; the last runs first
  int running = 0;
};

struct Below {
  HookChain* chain;
  std::size_t count;  // hooks[0, count) are below
  const NextProcedure* procedure;  // what follows the chain
};

LRESULT RunHooks(HookChain& chain, std::size_t count, const NextProcedure& procedure, const WindowMessage& m) noexcept;

LRESULT NextHook(const void* below, const WindowMessage& m) noexcept {
  const auto& b = *static_cast<const Below*>(below);
  return RunHooks(*b.chain, b.count, *b.procedure, m);
}

LRESULT RunHooks(HookChain& chain, std::size_t count, const NextProcedure& procedure, const WindowMessage& m) noexcept {
  while (count > 0 && !chain.hooks[count - 1].state) --count;
  if (count == 0) return procedure(m.message, m.wParam, m.lParam);
  State* state = chain.hooks[count - 1].state;
  const Below below{&chain, count - 1, &procedure};
  ++state->running;
  const LRESULT result = Dispatch(*state, SubclassAccess::Make(m, nullptr, &NextHook, &below), m);
  --state->running;
  Release(state);
  return result;
}

void Retire(HookChain& chain) noexcept {
  Edit(chain.hwnd, [&](Hooked& entry) {
    if (entry.chain == &chain) entry.chain = nullptr;
  });
  RemoveSlot(chain.hwnd, *chain.slot);  // may free the chain: the last thing done with it
}

// Drops removed hooks while nothing runs; an empty chain leaves the window.
void Tidy(HookChain& chain) noexcept {
  if (chain.running > 0 || chain.slot->passing) return;
  std::erase_if(chain.hooks, [](const HookChain::Hook& h) { return h.state == nullptr; });
  if (chain.hooks.empty()) Retire(chain);
}

LRESULT RunChain(HookChain& chain, const WindowMessage& m, const NextProcedure& next) noexcept {
  ++chain.running;
  const LRESULT result = RunHooks(chain, chain.hooks.size(), next, m);
  --chain.running;
  if (m.message == WM_NCDESTROY) {
    for (HookChain::Hook& hook : chain.hooks) {
      if (!hook.state) continue;
      hook.state->finished = true;
      Release(std::exchange(hook.state, nullptr));
    }
  }
  Tidy(chain);
  return result;
}

}  // namespace

WNDPROC AddProcSubclass(HWND hwnd, const wchar_t* name, SubclassHandler handler) {
  if (!name || !*name || !OnThisThread(hwnd) || GetPropW(hwnd, name)) return nullptr;
  const ProcState* state = AddSlot(hwnd, name, std::move(handler));
  return state ? state->previous : nullptr;
}

bool RemoveProcSubclass(HWND hwnd, const wchar_t* name) {
  if (!name || !OnThisThread(hwnd)) return false;
  ProcState* state = nullptr;
  for (std::size_t slot = 0; slot < kMaxProcSubclasses && !state; ++slot) {
    ProcState* candidate = SlotState(hwnd, slot);
    if (candidate && !candidate->passing && !candidate->name.empty() && SameName(candidate->name, name)) {
      state = candidate;
    }
  }
  if (!state) return false;
  RemovePropW(hwnd, name);
  RemoveSlot(hwnd, *state);
  return true;
}

bool AddSubclassHook(HWND hwnd, UINT_PTR id, SubclassHandler handler) {
  if (!OnThisThread(hwnd)) return false;
  HookChain* chain = ChainOf(hwnd);
  if (chain && std::ranges::any_of(chain->hooks, [id](const HookChain::Hook& h) { return h.id == id && h.state; })) {
    return false;
  }
  auto state = std::make_unique<State>(std::move(handler));
  if (!chain) {
    auto made = std::make_shared<HookChain>();
    made->hwnd = hwnd;
    made->slot = AddSlot(hwnd, L"", [made](const WindowMessage& m, const NextProcedure& next) {
      return RunChain(*made, m, next);
    });
    if (!made->slot) return false;
    chain = made.get();
    Edit(hwnd, [&](Hooked& entry) { entry.chain = chain; });
  }
  chain->hooks.push_back({id, state.release()});
  return true;
}

bool RemoveSubclassHook(HWND hwnd, UINT_PTR id) {
  if (!OnThisThread(hwnd)) return false;
  HookChain* chain = ChainOf(hwnd);
  if (!chain) return false;
  const auto hook = std::ranges::find_if(chain->hooks, [id](const HookChain::Hook& h) { return h.id == id && h.state; });
  if (hook == chain->hooks.end()) return false;
  State* state = std::exchange(hook->state, nullptr);
  state->passing = true;
  state->finished = true;
  Release(state);
  Tidy(*chain);
  return true;
}

std::size_t LiveSubclassStates() noexcept { return liveStates; }

}  // namespace quilnet
