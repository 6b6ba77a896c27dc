#pragma once
// Hearing of the pointer leaving a window: one WM_MOUSELEAVE per request.
#include <windows.h>

namespace quilnet {

using LeaveTracker = BOOL(WINAPI*)(LPTRACKMOUSEEVENT);

// User32's TrackMouseEvent, else comctl32's _TrackMouseEvent; nullptr when the system has neither.
LeaveTracker SystemLeaveTracker() noexcept;

// Asks for one WM_MOUSELEAVE when the pointer next leaves the window. False when there is no tracker or
// it refused.
bool TrackLeave(HWND window, LeaveTracker tracker = SystemLeaveTracker()) noexcept;

}  // namespace quilnet
