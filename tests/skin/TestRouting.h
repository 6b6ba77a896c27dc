#pragma once
// Skins single controls for tests and pictures the way attachment does, handing their messages to the
// control painters as the skin's window procedure routes them: the family's properties set, the
// procedure subclassed under "PROCADDR", the frame and client painted once.
#include <windows.h>

#include "platform/Subclass.h"
#include "skin/Controls.h"
#include "skin/Routing.h"

namespace quilnet::skin::test {

inline BOOL CALLBACK RefreshOne(HWND window, LPARAM) {
  if (GetPropW(window, L"PROCADDR")) RefreshCheck(window, FamilyOf(window));
  return TRUE;
}

inline LRESULT RouteToPainters(const WindowMessage& message, const NextProcedure& next, Family family) {
  const Routed routed{message, next, family};
  switch (message.message) {
    case WM_SIZE: case WM_SETFOCUS: case WM_KILLFOCUS: case WM_ENABLE: case WM_PAINT:
    case WM_WINDOWPOSCHANGING: case WM_NCPAINT: case WM_KEYDOWN: case WM_KEYUP: case WM_TIMER:
    case WM_MOUSEMOVE: case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: case WM_MOUSELEAVE:
      return ControlMessage(routed);
    case WM_LBUTTONUP: {
      const LRESULT result = ControlMessage(routed);
      HWND parent = GetParent(message.hwnd);
      EnumChildWindows(parent ? parent : message.hwnd, RefreshOne, 0);
      return result;
    }
    default:
      return next();
  }
}

// False when the window could not be subclassed.
inline bool SkinControl(HWND window) {
  const Family family = FamilyOf(window);
  switch (family) {
    case Family::Combo: case Family::DriveList: case Family::CheckBox: case Family::Option:
      WriteProp(window, kMouseFlag, 0);
      WriteProp(window, kOldState, 0);
      break;
    case Family::Header:
      WriteProp(window, kMouseFlag, 0);
      WriteProp(window, kHdIndex, -1);
      WriteProp(window, kHmIndex, -1);
      break;
    default:
      break;
  }
  const bool routed = AddProcSubclass(window, L"PROCADDR", [family](const WindowMessage& m, const NextProcedure& next) {
    return RouteToPainters(m, next, family);
  }) != nullptr;
  SendMessageW(window, WM_NCPAINT, 1, 0);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_INTERNALPAINT);
  return routed;
}

}  // namespace quilnet::skin::test
