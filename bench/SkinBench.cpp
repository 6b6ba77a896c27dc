// The skin's two composite copies against a plain BitBlt of the same area, in the same run: ratios, not
// milliseconds. Each is drawn onto an off-screen 32-bpp surface and onto a real window.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <vector>

#include "platform/Handles.h"
#include "platform/MsImg.h"
#include "skin/MSkinner.h"
#include "skin/PushButton.h"
#include "skin/SkinBitmaps.h"
#include "skin/SkinDraw.h"
#include "skin/SkinProps.h"
#include "Timing.h"

namespace {

using namespace quilnet;
using namespace quilnet::skin;

// Median over rounds of the time per call, in microseconds.
template <class F>
double PerCall(F&& work) {
  return quilnet::bench::MedianPerCall(15, 500, work);
}

void Compare(const char* what, const char* where, double ours, double base, const char* baseName = "BitBlt") {
  std::printf("%-34s %-8s %8.2f us, %-10s %7.2f us, ratio %6.2f\n", what, where, ours, baseName, base, ours / base);
}

// A skinned 75 x 23 push button on a real window: one fade tick (WM_TIMER through the whole dispatch: one
// blend of its ready state image onto the window) against one AlphaBlend of the same area onto it, and
// the rendering of its four state images against one BitBlt of the same area.
void MeasureButton() {
  const UniqueWindow form(CreateWindowExW(0, L"#32770", L"", WS_POPUP | WS_VISIBLE, 0, 60, 200, 60, nullptr, nullptr,
                                          nullptr, nullptr));
  const HWND button = CreateWindowExW(0, L"Button", L"确定", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 75, 23,
                                      form.get(), nullptr, nullptr, nullptr);
  if (!form || !button || !SkinForm(form.get())) {
    std::fprintf(stderr, "no skinned button\n");
    return;
  }
  const MemorySurface image = MemorySurface::Create(75, 23);
  // A fade from 0 is 86 ticks; it is started again as it ends.
  int ticks = 0;
  const double tick = PerCall([&] {
    if (ticks++ % 86 == 0) SendMessageW(button, WM_KEYUP, VK_SPACE, 0);  // normal, fading in from 0
    SendMessageW(button, WM_TIMER, kFadeTimerId, 0);
  });
  const double blend = PerCall([&] {
    const ClientDc dc(button, ClientDc::Area::WholeWindow);
    AlphaCopy(dc.get(), 0, 0, 75, 23, image.dc(), 0, 0, 75, 23, 128);
  });
  const double heldBlend = [&] {
    const ClientDc dc(button, ClientDc::Area::WholeWindow);
    return PerCall([&] { AlphaCopy(dc.get(), 0, 0, 75, 23, image.dc(), 0, 0, 75, 23, 128); });
  }();
  // What a tick adds to its blend: the "ALPHALEVEL" write, under Wine a round trip to its server.
  int alpha = 0;
  const double write = PerCall([&] { WriteProp(button, kAlphaLevel, ++alpha & 0xFF); });
  Compare("fade tick, 75x23 button", "window", tick, blend, "AlphaBlend");
  Compare("fade tick, 75x23 button", "held DC", tick, heldBlend, "AlphaBlend");
  Compare("ALPHALEVEL write", "window", write, heldBlend, "AlphaBlend");
  const ClientDc dc(button, ClientDc::Area::WholeWindow);
  // A new caption renders the four state images again.
  Compare("RenderButtonStates, 75x23", "window", PerCall([&] { SendMessageW(button, WM_SETTEXT, 0, LPARAM(L"确定")); }),
          PerCall([&] { BitBlt(dc.get(), 0, 0, 75, 23, image.dc(), 0, 0, SRCCOPY); }));
}

void Measure(HDC target, const char* where, const SkinSurfaces& skin) {
  for (int i = 0; i < 50; ++i) DrawTransparent(target, {4, 4, 9, 8}, skin.GlyphSkin(), 0, 0, kKeyColour);  // warm up
  Compare("DrawTransparent, 9x8 check mark", where,
          PerCall([&] { DrawTransparent(target, {4, 4, 9, 8}, skin.GlyphSkin(), 0, 0, kKeyColour); }),
          PerCall([&] { BitBlt(target, 4, 4, 9, 8, skin.GlyphSkin(), 0, 0, SRCCOPY); }));
  const MemorySurface button = MemorySurface::Create(75, 23);
  Compare("DrawNineGrid, 75x23 button", where,
          PerCall([&] { DrawNineGrid(target, {0, 0, 75, 23}, skin.ButtonSkin(), ButtonTile(kHot), kButtonMargins); }),
          PerCall([&] { BitBlt(target, 0, 0, 75, 23, button.dc(), 0, 0, SRCCOPY); }));
}

}  // namespace

// `SkinBench tick`: one fade tick of a skinned push button between the debug strings "tick begin" and
// "tick end", after one that readies what a fade keeps, for counting its calls and server requests in a
// trace (WINEDEBUG=+server,+debugstr; see bench/README.md).
int TraceTick() {
  const UniqueWindow form(CreateWindowExW(0, L"#32770", L"", WS_POPUP | WS_VISIBLE, 0, 60, 200, 60, nullptr, nullptr,
                                          nullptr, nullptr));
  const HWND button = CreateWindowExW(0, L"Button", L"确定", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 75, 23,
                                      form.get(), nullptr, nullptr, nullptr);
  if (!form || !button || !SkinForm(form.get())) return 1;
  SendMessageW(button, WM_KEYUP, VK_SPACE, 0);  // normal, fading in from 0
  for (const char* mark : {"warm", "tick begin"}) {
    OutputDebugStringA(mark);
    SendMessageW(button, WM_TIMER, kFadeTimerId, 0);
  }
  GdiFlush();
  OutputDebugStringA("tick end");
  return 0;
}

int wmain(int argc, wchar_t** argv) {
  if (argc == 2 && std::wstring_view(argv[1]) == L"tick") return TraceTick();
  const SkinSurfaces skin = BuildSkinBitmaps();
  if (!skin) {
    std::fprintf(stderr, "no skin bitmaps\n");
    return 1;
  }
  const MemorySurface surface = MemorySurface::Create(100, 40);
  Measure(surface.dc(), "surface", skin);
  const UniqueWindow window(CreateWindowExW(0, L"Static", L"", WS_POPUP | WS_VISIBLE, 0, 0, 100, 40, nullptr, nullptr,
                                            nullptr, nullptr));
  if (!window) {
    std::fprintf(stderr, "no window\n");
    return 1;
  }
  const ClientDc dc(window.get());
  Measure(dc.get(), "window", skin);
  MeasureButton();
  return 0;
}
