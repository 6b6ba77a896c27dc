#include "app/Twips.h"

#include <cmath>

namespace quilnet {

int TwipsToPixels(int twips, UINT dpi) {
  // nearbyint rounds half to even in the default rounding mode.
  return static_cast<int>(std::nearbyint(static_cast<double>(twips) * dpi / kTwipsPerInch));
}

RECT TwipsToPixels(int left, int top, int width, int height, UINT dpi) {
  const int x = TwipsToPixels(left, dpi);
  const int y = TwipsToPixels(top, dpi);
  return RECT{x, y, x + TwipsToPixels(width, dpi), y + TwipsToPixels(height, dpi)};
}

}  // namespace quilnet
