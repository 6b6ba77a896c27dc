#pragma once
// The one way this program hooks a window it did not create. Two kinds, one handler type:
//
//  - a procedure subclass (GWLP_WNDPROC): the window's procedure is replaced, and a named property
//    marks the window for whoever reads it (the skin's "PROCADDR", iSubClass).
//  - a subclass hook: many of them share one chain per window (itself one procedure subclass, without
//    a property), last added runs first. Used by controls that watch another window, such as their
//    parent.
//
// The state of both is found in a table of this process, never through a window property: under Wine
// every property read is a round trip to the server, and the state is wanted on every message.
//
// Both keep the chain whole whatever order they are removed in, and both free their state by
// themselves: at removal (as soon as no call of the handler is still running) or at WM_NCDESTROY.
// Windows of the calling thread only.
#include <windows.h>

#include <cstddef>
#include <functional>

namespace quilnet {

struct WindowMessage {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// Passes a message on to the procedure below the handler that was given it.
class NextProcedure {
 public:
  // The message as it came.
  LRESULT operator()() const noexcept;
  // A changed message for the same window.
  LRESULT operator()(UINT message, WPARAM wParam, LPARAM lParam) const noexcept;

 private:
  friend struct SubclassAccess;
  using Link = LRESULT (*)(const void* below, const WindowMessage& message);
  NextProcedure(const WindowMessage& message, WNDPROC previous, Link link, const void* below) noexcept
      : message_(message), previous_(previous), link_(link), below_(below) {}
  WindowMessage message_;
  WNDPROC previous_;         // the procedure below, or
  Link link_;                // the next hook of a chain: link_(below_, message)
  const void* below_;
  mutable bool called_ = false;
  mutable LRESULT result_ = 0;
};

// Sees every message of the window before anything below it and returns the message's result. It
// passes the message on by calling `next` (before, after, or not at all), so it can act on either side
// of the window's own handling. A handler that throws fails quietly: the message is passed on if it had
// not been yet, and otherwise answers what passing it on answered. WM_NCDESTROY is passed on after the
// handler if it did not, so that everything below frees its state too. The handler may remove its own
// subclass, or destroy the window, while it runs.
using SubclassHandler = std::function<LRESULT(const WindowMessage& message, const NextProcedure& next)>;

// Procedure subclasses one window can carry at once (a chain of hooks is one), removed ones still passing
// messages included.
inline constexpr std::size_t kMaxProcSubclasses = 16;

// Replaces hwnd's procedure with one that hands every message to `handler`. While the subclass is on,
// the property `name` of the window holds the procedure it replaced (so it also marks the window as
// subclassed). Returns that procedure; nullptr when no subclass was made (no window, another thread's
// window, `name` already on the window, kMaxProcSubclasses on it), and the window is then unchanged.
WNDPROC AddProcSubclass(HWND hwnd, const wchar_t* name, SubclassHandler handler);

// Takes off the subclass of that name and removes the property at once. When ours is still the window's
// procedure, the one it replaced is put back; when someone has subclassed the window above us since,
// ours stays in the chain passing every message straight on (so theirs keeps working) and leaves as
// soon as it is on top again or the window goes. False when the window has no subclass of that name.
bool RemoveProcSubclass(HWND hwnd, const wchar_t* name);

// Adds a hook to the window's chain of hooks. `id` tells our hooks on one window apart
// (a control hooking its parent uses its own address). False, and nothing added, when the window cannot
// be hooked or already has a hook of ours with this id.
bool AddSubclassHook(HWND hwnd, UINT_PTR id, SubclassHandler handler);

// Takes the hook off the window's chain. The chain's last hook gone, the chain leaves the window as a
// procedure subclass does. False when there was no such hook.
bool RemoveSubclassHook(HWND hwnd, UINT_PTR id);

// States of both kinds that are alive in the process (handlers not yet freed); for tests.
std::size_t LiveSubclassStates() noexcept;

}  // namespace quilnet
