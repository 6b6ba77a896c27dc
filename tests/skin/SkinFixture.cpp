#include "skin/SkinFixture.h"

#include <commctrl.h>

#include <map>

#include "platform/Gdi.h"
#include "platform/Subclass.h"
#include "skin/MSkinner.h"
#include "skin/PushButton.h"
#include "skin/Routing.h"

namespace quilnet::skin::test {
namespace {

// Our names for the families' classes (in the mixed case their programs register them in) over the
// standard controls that stand in for them.
constexpr const wchar_t* kSuperclasses[][2] = {
    {L"ThunderRT6FormDC", nullptr},           {L"ThunderRT6CommandButton", L"Button"},
    {L"ThunderRT6ComboBox", L"ComboBox"},     {L"ThunderRT6DriveListBox", L"ComboBox"},
    {L"ThunderRT6CheckBox", L"Button"},       {L"ThunderRT6OptionButton", L"Button"},
    {L"MSVB_Lib_Header", WC_HEADERW},         {L"ProgressBar20WndClass", PROGRESS_CLASSW},
    {L"DataListWndClass", L"ListBox"},        {L"ApexGridOleDB32", L"ListBox"},
    {L"ThunderRT6TextBox", L"Edit"},          {L"ThunderRT6Frame", nullptr},
};

std::map<ATOM, WNDPROC>& BaseProcedures() {
  static std::map<ATOM, WNDPROC> procs;
  return procs;
}

constexpr const wchar_t* kSkinNames[] = {L"PROCADDR", L"OLDSTYLE", L"OLDSTATE", L"MOUSEFLAG", L"TIMERID", L"ALPHALEVEL",
                                         L"HDINDEX",  L"HMINDEX",  L"HDC0",     L"HDC1",      L"HDC2",    L"HDC3",
                                         L"BMP0",     L"BMP1",     L"BMP2",     L"BMP3"};

bool withLayer = false;

// The skin's properties and the subclassing layer's; not those the system's own classes keep.
BOOL CALLBACK CollectProp(HWND, LPWSTR name, HANDLE, ULONG_PTR list) {
  if (IS_INTRESOURCE(name)) return TRUE;
  bool ours = _wcsnicmp(name, L"Quilnet.", 8) == 0;
  if (ours && !withLayer) return TRUE;
  for (const wchar_t* skin : kSkinNames) ours = ours || _wcsicmp(name, skin) == 0;
  if (ours) reinterpret_cast<Names*>(list)->insert(name);
  return TRUE;
}

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const WNDPROC base = BaseProcedures()[static_cast<ATOM>(GetClassWord(window, GCW_ATOM))];
  if (message == WM_DESTROY) {
    Destroyed seen{window, GetWindowLongPtrW(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&RecordingProc), {}};
    seen.props = SkinPropsOf(window, true);
    const UniqueRegion probe = MakeRoundRegion(1, 1, 0);
    seen.region = GetWindowRgn(window, probe.get()) != ERROR;
    seen.timer = KillTimer(window, kFadeTimerId);
    SkinWindowTest::destroyed.push_back(seen);
  }
  return base ? CallWindowProcW(base, window, message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

void RegisterClasses() {
  static const bool once = [] {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    for (const auto& [name, base] : kSuperclasses) {
      WNDCLASSEXW wc{sizeof wc};
      if (base) GetClassInfoExW(nullptr, base, &wc);
      const WNDPROC baseProc = base ? wc.lpfnWndProc : nullptr;
      wc.cbSize = sizeof wc;
      wc.lpfnWndProc = RecordingProc;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.lpszClassName = name;
      if (!base) wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
      BaseProcedures()[RegisterClassExW(&wc)] = baseProc;
    }
    return true;
  }();
  static_cast<void>(once);
}

}  // namespace

std::vector<Destroyed> SkinWindowTest::destroyed;

Names SkinPropsOf(HWND window, bool layer) {
  withLayer = layer;
  Names names;
  EnumPropsExW(window, CollectProp, reinterpret_cast<LPARAM>(&names));
  return names;
}

Destroyed* SkinWindowTest::DestroyedOf(HWND window) {
  for (Destroyed& seen : destroyed) {
    if (seen.window == window) return &seen;
  }
  return nullptr;
}

void SkinWindowTest::SetUp() {
  RegisterClasses();
  destroyed.clear();
  liveStates_ = LiveSubclassStates();
  form_ = NewForm();
  ASSERT_NE(form_, nullptr);
}

void SkinWindowTest::TearDown() {
  if (IsWindow(form_)) DestroyWindow(form_);
  // Nothing stays attached, nothing of a subclass stays alive.
  EXPECT_EQ(AttachedWindowCount(), 0);
  EXPECT_EQ(CurrentSurfaces(), nullptr);
  EXPECT_EQ(LiveSubclassStates(), liveStates_);
}

HWND SkinWindowTest::NewForm(int x, int y, int width, int height) {
  // Shown without taking the activation: a skinned window that gave it up would skin this one at once.
  const HWND form = CreateWindowExW(0, L"ThunderRT6FormDC", L"Skin", WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN, x, y,
                                    width, height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ShowWindow(form, SW_SHOWNA);
  return form;
}

HWND SkinWindowTest::Child(HWND parent, const wchar_t* className, DWORD style, int x, int y, int width, int height,
                           const wchar_t* text) {
  const HWND child = CreateWindowExW(0, className, text, style | WS_CHILD | WS_VISIBLE, x, y, width, height, parent,
                                     nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return child;
}

COLORREF SkinWindowTest::ScreenAt(HWND window, int x, int y) {
  const HDC dc = GetWindowDC(window);
  const COLORREF colour = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return colour;
}

}  // namespace quilnet::skin::test
