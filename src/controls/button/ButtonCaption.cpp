#include "controls/button/ButtonCaption.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "controls/button/ButtonPrimitives.h"
#include "platform/Gdi.h"
#include "platform/MsImg.h"

namespace quilnet::button {
namespace {

bool HasPicture(const ButtonPicture& p) { return p.kind != ButtonPicture::Kind::None; }

SIZE PictureBox(const ButtonLook& look) {
  switch (look.pictureSize) {
    case Small16: return {16, 16};
    case Medium24: return {24, 24};
    case Large32: return {32, 32};
    default: return {look.picture.width, look.picture.height};
  }
}

// Step by step as the alignments are defined; divisions truncate.
void PlaceByPicture(const ButtonLook& look, int lw, int lh, int tw, int th, Placement& p) {
  const int pw = p.pw, ph = p.ph;
  const int middleY = (lh - ph) / 2, centredX = (lw - pw) / 2, captionY = lh / 2 - th / 2;
  const int centredCx = lw / 2 - tw / 2;
  switch (look.pictureAlign) {
    case LeftEdge: p = {4, middleY, std::max(lw / 2 - tw / 2 + pw / 2, pw + 8), captionY, pw, ph}; break;
    case LeftOfCaption:
      p = {std::max((lw - pw - tw) / 2, 4), middleY, std::max(lw / 2 - tw / 2 + pw / 2 + 3, pw + 8), captionY, pw, ph};
      break;
    case RightEdge: p = {lw - pw - 4, middleY, lw - tw - pw - 4, captionY, pw, ph}; break;
    case RightOfCaption: {
      int cx = lw / 2 - tw / 2 - pw / 2 - 3;
      if (cx < 0) cx = lw - tw - pw - 4;
      p = {std::min((lw - (pw - tw)) / 2, lw - pw - 4), middleY, cx, captionY, pw, ph};
      break;
    }
    case Behind: p = {centredX, middleY, centredCx, captionY, pw, ph}; break;
    case TopEdge: p = {centredX, 4, centredCx, ph / 2 + lh / 2 - th / 2 + 2, pw, ph}; break;
    case AboveCaption:
      p = {centredX, std::max((lh - (ph + th)) / 2, 4), centredCx, ph / 2 + lh / 2 - th / 2 + 2, pw, ph};
      break;
    case BottomEdge: p = {centredX, lh - ph - 4, centredCx, lh / 2 - ph / 2 - th / 2 - 2, pw, ph}; break;
    case BelowCaption:
      p = {centredX, std::min((lh - (ph - th)) / 2, lh - ph - 4), centredCx, lh / 2 - ph / 2 - th / 2 - 2, pw, ph};
      break;
    default: p = {0, 0, 0, 0, pw, ph}; break;
  }
  p.px = std::max(p.px, 1);
  p.py = std::max(p.py, 1);
  // A picture that does not fit is cut down to the button.
  if (lw < p.pw + p.px) p.pw = lw - 8;
  if (lh < p.py + p.ph) p.ph = lh - 4;
}

void AlignCaption(const ButtonLook& look, int lw, int tw, Placement& p) {
  const int pw = p.pw;
  const int align = look.pictureAlign;
  switch (look.captionAlign) {
    case Center:
      if (align == RightEdge && p.cx >= 0) p.cx = lw / 2 - tw / 2;
      break;
    case Right:
      switch (align) {
        case RightEdge: p.cx = lw - tw - pw - 4; break;
        case RightOfCaption:
          p.px = lw - pw - 4;
          p.cx = lw - tw - pw - 4;
          break;
        case LeftEdge: p.cx = std::max(lw - tw - 4, pw + 4); break;
        case LeftOfCaption:
          p.cx = lw - tw - 4;
          p.px = p.cx - pw - 4;
          break;
        default: p.cx = lw - tw - 4; break;
      }
      break;
    case Left:
      switch (align) {
        case LeftEdge: p.cx = pw + 8; break;
        case LeftOfCaption:
          p.cx = pw + 8;
          p.px = 4;
          break;
        case RightEdge: p.cx = p.cx > 3 ? 4 : lw - tw - pw - 4; break;
        case RightOfCaption:
          p.px = tw + 4;
          p.cx = 4;
          break;
        default: p.cx = 4; break;
      }
      break;
    default: break;
  }
}

// A bitmap's pixels as 24-bit bottom-up rows padded to four bytes.
struct Pixels24 {
  BITMAPINFO info{};
  std::vector<std::uint8_t> bytes;
  int width = 0, height = 0;
};
std::optional<Pixels24> Read24(HDC dc, HBITMAP bitmap) {
  BITMAP b{};
  if (!bitmap || !GetObjectW(bitmap, sizeof b, &b) || b.bmWidth <= 0 || b.bmHeight <= 0) return std::nullopt;
  Pixels24 out;
  out.width = b.bmWidth;
  out.height = b.bmHeight;
  out.info.bmiHeader = {sizeof(BITMAPINFOHEADER), b.bmWidth, b.bmHeight, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  const size_t stride = (static_cast<size_t>(b.bmWidth) * 3 + 3) & ~size_t{3};
  out.bytes.resize(stride * static_cast<size_t>(b.bmHeight));
  if (!GetDIBits(dc, bitmap, 0, b.bmHeight, out.bytes.data(), &out.info, DIB_RGB_COLORS)) return std::nullopt;
  return out;
}

void MakeGray(Pixels24& p) {
  const size_t stride = (static_cast<size_t>(p.width) * 3 + 3) & ~size_t{3};
  for (int y = 0; y < p.height; ++y) {
    std::uint8_t* px = p.bytes.data() + stride * static_cast<size_t>(y);
    for (int x = 0; x < p.width; ++x, px += 3) {
      const auto gray = static_cast<std::uint8_t>((px[0] + px[1] + px[2]) / 3);
      px[0] = px[1] = px[2] = gray;
    }
  }
}

// The upper or the lower half of the image (a bottom-up buffer keeps the lower half first).
Pixels24 Half(const Pixels24& p, bool upper) {
  Pixels24 half = p;
  half.height = p.height / 2;
  half.info.bmiHeader.biHeight = half.height;
  const size_t stride = (static_cast<size_t>(p.width) * 3 + 3) & ~size_t{3};
  const size_t start = upper ? stride * static_cast<size_t>(p.height - half.height) : 0;
  half.bytes.assign(p.bytes.begin() + static_cast<std::ptrdiff_t>(start),
                    p.bytes.begin() + static_cast<std::ptrdiff_t>(start + stride * static_cast<size_t>(half.height)));
  return half;
}

void Put(HDC dc, int x, int y, int w, int h, const Pixels24& p, DWORD rop) {
  StretchDIBits(dc, x, y, w, h, 0, 0, p.width, p.height, p.bytes.data(), &p.info, DIB_RGB_COLORS, rop);
}

// Disabled pictures: the colours become gray, stretched from the picture's own size.
void DrawGrayPicture(HDC dc, const ButtonPicture& picture, int x, int y, int w, int h) {
  if (picture.kind == ButtonPicture::Kind::Bitmap) {
    std::optional<Pixels24> colour = Read24(dc, picture.bitmap);
    if (!colour) return;
    MakeGray(*colour);
    FillBox(dc, {x, y, w, h}, kBlack);
    Put(dc, x, y, w, h, *colour, SRCPAINT);
    return;
  }
  const IconBitmaps parts = IconBitmapsOf(picture.icon);
  std::optional<Pixels24> mask = Read24(dc, parts.mask.get());
  if (!mask) return;
  std::optional<Pixels24> colour;
  if (parts.colour) {
    colour = Read24(dc, parts.colour.get());
  } else {
    // A monochrome icon keeps its AND mask in the upper half and its image in the lower.
    colour = Half(*mask, false);
    mask = Half(*mask, true);
  }
  if (!colour) return;
  MakeGray(*colour);
  Put(dc, x, y, w, h, *mask, SRCAND);
  Put(dc, x, y, w, h, *colour, SRCPAINT);
}

void CopyBitmap(HDC dc, const ButtonLook& look, HBITMAP bitmap, int x, int y, int w, int h) {
  const UniqueDc source = MakeMemoryDc(dc);
  if (!source || !bitmap) return;
  const Selection select(source.get(), bitmap);
  if (look.useMaskColor) {
    TransparentCopy(dc, x, y, w, h, source.get(), 0, 0, w, h, TranslateColour(look.maskColor));
  } else {
    StretchBlt(dc, x, y, w, h, source.get(), 0, 0, w, h, SRCCOPY);
  }
}

void DrawPicture(HDC dc, const ButtonLook& look, int x, int y, int w, int h) {
  const ButtonPicture& picture = look.picture;
  if (!look.enabled) {
    DrawGrayPicture(dc, picture, x, y, w, h);
    return;
  }
  // A hover picture of another kind than the picture is not used.
  const ButtonPicture& hover = look.pictureHover.kind == picture.kind ? look.pictureHover : picture;
  const bool checked = look.checkBoxMode && look.value;
  const ButtonPicture& current = look.buttonState == Hot || look.buttonState == Down ? hover : picture;
  if (picture.kind == ButtonPicture::Kind::Icon) {
    DrawIconEx(dc, x, y, current.icon, w, h, 0, nullptr, DI_NORMAL);
    if (checked) DrawIconEx(dc, x, y, hover.icon, w, h, 0, nullptr, DI_NORMAL);
  } else if (picture.kind == ButtonPicture::Kind::Bitmap) {
    CopyBitmap(dc, look, (checked ? hover : current).bitmap, x, y, w, h);
  }
}

void DrawCaption(HDC dc, const ButtonLook& look, RECT rect) {
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColour = SetTextColor(dc, TranslateColour(look.enabled ? look.foreColor : kGrayText));
  DrawTextW(dc, look.caption.c_str(), static_cast<int>(look.caption.size()), &rect, DT_SINGLELINE);
  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
}

}  // namespace

Placement PlaceCaption(const ButtonLook& look, int lw, int lh, int tw, int th, int pw, int ph) {
  Placement p{0, 0, 0, 0, pw, ph};
  if (HasPicture(look.picture)) {
    PlaceByPicture(look, lw, lh, tw, th, p);
    AlignCaption(look, lw, tw, p);
  } else {
    switch (look.captionAlign) {
      case Left: p.cx = 4; break;
      case Center: p.cx = lw / 2 - tw / 2; break;
      case Right: p.cx = lw - tw - 4; break;
      default: break;
    }
    p.cy = lh / 2 - th / 2;
  }
  if (look.hasAccessKey) p.cx += 3;
  return p;
}

void DrawPictureAndCaption(HDC dc, int width, int height, ButtonLook& look, DrawMemory& memory) {
  // A surface that keeps the look's font selected saves a select and a restore on every redraw.
  const bool selectFont = look.font && GetCurrentObject(dc, OBJ_FONT) != look.font;
  const HGDIOBJ oldFont = selectFont ? SelectObject(dc, look.font) : nullptr;
  SIZE text{};
  GetTextExtentPoint32W(dc, look.caption.c_str(), static_cast<int>(look.caption.size()), &text);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  const int tw = text.cx, th = metrics.tmHeight;
  const SIZE box = PictureBox(look);
  const Placement p = PlaceCaption(look, width, height, tw, th, box.cx, box.cy);
  memory.pictureSize = {p.pw, p.ph};

  const int style = look.buttonStyle;
  const bool down = look.buttonState == Down;
  POINT picture{p.px, p.py};
  RECT caption{p.cx, p.cy, p.cx + tw, p.cy + th};
  if (down && (style == Raised3D || style == RaisedSoft || style == ContainerShade || style == SplitGloss)) {
    picture = {p.px + 1, p.py + 1};
    caption = {p.cx + 1, p.cy + 1, p.cx + tw + 1, p.cy + th + 1};
  } else if (style == SolidBlue) {
    if (down) {
      picture = {p.px + 2, p.py + 2};
      caption = {p.cx + 1, p.cy + 2, p.cx + tw + 1, p.cy + th + 1};
    } else {
      picture = {p.px - 1, p.py - 1};
      caption = {p.cx - 2, p.cy - 2, p.cx + tw - 2, p.cy + th - 2};
    }
  } else if (style == GlossyRounded) {
    caption = {p.cx, p.cy - 1, p.cx + tw, p.cy + th - 1};
  } else if (!down) {
    memory.captionFocusRect = {p.cx - 2, p.cy, p.cx + tw + 1, p.cy + th + 1};
  }
  memory.captionRect = caption;

  if (HasPicture(look.picture)) DrawPicture(dc, look, picture.x, picture.y, p.pw, p.ph);
  DrawCaption(dc, look, caption);
  if (oldFont) SelectObject(dc, oldFont);
}

}  // namespace quilnet::button
