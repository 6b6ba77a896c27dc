#include "platform/MsImg.h"

#include "platform/SystemLibrary.h"

namespace quilnet {
namespace {

using TransparentBltFn = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, UINT);
using AlphaBlendFn = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);

constexpr wchar_t kMsImg[] = L"msimg32.dll";

}  // namespace

bool TransparentCopy(HDC target, int x, int y, int w, int h, HDC source, int sx, int sy, int sw, int sh,
                     COLORREF key) noexcept {
  static const auto transparentBlt = SystemFunction<TransparentBltFn>(kMsImg, "TransparentBlt");
  return transparentBlt && transparentBlt(target, x, y, w, h, source, sx, sy, sw, sh, key);
}

bool AlphaCopy(HDC target, int x, int y, int w, int h, HDC source, int sx, int sy, int sw, int sh,
               BYTE alpha) noexcept {
  static const auto alphaBlend = SystemFunction<AlphaBlendFn>(kMsImg, "AlphaBlend");
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, alpha, 0};
  return alphaBlend && alphaBlend(target, x, y, w, h, source, sx, sy, sw, sh, blend);
}

}  // namespace quilnet
