// The hook on real standard windows: what reaches the handler, what the window does, what is put back.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "controls/hook/iSubClass.h"
#include "platform/Handles.h"
#include "platform/Window.h"
#include "support/Pump.h"

namespace quilnet {
namespace {

using Seen = std::tuple<HWND, UINT, WPARAM, LPARAM>;

WNDPROC ProcOf(HWND hwnd) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC)); }

// Passes every message on, noting it in `seen` when given.
void Forward(iSubClass& hook, std::vector<Seen>* seen = nullptr) {
  hook.GetWindowMessage = [&hook, seen](LRESULT& result, HWND h, UINT m, WPARAM w, LPARAM l) {
    if (seen) seen->emplace_back(h, m, w, l);
    result = hook.CallDefaultWindowProc(h, m, w, l);
  };
}

// Someone else's subclass between two of ours: it chains to whatever it replaced.
WNDPROC foreignPrevious = nullptr;
LRESULT CALLBACK ForeignProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  const LRESULT result = CallWindowProcW(foreignPrevious, h, m, w, l);
  return m == WM_APP ? 10 * result : result;
}

class HookTest : public ::testing::Test {
 protected:
  HWND New(const wchar_t* className, const wchar_t* text) {
    return CreateControl(parent.get(), className, text, 0, 0, RECT{0, 0, 120, 24}, ++lastId);
  }
  UniqueWindow parent{CreateWindowExW(0, L"Static", L"", WS_OVERLAPPED, 0, 0, 200, 100, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), nullptr)};
  int lastId = 0;
};

TEST_F(HookTest, WithoutForwardingEveryMessageAnswersZeroAndChangesNothing) {
  const HWND edit = New(L"Edit", L"abc");
  iSubClass hook;
  hook.SetMsgHook(edit);  // no handler at all
  wchar_t buffer[8] = L"zzzzzzz";
  EXPECT_EQ(SendMessageW(edit, WM_GETTEXT, 8, reinterpret_cast<LPARAM>(buffer)), 0);
  EXPECT_STREQ(buffer, L"zzzzzzz");
  EXPECT_EQ(SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"xyz")), 0);
  EXPECT_EQ(SendMessageW(edit, WM_GETDLGCODE, 0, 0), 0);
  hook.SetMsgUnHook();
  EXPECT_EQ(WindowText(edit), L"abc");
}

TEST_F(HookTest, ForwardingHandlerBehavesLikeTheWindowItself) {
  const HWND plain = New(L"Edit", L""), hooked = New(L"Edit", L"");
  iSubClass hook;
  Forward(hook);
  hook.SetMsgHook(hooked);
  const auto script = [](HWND edit) {
    DWORD from = 0, to = 0;
    std::vector<LRESULT> results = {
        SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"192.168.1.1")),
        SendMessageW(edit, EM_SETSEL, 2, 5),
        SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to)),
        SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L"X")),
        SendMessageW(edit, WM_GETDLGCODE, 0, 0), LRESULT(from), LRESULT(to)};
    return std::pair(results, WindowText(edit));
  };
  const auto expected = script(plain);
  EXPECT_EQ(expected.second, L"19X68.1.1");
  EXPECT_EQ(script(hooked), expected);
}

TEST_F(HookTest, UnhookPutsBackExactlyWhatHookReturnedAsOftenAsAsked) {
  const HWND edit = New(L"Edit", L"abc");
  const WNDPROC original = ProcOf(edit);
  iSubClass hook;
  for (int round = 0; round < 12; ++round) {  // more rounds than one window has room for hooks
    ASSERT_EQ(hook.SetMsgHook(edit), original);
    ASSERT_NE(ProcOf(edit), original) << "round " << round;
    hook.SetMsgUnHook();
    ASSERT_EQ(ProcOf(edit), original);
  }
  // The window going first ends the hook: unhooking later touches nothing.
  std::vector<Seen> seen;
  Forward(hook, &seen);
  hook.SetMsgHook(edit);
  DestroyWindow(edit);
  EXPECT_EQ(std::get<UINT>(seen.back()), UINT(WM_NCDESTROY));
  hook.SetMsgUnHook();
}

TEST_F(HookTest, HookingAgainForgetsTheFirstWindowWhichKeepsWorkingOnItsOwn) {
  const HWND first = New(L"Edit", L"one"), second = New(L"Static", L"two");
  const WNDPROC firstOriginal = ProcOf(first), secondOriginal = ProcOf(second);
  iSubClass hook;
  std::vector<Seen> seen;
  Forward(hook, &seen);
  hook.SetMsgHook(first);
  EXPECT_EQ(hook.SetMsgHook(second), secondOriginal);
  SetWindowTextW(first, L"uno");
  EXPECT_EQ(WindowText(first), L"uno");
  EXPECT_TRUE(seen.empty());
  hook.SetMsgUnHook();
  EXPECT_EQ(ProcOf(second), secondOriginal);
  EXPECT_NE(ProcOf(first), firstOriginal);

  hook.SetMsgHook(first);  // the same window twice: one delivery per message, and it still answers
  hook.SetMsgHook(first);
  EXPECT_EQ(WindowText(first), L"uno");
  EXPECT_EQ(seen.size(), 2u);  // WM_GETTEXTLENGTH, WM_GETTEXT
}

