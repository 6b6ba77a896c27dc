// A sheet of the multi-style button: every style in every state it has, without and with a picture, and
// the face the main window's buttons show, on the window's colour.
//   quilnet_button_sheet OUTDIR      writes OUTDIR\button-styles.png
#include <windows.h>

#include <cstdio>
#include <string>

#include "controls/button/ButtonRender.h"
#include "platform/CodePage.h"
#include "platform/Gdi.h"
#include "support/Capture.h"
#include "support/Canvas.h"
#include "support/TestFolder.h"

namespace quilnet {
namespace {

using namespace button;

constexpr Colour kWindowColour = 0xE8BF88;
constexpr int kButtonW = 93, kButtonH = 55;
constexpr int kCellW = 103, kCellH = 65, kLabelW = 150, kHeaderH = 40;

struct StyleDefaults {
  Colour back, fore;
  bool focusRect;
};
constexpr StyleDefaults kDefaults[16] = {
    {kButtonFace, kButtonText, true},  {kButtonFace, kButtonText, true},  {0xE7EBEC, kButtonText, false},
    {kButtonFace, kButtonText, false}, {0xE3E3E3, kButtonText, false},    {0xAA6D00, 0xFFFFFF, true},
    {0xE1D6D5, kButtonText, true},     {0xFFD1AD, 0x8B4215, false},       {kButtonFace, kButtonText, false},
    {kButtonFace, kButtonText, false}, {0xFFD1AD, 0x8B4215, false},       {kButtonFace, kButtonText, false},
    {kButtonFace, kButtonText, false}, {0xFCE1CA, kButtonText, false},    {0xD0D0D0, kButtonText, false},
    {0xE6CAA7, kButtonText, true},
};
const wchar_t* const kStyleNames[16] = {
    L"0 Raised3D",     L"1 RaisedSoft",   L"2 RoundedFrame",  L"3 ContainerShade", L"4 RoundedBevel",
    L"5 SolidBlue",    L"6 SplitShade",   L"7 PaleBlueGloss", L"8 SplitGloss",     L"9 FaceGradient",
    L"10 PaleBlueBand", L"11 FlatHotRaised", L"12 FlatHotThin", L"13 HotGradient", L"14 GlossyRounded",
    L"15 HorizontalGradient",
};
const wchar_t* const kStateNames[] = {L"normal", L"hot", L"down", L"checked", L"disabled", L"focused", L"default"};

void Prepare(ButtonLook& look, int state) {
  switch (state) {
    case 1: look.buttonState = Hot; look.mouseInside = true; break;
    case 2: look.buttonState = Down; look.mouseInside = true; look.mouseDown = true; break;
    case 3: look.checkBoxMode = true; look.value = true; break;
    case 4: look.enabled = false; break;
    case 5: look.hasFocus = true; break;
    case 6: look.displayAsDefault = true; break;
    default: break;
  }
}

// A 16 × 16 picture on the mask colour: a green screen with a blue cable.
UniqueBitmap MakePicture(HDC like) {
  UniqueBitmap bitmap(CreateCompatibleBitmap(like, 16, 16));
  const UniqueDc dc = MakeMemoryDc(like);
  const Selection select(dc.get(), bitmap.get());
  const auto fill = [&](int l, int t, int r, int b, COLORREF c) {
    const UniqueBrush brush = MakeSolidBrush(c);
    const RECT rect{l, t, r, b};
    FillRect(dc.get(), &rect, brush.get());
  };
  fill(0, 0, 16, 16, 0xE0E0E0);
  fill(1, 2, 15, 12, 0x404040);
  fill(2, 3, 14, 11, 0x40B040);
  fill(4, 5, 9, 7, 0xC0F0C0);
  fill(7, 12, 9, 14, 0x404040);
  fill(3, 14, 13, 15, 0xC06020);
  return bitmap;
}

// The button drawn on its own surface, then put on the sheet through its window shape.
void Place(test::Canvas& sheet, const ButtonLook& start, int x, int y) {
  ButtonLook look = start;
  DrawMemory memory;
  test::Canvas surface(kButtonW, kButtonH);
  // Twice, as a live control has drawn before: one style takes its focus rectangle from the last layout.
  for (int i = 0; i < 2; ++i) Redraw(surface.dc(), kButtonW, kButtonH, look, memory);
  const UniqueRegion shape = MakeShapeRegion(ShapeOfStyle(look.buttonStyle), kButtonW, kButtonH);
  OffsetRgn(shape.get(), x, y);
  SelectClipRgn(sheet.dc(), shape.get());
  BitBlt(sheet.dc(), x, y, kButtonW, kButtonH, surface.dc(), 0, 0, SRCCOPY);
  SelectClipRgn(sheet.dc(), nullptr);
}

void Label(HDC dc, const wchar_t* text, int x, int y, int w, int h, UINT flags) {
  RECT r{x, y, x + w, y + h};
  DrawTextW(dc, text, -1, &r, flags | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

int Run(const std::wstring& folder) {
  constexpr int kStates = 7;
  const int rows = 17;
  test::Canvas sheet(kLabelW + 2 * kStates * kCellW, kHeaderH + rows * kCellH, kWindowColour);
  const UniqueFont font = MakeFont(L"宋体", 9, 96, GB2312_CHARSET);
  const UniqueBitmap picture = MakePicture(sheet.dc());
  const Selection useFont(sheet.dc(), font.get());
  SetBkMode(sheet.dc(), TRANSPARENT);
  for (int half = 0; half < 2; ++half) {
    const int left = kLabelW + half * kStates * kCellW;
    Label(sheet.dc(), half ? L"with a picture" : L"caption only", left, 0, kStates * kCellW, 20, DT_CENTER);
    for (int s = 0; s < kStates; ++s) Label(sheet.dc(), kStateNames[s], left + s * kCellW, 20, kCellW, 20, DT_CENTER);
  }
  for (int row = 0; row < rows; ++row) {
    const int style = row < 16 ? row : RoundedBevel;
    const int y = kHeaderH + row * kCellH + (kCellH - kButtonH) / 2;
    Label(sheet.dc(), row < 16 ? kStyleNames[row] : L"4 as the window", 4, y, kLabelW - 8, kButtonH, DT_LEFT);
    ButtonLook look;
    look.buttonStyle = style;
    look.backColor = row < 16 ? kDefaults[style].back : kWindowColour;
    look.foreColor = kDefaults[style].fore;
    look.showFocusRect = kDefaults[style].focusRect;
    look.font = font.get();
    look.ambientBackColor = look.surfaceBackColor = kWindowColour;
    for (int half = 0; half < 2; ++half) {
      look.caption = half ? L"保存(&S)" : L"应用配置";
      look.hasAccessKey = half == 1;
      if (half) {
        look.picture = {ButtonPicture::Kind::Bitmap, picture.get(), nullptr, 16, 16};
        look.useMaskColor = true;
      }
      for (int s = 0; s < kStates; ++s) {
        ButtonLook state = look;
        Prepare(state, s);
        Place(sheet, state, kLabelW + (half * kStates + s) * kCellW + (kCellW - kButtonW) / 2, y);
      }
    }
  }
  const std::wstring path = folder + L"\\button-styles.png";
  test::Pixels pixels{sheet.width(), sheet.height(), {}};
  for (int y = 0; y < sheet.height(); ++y) {
    for (int x = 0; x < sheet.width(); ++x) {
      const COLORREF c = sheet.At(x, y);
      pixels.data.push_back((GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c));
    }
  }
  if (!test::SavePng(pixels, path)) {
    std::fprintf(stderr, "cannot write %s\n", ToCodePage(path, CP_UTF8).c_str());
    return 1;
  }
  std::printf("button-styles.png %dx%d\n", sheet.width(), sheet.height());
  return 0;
}

}  // namespace
}  // namespace quilnet

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: quilnet_button_sheet OUTDIR\n");
    return 2;
  }
  const std::wstring out = quilnet::test::WindowsPath(argv[1]);
  CreateDirectoryW(out.c_str(), nullptr);
  return quilnet::Run(out);
}
