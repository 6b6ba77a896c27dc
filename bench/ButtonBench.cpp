// A full redraw of the multi-style button against one FillRect of the same area, on the same 32-bpp
// surface in the same run: ratios, not microseconds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "Timing.h"
#include "controls/button/ButtonRender.h"
#include "platform/Gdi.h"

namespace {

using namespace quilnet;
using namespace quilnet::button;

constexpr int kWidth = 93, kHeight = 55;
constexpr int kRounds = 31, kPerRound = 200;

// Median microseconds of one call.
template <class F>
double Median(F&& work) {
  return quilnet::bench::MedianPerCall(kRounds, kPerRound, work);
}

}  // namespace

// `ButtonBench STYLE STATE`: one redraw of that look between two debug strings, after one that makes
// what the drawing keeps, for counting its GDI calls in a trace
// (WINEDEBUG=+gdi,+debugstr; see bench/README.md).
int wmain(int argc, wchar_t** argv) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const UniqueDc dc(CreateCompatibleDC(nullptr));
  const UniqueBitmap surface(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  const Selection select(dc.get(), surface.get());
  const UniqueFont font = MakeFont(L"宋体", 9, 96, GB2312_CHARSET);
  const UniqueBrush brush = MakeSolidBrush(0xE8BF88);
  // As the control keeps it: the caption font stays selected in the surface between redraws.
  const Selection keepFont(dc.get(), font.get());

  if (argc == 3) {
    ButtonLook look;
    look.buttonStyle = _wtoi(argv[1]);
    look.backColor = look.ambientBackColor = 0xE8BF88;
    look.caption = L"保存";
    look.font = font.get();
    DrawMemory memory;
    for (const char* mark : {"warm", "redraw begin"}) {
      OutputDebugStringA(mark);
      look.buttonState = _wtoi(argv[2]);
      Redraw(dc.get(), kWidth, kHeight, look, memory);
    }
    OutputDebugStringA("redraw end");
    return 0;
  }

  const RECT all{0, 0, kWidth, kHeight};
  const double fill = Median([&] { FillRect(dc.get(), &all, brush.get()); });
  const auto redraw = [&](int style, int state) {
    ButtonLook look;
    look.buttonStyle = style;
    look.buttonState = state;
    look.backColor = 0xE8BF88;
    look.ambientBackColor = 0xE8BF88;
    look.caption = L"保存";
    look.font = font.get();
    DrawMemory memory;
    return Median([&] {
      look.buttonState = state;
      Redraw(dc.get(), kWidth, kHeight, look, memory);
    });
  };
  std::printf("FillRect %dx%d: %.2f us\n", kWidth, kHeight, fill);
  const char* const names[] = {"normal", "hot", "down"};
  for (int state = Normal; state <= Down; ++state) {
    const double t = redraw(RoundedBevel, state);
    std::printf("style 4 %s redraw: %.2f us, ratio %.1f\n", names[state], t, t / fill);
  }
  int slowest = 0, slowestState = 0;
  double slowestTime = 0;
  for (int style = 0; style < 16; ++style) {
    for (int state = Normal; state <= Down; ++state) {
      const double t = redraw(style, state);
      if (t > slowestTime) slowest = style, slowestState = state, slowestTime = t;
    }
  }
  std::printf("slowest: style %d %s redraw: %.2f us, ratio %.1f\n", slowest, names[slowestState], slowestTime,
              slowestTime / fill);
  return 0;
}
