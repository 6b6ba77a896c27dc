#pragma once
// A persistent off-screen picture: a memory device context holding a 32-bit bitmap that keeps its pixels
// between drawings, for windows that draw once per change and copy on every paint.
#include <windows.h>

#include "platform/Handles.h"

namespace quilnet {

class Offscreen {
 public:
  Offscreen() = default;
  Offscreen(const Offscreen&) = delete;
  Offscreen& operator=(const Offscreen&) = delete;
  ~Offscreen();

  // Makes the picture this size (at least 1 x 1); keeps it when it is already that size. The font selected
  // into the old context is selected into the new one. False when no picture could be made.
  bool Resize(int width, int height);
  HDC dc() const noexcept { return dc_.get(); }
  int width() const noexcept { return width_; }
  int height() const noexcept { return height_; }
  // Selects the font (not owned) into the context, now and after every resize; nullptr puts the first one back.
  void SelectFont(HFONT font);
  // Copies the rectangle to the same place of `target`.
  void CopyTo(HDC target, const RECT& area) const;

 private:
  void Release();
  UniqueDc dc_;
  UniqueBitmap bitmap_;
  HGDIOBJ oldBitmap_ = nullptr;
  HGDIOBJ oldFont_ = nullptr;
  HFONT font_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace quilnet
