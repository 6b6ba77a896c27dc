#pragma once
// A persistent off-screen picture: a memory device context holding a 32-bit bitmap that keeps its pixels
// between drawings, for windows that draw once per change and copy on every paint.
#include <windows.h>

#include "platform/Surface.h"

namespace quilnet {

class Offscreen {
 public:
  Offscreen() = default;
  Offscreen(const Offscreen&) = delete;
  Offscreen& operator=(const Offscreen&) = delete;

  // Makes the picture this size (at least 1 x 1); keeps it when it is already that size. The font selected
  // into the old context is selected into the new one. False when no picture could be made.
  bool Resize(int width, int height);
  HDC dc() const noexcept { return surface_.dc(); }
  int width() const noexcept { return surface_.width(); }
  int height() const noexcept { return surface_.height(); }
  // Selects the font (not owned) into the context, now and after every resize; nullptr puts the first one back.
  void SelectFont(HFONT font);
  // Copies the rectangle to the same place of `target`.
  void CopyTo(HDC target, const RECT& area) const;

 private:
  MemorySurface surface_;
  HFONT font_ = nullptr;
};

}  // namespace quilnet
