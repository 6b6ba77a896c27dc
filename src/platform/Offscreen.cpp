#include "platform/Offscreen.h"

#include <algorithm>

namespace quilnet {

bool Offscreen::Resize(int width, int height) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  if (surface_ && width == surface_.width() && height == surface_.height()) return true;
  surface_ = MemorySurface::Create(width, height);
  if (!surface_) return false;
  if (font_) SelectObject(surface_.dc(), font_);
  return true;
}

void Offscreen::SelectFont(HFONT font) {
  font_ = font;
  // The font is not ours: the context only borrows it, and the system font is what a new one starts with.
  if (surface_) SelectObject(surface_.dc(), font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
}

void Offscreen::CopyTo(HDC target, const RECT& area) const {
  if (!surface_) return;
  BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, surface_.dc(), area.left,
         area.top, SRCCOPY);
}

}  // namespace quilnet
