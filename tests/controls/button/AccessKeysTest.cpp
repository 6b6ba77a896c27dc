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
  for (const wchar_t* none : {L"Home & Office", L"A&\tB", L"A&\x01", L"&&a& b"}) EXPECT_EQ(AccessKeyOf(none), L"");
  EXPECT_EQ(AccessKeyOf(L"Room &7"), L"7");
}

// Ids 1 to 6 in the window's order: R&D, Home & Office, &Dorm, &Save, 关于, 自&动; 7 is a text box.
TEST(AccessKeys, KeysClickOrMoveTheFocusAsInADialog) {
  const WNDCLASSW wc{0, RecordClicks, 0, 0, GetModuleHandleW(nullptr), nullptr, nullptr, nullptr, nullptr, L"KeysTest"};
  RegisterClassW(&wc);
  const HWND parent = CreateWindowExW(0, wc.lpszClassName, L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 640, 120,
                                      nullptr, nullptr, wc.hInstance, nullptr);
  SetForegroundWindow(parent);
  const wchar_t* const captions[] = {L"R&D", L"Home & Office", L"&Dorm", L"&Save", L"关于", L"自&动"};
  std::vector<std::unique_ptr<Zivududi>> buttons;
  std::vector<HWND> windows{nullptr};
  for (int id = 1; id <= 6; ++id) {
    PropertyBag bag;
    bag.Write(L"Caption", std::wstring(captions[id - 1]), std::wstring());
    buttons.push_back(Zivududi::CreateFromBag(parent, RECT{id * 85 - 80, 10, id * 85, 50}, id, bag, Container{}));
    windows.push_back(buttons.back()->hwnd());
  }
  windows.push_back(
      CreateWindowExW(0, L"Edit", L"", WS_CHILD | WS_VISIBLE, 10, 60, 100, 24, parent, nullptr, nullptr, nullptr));

  const struct {
    int focus;
    bool alt;
    wchar_t key;
    int click;  // the button clicked, 0 for none
    int focusAfter;
  } rows[] = {
      {5, false, L' ', 0, 5},   // the space of "Home & Office" is no key: 关于 keeps it for itself
      {5, true, L' ', 0, 5},    // nor with Alt (that is the system menu's)
      {5, false, L's', 4, 5},   // a plain letter from a button clicks its owner
      {7, false, L's', 0, 7},   // but is text in a text box
      {7, true, L'S', 4, 7},    // Alt with it always clicks
      {6, false, L'动', 6, 6},  // the focused button's own key clicks it
      {5, true, L'd', 0, 1},    // a shared key moves the focus to the next after the focus, round again
      {1, true, L'd', 0, 3},
      {3, false, L'd', 0, 1},
      {2, true, L'D', 0, 3},    // the next in the window's order, not the first
  };
  for (const auto& row : rows) {
    SetFocus(windows[row.focus]);
    clicked.clear();
    TranslateAccessKey(parent, MSG{windows[row.focus], static_cast<UINT>(row.alt ? WM_SYSCHAR : WM_CHAR), row.key, 0});
    test::Pump(30);
    const std::string what = std::to_string(row.focus) + (row.alt ? " Alt+" : " ") + std::to_string(row.key);
    EXPECT_EQ(clicked, row.click ? std::vector<int>{row.click} : std::vector<int>{}) << what;
    EXPECT_EQ(GetFocus(), windows[row.focusAfter]) << what;
  }
  buttons.clear();
  DestroyWindow(parent);
}

}  // namespace
}  // namespace quilnet::button
