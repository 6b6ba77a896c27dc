#pragma once
// Off-screen surfaces: a memory DC with its own 32-bpp DIB section selected, owned together.
#include <windows.h>

#include <cstdint>

#include "platform/Handles.h"

namespace quilnet {

class MemorySurface {
 public:
  MemorySurface() = default;
  // A width x height surface compatible with the screen; empty when either size is not positive or the
  // system refuses. A DIB section rather than a screen-compatible bitmap, so that colours are kept
  // exactly whatever the display depth.
  static MemorySurface Create(int width, int height);

  MemorySurface(MemorySurface&&) noexcept = default;
  // By hand: the default would delete the old bitmap while the old DC still holds it.
  MemorySurface& operator=(MemorySurface&& other) noexcept;

  explicit operator bool() const noexcept { return static_cast<bool>(dc_); }
  HDC dc() const noexcept { return dc_.get(); }
  HBITMAP bitmap() const noexcept { return bitmap_.get(); }
  int width() const noexcept { return width_; }
  int height() const noexcept { return height_; }
  // Top-down rows of 0x00RRGGBB values. Call GdiFlush before reading what GDI drew, and write here only
  // between GDI calls.
  uint32_t* bits() const noexcept { return bits_; }

 private:
  // Declared before the DC so that the DC goes first: a bitmap selected into a live DC cannot be deleted.
  UniqueBitmap bitmap_;
  UniqueDc dc_;
  uint32_t* bits_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace quilnet
