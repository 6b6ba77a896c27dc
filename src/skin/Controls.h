#pragma once
// What the skin does with the messages of every family but push buttons, and with WM_NCPAINT and
// WM_WINDOWPOSCHANGING of all families: combo and drive-list borders and drop buttons, check boxes,
// options, headers, progress bars, list borders, client edges.
#include <windows.h>

#include "skin/MSkinner.h"

namespace quilnet::skin {

LRESULT ControlMessage(const Routed& routed);
// After a click: repaints the mark of an attached check box or option in state 0, forced; nothing for
// another family.
void RefreshCheck(HWND window, Family family);

}  // namespace quilnet::skin
