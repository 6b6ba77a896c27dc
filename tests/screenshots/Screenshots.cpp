// Pictures of the real window in its two sizes, for reading the layout by eye.
//   quilnet_screenshots OUTDIR     (a Windows path, or a Unix path that Wine shows as drive Z:)
// Writes OUTDIR\window-compact.png, window-expanded.png, window-status.png (compact, with a sample
// status text, which the start-up sequence leaves empty), window-focus-hot.png (one button focused,
// another under the pointer), the About box's OK button in three states, the skin's bitmaps and the
// skinned controls' gallery (SkinPictures.h).
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <memory>
#include <string>

#include "SkinPictures.h"
#include "app/Form1.h"
#include "profiles/ProfileFile.h"
#include "platform/CodePage.h"
#include "support/Capture.h"
#include "support/FormFixture.h"
#include "support/Pump.h"

namespace quilnet {
namespace {

using List = std::vector<std::wstring>;

// Lets every queued paint, the frame's too, reach the screen before it is read back.
void Settle(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  test::Pump(300);
  GdiFlush();
}

bool Shoot(HWND window, const std::wstring& folder, const wchar_t* name) {
  Settle(window);
  const std::wstring path = folder + L"\\" + name;
  const std::optional<test::Pixels> pixels = test::CaptureWindow(window);
  if (!pixels || !test::SavePng(*pixels, path)) {
    std::fprintf(stderr, "cannot write %s\n", ToCodePage(path, CP_UTF8).c_str());
    return false;
  }
  std::printf("%s %dx%d\n", ToCodePage(name, CP_UTF8).c_str(), pixels->width, pixels->height);
  return true;
}

// The About box, shot from inside its own modal loop with its OK button normal, hot (the pointer on it,
// the fade finished) and pressed; then closed.
struct AboutShots {
  HWND owner = nullptr;
  std::wstring folder;
  bool done = false, ok = false;
} about;

void CALLBACK ShootAbout(HWND, UINT, UINT_PTR timer, DWORD) {
  const HWND box = GetLastActivePopup(about.owner);
  if (about.done || box == about.owner) return;
  about.done = true;
  KillTimer(nullptr, timer);
  const HWND button = GetDlgItem(box, IDOK);
  RECT r{};
  GetWindowRect(button, &r);
  const auto fadeOver = [&] { return GetPropW(button, L"TIMERID") == nullptr; };
  about.ok = Shoot(box, about.folder, L"about-ok-normal.png");
  SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  test::PumpUntil([&] { return GetPropW(button, L"MOUSEFLAG") != nullptr && fadeOver(); }, 3000);
  about.ok = about.ok && Shoot(box, about.folder, L"about-ok-hot.png");
  SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  about.ok = about.ok && Shoot(box, about.folder, L"about-ok-pressed.png");
  ReleaseCapture();
  SetCursorPos(0, 0);
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}

int Run(const std::wstring& outFolder) {
  test::FormHarness window;
  window.wmi.adapters = {
      {L"Intel(R) Ethernet Connection I219-LM", List{L"192.168.1.23", L"fe80::1c2d:3e4f:5a6b:7c8d"},
       L"3C:52:82:1A:2B:3C"},
      {L"Realtek USB GbE Family Controller", List{L"10.20.30.40"}, L"00:E0:4C:68:00:01"},
  };
  // Four profiles as a user keeps them: office, lab, home and a spare.
  const ProfileValues profiles{{
      {L"办公室", L"192.168.1.23", L"255.255.255.0", L"192.168.1.1", L"223.5.5.5", L"114.114.114.114"},
      {L"实验室", L"10.20.30.40", L"255.255.0.0", L"10.20.0.1", L"10.20.0.2", L"8.8.8.8"},
      {L"家里", L"192.168.0.100", L"255.255.255.0", L"192.168.0.1", L"192.168.0.1", L"119.29.29.29"},
      {L"备用", L"172.16.8.8", L"255.255.252.0", L"172.16.8.1", L"172.16.0.53", L"172.16.0.54"},
  }};
  SaveProfiles(window.folder.File(kProfileFile), profiles);
  if (!window.Open()) {
    std::fprintf(stderr, "no window\n");
    return 1;
  }
  // The window opens centred, under the screen's resting pointer, so a button would show as hovered.
  // The pointer only moves once the window has been shown for a moment.
  test::Pump(300);
  SetCursorPos(0, 0);
  if (!Shoot(window.hwnd(), outFolder, L"window-compact.png")) return 1;

  // The size toggle's other size, with the clock showing once it has ticked.
  SendMessageW(window.form->Control(L"Command4"), BM_CLICK, 0, 0);
  SetCursorPos(0, 0);
  test::PumpUntil([&] { return !window.form->Text(L"Label30").empty(); }, 3000);
  if (!Shoot(window.hwnd(), outFolder, L"window-expanded.png")) return 1;

  SendMessageW(window.form->Control(L"Command4"), BM_CLICK, 0, 0);
  SetCursorPos(0, 0);
  window.form->SetText(L"Label1", L"提示：IP地址格式错误！");
  if (!Shoot(window.hwnd(), outFolder, L"window-status.png")) return 1;

  // One button with the focus, another under the pointer.
  SetFocus(window.form->Control(L"Command10"));
  RECT hot{};
  GetWindowRect(window.form->Control(L"Command11"), &hot);
  SetCursorPos((hot.left + hot.right) / 2, (hot.top + hot.bottom) / 2);
  test::Pump(400);
  if (!Shoot(window.hwnd(), outFolder, L"window-focus-hot.png")) return 1;
  SetCursorPos(0, 0);

  about = {window.hwnd(), outFolder};
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, ShootAbout);
  window.Click(L"Command5");  // returns once the box is closed
  KillTimer(nullptr, timer);
  if (!about.ok) return 1;
  return ShootSkinBitmaps(outFolder) && ShootControlGallery(outFolder) ? 0 : 1;
}

}  // namespace
}  // namespace quilnet

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: quilnet_screenshots OUTDIR\n");
    return 2;
  }
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  const std::wstring out = quilnet::test::WindowsPath(argv[1]);
  CreateDirectoryW(out.c_str(), nullptr);
  return quilnet::Run(out);
}
