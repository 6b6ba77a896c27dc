#pragma once
#include <windows.h>

namespace quilnet {

inline constexpr int kTwipsPerInch = 1440;

// Twips to whole pixels at `dpi`, rounding to the nearest pixel with ties to the even one.
int TwipsToPixels(int twips, UINT dpi);
RECT TwipsToPixels(int left, int top, int width, int height, UINT dpi);

}  // namespace quilnet
