#pragma once
// Skins single controls for tests and pictures: each goes through the skin's own entry, which builds
// the skin bitmaps with the first window and attaches it with its family's properties.
#include <windows.h>

#include "skin/MSkinner.h"
#include "skin/Routing.h"

namespace quilnet::skin::test {

// False when the window could not be attached.
inline bool SkinControl(HWND window) { return SkinForm(window) == 1; }

}  // namespace quilnet::skin::test
