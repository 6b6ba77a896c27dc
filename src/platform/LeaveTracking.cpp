#include "platform/LeaveTracking.h"

#include "platform/SystemLibrary.h"

namespace quilnet {

LeaveTracker SystemLeaveTracker() noexcept {
  static const LeaveTracker found = []() -> LeaveTracker {
    if (const HMODULE user32 = GetModuleHandleW(L"user32.dll")) {
      if (const FARPROC track = GetProcAddress(user32, "TrackMouseEvent")) {
        return reinterpret_cast<LeaveTracker>(reinterpret_cast<void*>(track));
      }
    }
    return SystemFunction<LeaveTracker>(L"comctl32.dll", "_TrackMouseEvent");
  }();
  return found;
}

bool TrackLeave(HWND window, LeaveTracker tracker) noexcept {
  // The record's own size: 24 bytes on a 64-bit system.
  TRACKMOUSEEVENT request{sizeof request, TME_LEAVE, window, 0};
  return tracker && tracker(&request);
}

}  // namespace quilnet