TEST_F(HookTest, MessagesArriveInOrderWithTheirValuesAndResultsComeBackWhole) {
  const HWND edit = New(L"Edit", L"");
  std::vector<Seen> seen;
  iSubClass hook;
  hook.GetWindowMessage = [&](LRESULT& result, HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m >= WM_APP) seen.emplace_back(h, m, w, l);
    result = static_cast<LRESULT>(w) ^ l;
  };
  hook.SetMsgHook(edit);
  const WPARAM wide = static_cast<WPARAM>(0xFEDCBA9876543210ull);
  EXPECT_EQ(SendMessageW(edit, WM_APP + 1, wide, -2), static_cast<LRESULT>(wide) ^ -2);
  PostMessageW(edit, WM_APP + 2, 7, 8);
  SendMessageW(edit, WM_APP + 3, 0, 0x123456789ABC);
  test::PumpUntil([&] { return seen.size() == 3; }, 1000);
  EXPECT_EQ(seen, (std::vector<Seen>{Seen(edit, WM_APP + 1, wide, -2), Seen(edit, WM_APP + 3, 0, 0x123456789ABC),
                                     Seen(edit, WM_APP + 2, 7, 8)}));
}

TEST_F(HookTest, ObjectGoneWhileHookedLeavesTheWindowOnItsOldProcedure) {
  const HWND edit = New(L"Edit", L"abc");
  const WNDPROC original = ProcOf(edit);
  auto hook = std::make_unique<iSubClass>();
  hook->GetWindowMessage = [](LRESULT&, HWND, UINT, WPARAM, LPARAM) {};
  hook->SetMsgHook(edit);
  hook.reset();
  EXPECT_NE(ProcOf(edit), original);  // going away does not unhook
  SetWindowTextW(edit, L"xyz");
  EXPECT_EQ(WindowText(edit), L"xyz");
  EXPECT_TRUE(DestroyWindow(edit));
}

TEST_F(HookTest, UnhookingAnInnerHookLeavesTheOuterOneHookedAndTheWindowWhole) {
  const HWND edit = New(L"Edit", L"abc");
  const WNDPROC original = ProcOf(edit);
  iSubClass inner, outer;
  std::vector<Seen> innerSeen, outerSeen;
  Forward(inner, &innerSeen);
  Forward(outer, &outerSeen);
  inner.SetMsgHook(edit);
  outer.SetMsgHook(edit);
  inner.SetMsgUnHook();
  SetWindowTextW(edit, L"xyz");
  EXPECT_EQ(WindowText(edit), L"xyz");
  EXPECT_TRUE(innerSeen.empty());
  EXPECT_EQ(outerSeen.size(), 3u);  // WM_SETTEXT, WM_GETTEXTLENGTH, WM_GETTEXT
  outer.SetMsgUnHook();
  EXPECT_EQ(WindowText(edit), L"xyz");
  EXPECT_EQ(ProcOf(edit), original);
}

TEST_F(HookTest, AHookThatCannotBeMadeSaysSoAndHearsNothing) {
  const HWND edit = New(L"Edit", L"abc");
  std::vector<std::unique_ptr<iSubClass>> made;
  std::vector<Seen> seen, lastSeen;
  auto last = std::make_unique<iSubClass>();
  for (; made.size() < 64; made.push_back(std::move(last)), last = std::make_unique<iSubClass>()) {
    Forward(*last, &lastSeen);
    if (!last->SetMsgHook(edit)) break;
    lastSeen.clear();
  }
  EXPECT_GE(made.size(), 8u);
  EXPECT_LT(made.size(), 64u);
  for (auto& hook : made) Forward(*hook, &seen);
  EXPECT_EQ(WindowText(edit), L"abc");
  EXPECT_EQ(seen.size(), 2 * made.size());  // WM_GETTEXTLENGTH, WM_GETTEXT through each
  EXPECT_TRUE(lastSeen.empty());
  EXPECT_EQ(last->CallDefaultWindowProc(edit, WM_GETTEXTLENGTH, 0, 0), 0);
}

TEST_F(HookTest, HooksStackOnOneWindowAroundAForeignSubclass) {
  const HWND edit = New(L"Edit", L"abc");
  const WNDPROC original = ProcOf(edit);
  iSubClass inner, outer;
  inner.GetWindowMessage = [](LRESULT& result, HWND, UINT m, WPARAM, LPARAM) { result = m == WM_APP ? 7 : 0; };
  outer.GetWindowMessage = [&](LRESULT& result, HWND h, UINT m, WPARAM w, LPARAM l) {
    result = outer.CallDefaultWindowProc(h, m, w, l) + (m == WM_APP ? 1 : 0);
  };
  inner.SetMsgHook(edit);
  foreignPrevious = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForeignProc)));
  outer.SetMsgHook(edit);
  EXPECT_EQ(SendMessageW(edit, WM_APP, 0, 0), 71);  // inner, then foreign, then outer
  outer.SetMsgUnHook();
  EXPECT_EQ(ProcOf(edit), &ForeignProc);
  SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(foreignPrevious));
  inner.SetMsgUnHook();
  EXPECT_EQ(ProcOf(edit), original);
}

}  // namespace
}  // namespace quilnet
