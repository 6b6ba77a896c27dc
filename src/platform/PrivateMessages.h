#pragma once
// Every message the program posts or sends to its own windows, in one place, so that no two rooms
// pick the same number. Each is above WM_APP: no control class of the system uses that range.
#include <windows.h>

namespace quilnet {

// The main window: a netsh process of the DHCP switch has ended (wParam: which).
inline constexpr UINT kDhcpCommandEnded = WM_APP + 4;
// The main window: a switch of an apply button has ended (wParam: which).
inline constexpr UINT kApplyEnded = WM_APP + 5;
// The main window: the adapter watch has a new snapshot of the adapters to take.
inline constexpr UINT kAdaptersChanged = WM_APP + 6;
// A multi-style button: raise Click once the messages already queued have run.
inline constexpr UINT kClickLater = WM_APP + 0x3A0;

}  // namespace quilnet
