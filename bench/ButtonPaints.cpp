// WM_PAINT received by one button: idle for a second, and while the real pointer moves over it (one
// move every 10 ms), against the mouse moves it received. Run under a display (bench/run does).
#include <windows.h>
#include <commctrl.h>

#include <cstdio>

#include "controls/button/Zivududi.h"

namespace {

struct Counts {
  int paints = 0;
  int moves = 0;
};

LRESULT CALLBACK Count(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  auto* counts = reinterpret_cast<Counts*>(data);
  if (message == WM_PAINT) ++counts->paints;
  if (message == WM_MOUSEMOVE) ++counts->moves;
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

void Pump(DWORD ms) {
  const ULONGLONG end = GetTickCount64() + ms;
  while (GetTickCount64() < end) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
}

}  // namespace

int wmain() {
  using namespace quilnet::button;
  const HWND parent = CreateWindowExW(WS_EX_TOPMOST, L"Static", L"", WS_POPUP | WS_VISIBLE, 300, 300, 200, 120,
                                      nullptr, nullptr, nullptr, nullptr);
  PropertyBag bag;
  bag.Write(L"ButtonStyle", 4, 1);
  const auto button = Zivududi::CreateFromBag(parent, RECT{20, 20, 113, 75}, 1, bag, Container{});
  if (!button) return 1;
  Counts counts;
  SetWindowSubclass(button->hwnd(), Count, 1, reinterpret_cast<DWORD_PTR>(&counts));
  Pump(300);
  counts = {};
  Pump(1000);
  std::printf("idle button, 1 s: %d WM_PAINT\n", counts.paints);
  counts = {};
  for (int i = 0; i < 100; ++i) {
    SetCursorPos(330 + (i % 60), 340 + (i % 20));
    Pump(10);
  }
  Pump(100);
  std::printf("pointer moving over it: %d WM_PAINT for %d WM_MOUSEMOVE (ratio %.2f)\n", counts.paints, counts.moves,
              counts.moves ? static_cast<double>(counts.paints) / counts.moves : 0.0);
  return 0;
}
