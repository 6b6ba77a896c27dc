#pragma once
// The two msimg32 copies the skin needs, resolved from the system folder on first use (msimg32 is not
// one of the platform's known DLLs, so a load-time import would be searched for beside the program).
// Each returns false, drawing nothing, when the function cannot be found or the copy fails.
#include <windows.h>

namespace quilnet {

// TransparentBlt: copies (sx, sy, sw, sh) of `source` onto (x, y, w, h) of `target`, stretching if the
// sizes differ, and leaves the target unchanged wherever the source pixel is exactly `key`.
bool TransparentCopy(HDC target, int x, int y, int w, int h, HDC source, int sx, int sy, int sw, int sh,
                     COLORREF key) noexcept;

// AlphaBlend with one constant alpha and no per-pixel alpha: 0 leaves the target, 255 copies the source.
bool AlphaCopy(HDC target, int x, int y, int w, int h, HDC source, int sx, int sy, int sw, int sh,
               BYTE alpha) noexcept;

}  // namespace quilnet
