// Access keys as the window's message loop takes them, on real buttons: which button a key clicks or
// focuses, and which keys are none.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <vector>

#include "controls/button/Zivududi.h"
#include "support/Pump.h"

namespace quilnet::button {
namespace {

std::vector<int> clicked;

LRESULT CALLBACK RecordClicks(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) clicked.push_back(LOWORD(wParam));
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST(AccessKeys, OnlyLettersAndDigitsAreKeys) {
  const struct {
    const wchar_t* caption;
    const wchar_t* key;
  } rows[] = {{L"Home & Office", L""}, {L"A&\tB", L""}, {L"A&\x01", L""}, {L"&&a& b", L""},
              {L"R&D", L"d"},          {L"Room &7", L"7"}, {L"自&动", L"动"}};
  for (const auto& row : rows) EXPECT_EQ(AccessKeyOf(row.caption), row.key) << testing::PrintToString(std::wstring(row.caption));
}

// In the order of the window: R&D, Home & Office, &Dorm, &Save, 关于, 自&动, then a text box.
TEST(AccessKeys, KeysClickOrMoveTheFocusAsInADialog) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = RecordClicks;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"QuilnetAccessKeyTest";
  RegisterClassW(&wc);
  const HWND parent = CreateWindowExW(WS_EX_CONTROLPARENT, wc.lpszClassName, L"keys", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                      100, 100, 640, 120, nullptr, nullptr, wc.hInstance, nullptr);
  ASSERT_NE(parent, nullptr);
  SetForegroundWindow(parent);
  const wchar_t* const captions[] = {L"R&D", L"Home & Office", L"&Dorm", L"&Save", L"关于", L"自&动"};
  std::vector<std::unique_ptr<Zivududi>> buttons;
  std::vector<HWND> windows{nullptr};  // by id; 7 is the text box
  for (int id = 1; id <= 6; ++id) {
    PropertyBag bag;
    bag.Write(L"Caption", std::wstring(captions[id - 1]), std::wstring());
    buttons.push_back(Zivududi::CreateFromBag(parent, RECT{id * 85 - 80, 10, id * 85, 50}, id, bag, Container{}));
    ASSERT_NE(buttons.back(), nullptr);
    windows.push_back(buttons.back()->hwnd());
  }
  windows.push_back(CreateWindowExW(0, L"Edit", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 60, 100, 24, parent,
                                    reinterpret_cast<HMENU>(7), nullptr, nullptr));

  const struct {
    int focus;
    bool alt;
    wchar_t key;
    int click;      // the button clicked, 0 for none
    int focusAfter;  // where the focus is afterwards
  } rows[] = {
      {5, false, L' ', 0, 5},   // the space of "Home & Office" is no key: 关于 keeps it for itself
      {5, true, L' ', 0, 5},    // nor with Alt (that is the system menu's)
      {5, false, L'\t', 0, 5},
      {5, false, L's', 4, 5},   // a plain letter from a button clicks its owner
      {7, false, L's', 0, 7},   // but is text in a text box
      {7, true, L'S', 4, 7},    // Alt with it always clicks
      {6, false, L'动', 6, 6},  // the focused button's own key clicks it
      {5, true, L'd', 0, 1},    // a shared key moves the focus, first past the focus, wrapping round
      {1, true, L'd', 0, 3},
      {3, false, L'd', 0, 1},
      {2, true, L'D', 0, 3},    // the next after the focus in the window's order, not the first
      {5, true, L'x', 0, 5},    // nobody's key
  };
  for (const auto& row : rows) {
    SetFocus(windows[row.focus]);
    clicked.clear();
    const MSG msg{windows[row.focus], static_cast<UINT>(row.alt ? WM_SYSCHAR : WM_CHAR), row.key, row.alt ? 1 << 29 : 0};
    TranslateAccessKey(parent, msg);
    test::Pump(30);
    const std::vector<int> expected = row.click ? std::vector<int>{row.click} : std::vector<int>{};
    const std::string what = "focus " + std::to_string(row.focus) + (row.alt ? " Alt+" : " ") + std::to_string(row.key);
    EXPECT_EQ(clicked, expected) << what;
    EXPECT_EQ(GetFocus(), windows[row.focusAfter]) << what;
  }
  buttons.clear();
  DestroyWindow(parent);
}

}  // namespace
}  // namespace quilnet::button
