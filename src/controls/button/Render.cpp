#include "controls/button/Render.h"

#include <olectl.h>

#include "platform/Gdi.h"

namespace quilnet::button {
namespace {

COLORREF Rgb(Colour colour) {
  COLORREF rgb = 0;
  return SUCCEEDED(OleTranslateColor(colour, nullptr, &rgb)) ? rgb : 0;
}

}  // namespace

// A plain face until the styled faces arrive: the back colour, a frame in the text colour (doubled when
// pressed), and the caption centred.
void Redraw(HDC dc, int width, int height, ButtonLook& look, DrawMemory& memory) {
  if (look.checkBoxMode && look.value && look.buttonStyle != Raised3D && look.buttonStyle != ContainerShade &&
      look.buttonStyle != FaceGradient) {
    look.buttonState = Down;
  }
  const RECT all{0, 0, width, height};
  const UniqueBrush back = MakeSolidBrush(Rgb(look.backColor));
  FillRect(dc, &all, back.get());
  const UniqueBrush fore = MakeSolidBrush(Rgb(look.enabled ? look.foreColor : kGrayText));
  FrameRect(dc, &all, fore.get());
  if (look.buttonState == Down) {
    const RECT inner{1, 1, width - 1, height - 1};
    FrameRect(dc, &inner, fore.get());
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, Rgb(look.enabled ? look.foreColor : kGrayText));
  RECT text = all;
  DrawTextW(dc, look.caption.c_str(), static_cast<int>(look.caption.size()), &text,
            DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  memory.captionRect = text;
}

WindowShape ShapeOfStyle(int style) {
  switch (style) {
    case RoundedFrame: case RoundedBevel: case SplitShade: case SplitGloss: return {true, 3};
    case ContainerShade: case PaleBlueBand: return {true, 4};
    case GlossyRounded: return {true, 18};
    default: return {false, 0};
  }
}

UniqueGdi<HRGN> MakeShapeRegion(const WindowShape& shape, int width, int height) {
  if (!shape.rounded) return UniqueGdi<HRGN>(CreateRectRgn(0, 0, width, height));
  return UniqueGdi<HRGN>(CreateRoundRectRgn(0, 0, width + 1, height + 1, shape.ellipse, shape.ellipse));
}

}  // namespace quilnet::button
