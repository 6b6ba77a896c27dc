// Both kinds of hook on real windows, stacked as the skin, the buttons and the message hook stack them
// on the form, and taken off in every order: the chain stays whole and every state is freed.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "controls/hook/iSubClass.h"
#include "platform/Handles.h"
#include "platform/Subclass.h"
#include "platform/Window.h"

#include <commctrl.h>

namespace quilnet {
namespace {

constexpr int kButtons = 3;
enum Item { kSkin, kButton1, kButton2, kButton3, kHook, kItems };

WNDPROC ProcOf(HWND hwnd) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC)); }

// A form with three buttons. Each button hooks its own window and its parent through the common chain;
// the skin then subclasses the form and every button by procedure; a message hook goes on top.
class SubclassTest : public ::testing::TestWithParam<int> {
 protected:
  SubclassTest() { Build(); }

  // A new form in the same top-level window (top-level windows are slow to make under Wine).
  void Build() {
    on.fill(true);
    form.reset(CreateControl(host.get(), L"Static", L"form", WS_VISIBLE, 0, RECT{0, 0, 300, 60}, 1));
    for (int k = 0; k < kButtons; ++k) {
      buttons[k] = CreateControl(form.get(), L"Button", L"b", WS_VISIBLE, 0, RECT{10 + 90 * k, 10, 90 + 90 * k, 40}, k + 1);
    }
  }

  SubclassHandler Tag(wchar_t tag) {
    return [this, tag](const WindowMessage& m, const NextProcedure& next) {
      if (m.message == WM_APP) trail += tag;
      return next();
    };
  }
  std::wstring Trail(HWND hwnd) {
    trail.clear();
    SendMessageW(hwnd, WM_APP, 0, 0);
    return trail;
  }
  // Answers a text round trip and paints when asked, every window of the form.
  bool Answers() {
    RedrawWindow(form.get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    std::array<HWND, kButtons + 1> all{form.get(), buttons[0], buttons[1], buttons[2]};
    return std::all_of(all.begin(), all.end(), [](HWND h) {
      SetWindowTextW(h, L"round trip");
      return WindowText(h) == L"round trip" && !GetUpdateRect(h, nullptr, FALSE);
    });
  }

  void Install() {
    for (int k = 0; k < kButtons; ++k) {
      ASSERT_TRUE(AddSubclassHook(buttons[k], k + 1, Tag(L'a' + k)));
      ASSERT_TRUE(AddSubclassHook(form.get(), k + 1, Tag(L'1' + k)));
    }
    for (const HWND button : buttons) ASSERT_TRUE(AddProcSubclass(button, L"PROCADDR", Tag(L's')));
    ASSERT_TRUE(AddProcSubclass(form.get(), L"PROCADDR", Tag(L'S')));
    hook.GetWindowMessage = [this](LRESULT& result, HWND h, UINT m, WPARAM w, LPARAM l) {
      if (m == WM_APP) trail += L'H';
      result = hook.CallDefaultWindowProc(h, m, w, l);
    };
    ASSERT_TRUE(hook.SetMsgHook(form.get()));
  }
  void Remove(int item) {
    if (item == kSkin) {
      for (const HWND button : buttons) EXPECT_TRUE(RemoveProcSubclass(button, L"PROCADDR"));
      EXPECT_TRUE(RemoveProcSubclass(form.get(), L"PROCADDR"));
    } else if (item == kHook) {
      hook.SetMsgUnHook();
    } else {
      EXPECT_TRUE(RemoveSubclassHook(form.get(), item));
      EXPECT_TRUE(RemoveSubclassHook(buttons[item - 1], item));
    }
    on[item] = false;
  }
  // Who hears a message, top first.
  std::wstring Expected(HWND hwnd) const {
    std::wstring expected;
    if (hwnd == form.get()) {
      if (on[kHook]) expected += L'H';
      if (on[kSkin]) expected += L'S';
      for (int k = kButtons; k >= 1; --k) expected += on[k] ? std::wstring(1, L'0' + k) : L"";
    } else {
      const int k = static_cast<int>(std::find(buttons.begin(), buttons.end(), hwnd) - buttons.begin());
      if (on[kSkin]) expected += L's';
      if (on[k + 1]) expected += static_cast<wchar_t>(L'a' + k);
    }
    return expected;
  }

  UniqueWindow host{CreateWindowExW(0, L"Static", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 320, 100, nullptr,
                                    nullptr, GetModuleHandleW(nullptr), nullptr)};
  UniqueWindow form;
  std::array<HWND, kButtons> buttons{};
  iSubClass hook;
  std::array<bool, kItems> on{true, true, true, true, true};
  std::wstring trail;
};

// The parameter is how many come off before the window goes; every order of taking them off is tried.
using TeardownOrders = SubclassTest;

TEST_P(TeardownOrders, LeaveEveryWindowAnsweringAndFreeEveryState) {
  const int removed = GetParam();
  std::array<int, kItems> order{kSkin, kButton1, kButton2, kButton3, kHook};
  do {
    if (!std::is_sorted(order.begin() + removed, order.end())) continue;  // that prefix was tried
    std::wstring name;
    for (int i = 0; i < removed; ++i) name += L"SBBBH"[order[i]] + std::to_wstring(order[i]) + L" ";
    SCOPED_TRACE(testing::Message() << "removed in this order: " << testing::PrintToString(name));
    Build();
    ASSERT_NO_FATAL_FAILURE(Install());
    for (int i = 0; i < removed; ++i) {
      Remove(order[i]);
      ASSERT_TRUE(Answers()) << "after " << i + 1;
      for (const HWND h : {form.get(), buttons[0], buttons[1], buttons[2]}) {
        ASSERT_EQ(Trail(h), Expected(h)) << "after " << i + 1;
      }
    }
    form.reset();
    ASSERT_EQ(LiveSubclassStates(), 0u);
  } while (std::next_permutation(order.begin(), order.end()));
}

INSTANTIATE_TEST_SUITE_P(Removed, TeardownOrders, ::testing::Range(0, kItems + 1));

TEST_F(SubclassTest, AHandlerThatThrowsStillPassesTheMessageOnOnce) {
  int calls = 0;
  const auto countText = [&](const WindowMessage& m, const NextProcedure& next) -> LRESULT {
    if (m.message == WM_SETTEXT) ++calls;
    return next();
  };
  ASSERT_TRUE(AddSubclassHook(buttons[0], 1, countText));
  ASSERT_TRUE(AddProcSubclass(buttons[0], L"BEFORE", [](const WindowMessage& m, const NextProcedure& next) -> LRESULT {
    if (m.message == WM_SETTEXT) throw std::runtime_error("before");
    return next();
  }));
  ASSERT_TRUE(AddSubclassHook(buttons[0], 2, [](const WindowMessage& m, const NextProcedure& next) -> LRESULT {
    const LRESULT result = next();
    if (m.message == WM_SETTEXT) throw std::runtime_error("after");
    return result;
  }));
  EXPECT_TRUE(SetWindowTextW(buttons[0], L"still set"));
  EXPECT_EQ(WindowText(buttons[0]), L"still set");
  EXPECT_EQ(calls, 1);
}

TEST_F(SubclassTest, TheWindowGoingReachesEveryHookPastAHandlerThatPassesNothingOn) {
  const auto silent = [](const WindowMessage&, const NextProcedure&) -> LRESULT { return 0; };
  ASSERT_TRUE(AddSubclassHook(buttons[0], 1, Tag(L'1')));
  ASSERT_TRUE(AddProcSubclass(buttons[0], L"BELOW", Tag(L'b')));
  ASSERT_TRUE(AddProcSubclass(buttons[0], L"SILENT", silent));
  form.reset();
  EXPECT_EQ(LiveSubclassStates(), 0u);
}

TEST_F(SubclassTest, AHandlerMayTakeItselfOffWhileItRuns) {
  const WNDPROC original = ProcOf(buttons[0]);
  for (const bool procedureKind : {true, false}) {
    const auto selfRemoving = [&](const WindowMessage& m, const NextProcedure& next) -> LRESULT {
      if (m.message == WM_APP) {
        EXPECT_TRUE(procedureKind ? RemoveProcSubclass(m.hwnd, L"SELF") : RemoveSubclassHook(m.hwnd, 7));
      }
      return next() + 1;
    };
    ASSERT_TRUE(procedureKind ? AddProcSubclass(buttons[0], L"SELF", selfRemoving) != nullptr
                              : AddSubclassHook(buttons[0], 7, selfRemoving));
    EXPECT_EQ(SendMessageW(buttons[0], WM_APP, 0, 0), 1);
    EXPECT_EQ(SendMessageW(buttons[0], WM_APP, 0, 0), 0);
    EXPECT_EQ(LiveSubclassStates(), 0u);
    EXPECT_EQ(ProcOf(buttons[0]), original);
  }
}

TEST_F(SubclassTest, ASubclassThatCannotBeMadeSaysSoAndChangesNothing) {
  const WNDPROC original = ProcOf(buttons[0]);
  EXPECT_EQ(AddProcSubclass(buttons[0], L"PROCADDR", Tag(L'x')), original);
  EXPECT_EQ(GetPropW(buttons[0], L"procaddr"), reinterpret_cast<HANDLE>(original));  // what the skin reads
  EXPECT_EQ(AddProcSubclass(buttons[0], L"ProcAddr", Tag(L'y')), nullptr);
  EXPECT_FALSE(AddSubclassHook(buttons[1], 1, Tag(L'1')) && AddSubclassHook(buttons[1], 1, Tag(L'2')));
  for (std::size_t n = 1; n < kMaxProcSubclasses; ++n) {
    ASSERT_TRUE(AddProcSubclass(buttons[0], (L"N" + std::to_wstring(n)).c_str(), Tag(L'n')));
  }
  const WNDPROC full = ProcOf(buttons[0]);
  EXPECT_EQ(AddProcSubclass(buttons[0], L"ONE MORE", Tag(L'z')), nullptr);
  EXPECT_EQ(ProcOf(buttons[0]), full);
  EXPECT_EQ(GetPropW(buttons[0], L"ONE MORE"), nullptr);
  EXPECT_EQ(Trail(buttons[0]), std::wstring(kMaxProcSubclasses - 1, L'n') + L"x");
  EXPECT_EQ(Trail(buttons[1]), L"1");
}

// Someone else's subclass, put on above ours by SetWindowLongPtr, that puts its predecessor back later.
WNDPROC foreignPrevious = nullptr;
LRESULT CALLBACK ForeignProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  return CallWindowProcW(foreignPrevious, h, m, w, l) + (m == WM_APP ? 100 : 0);
}

TEST_F(SubclassTest, RemovedBelowAForeignSubclassItPassesOnThenLeavesWhenOnTopAgain) {
  const WNDPROC original = ProcOf(buttons[0]);
  ASSERT_TRUE(AddProcSubclass(buttons[0], L"PROCADDR", Tag(L'S')));
  foreignPrevious = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(buttons[0], GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForeignProc)));
  EXPECT_TRUE(RemoveProcSubclass(buttons[0], L"PROCADDR"));
  EXPECT_EQ(GetPropW(buttons[0], L"PROCADDR"), nullptr);
  EXPECT_EQ(ProcOf(buttons[0]), &ForeignProc);
  EXPECT_EQ(SendMessageW(buttons[0], WM_APP, 0, 0), 100);
  EXPECT_EQ(trail, L"");
  SetWindowLongPtrW(buttons[0], GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(foreignPrevious));
  EXPECT_EQ(LiveSubclassStates(), 1u);
  EXPECT_TRUE(Answers());
  EXPECT_EQ(ProcOf(buttons[0]), original);
  EXPECT_EQ(LiveSubclassStates(), 0u);
}

// Someone else strips the window of its properties: ours are found without them all the same.
TEST_F(SubclassTest, StateIsFoundAfterSomeoneElseRemovedTheWindowsProperties) {
  const WNDPROC original = ProcOf(buttons[0]);
  ASSERT_TRUE(AddSubclassHook(buttons[0], 1, Tag(L'a')));
  ASSERT_TRUE(AddProcSubclass(buttons[0], L"PROCADDR", Tag(L'S')));
  std::vector<std::wstring> names;
  EnumPropsExW(buttons[0], [](HWND, LPWSTR name, HANDLE, ULONG_PTR list) -> BOOL {
    if (!IS_INTRESOURCE(name)) reinterpret_cast<std::vector<std::wstring>*>(list)->push_back(name);
    return TRUE;
  }, reinterpret_cast<LPARAM>(&names));
  for (const std::wstring& name : names) RemovePropW(buttons[0], name.c_str());
  EXPECT_EQ(Trail(buttons[0]), L"Sa");
  EXPECT_TRUE(RemoveProcSubclass(buttons[0], L"PROCADDR"));
  EXPECT_TRUE(RemoveSubclassHook(buttons[0], 1));
  EXPECT_EQ(ProcOf(buttons[0]), original);
  EXPECT_EQ(LiveSubclassStates(), 0u);
}

LRESULT CALLBACK ForeignHook(HWND h, UINT m, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR) {
  return DefSubclassProc(h, m, w, l) + (m == WM_APP ? 100 : 0);
}

// The controls library puts back the procedure it replaced when its last hook goes, on top or not: our
// hooks, removed below its chain, must still be there to pass messages on.
TEST_F(SubclassTest, HooksRemovedBelowAForeignSubclassHookPassOnUntilItGoes) {
  const WNDPROC original = ProcOf(buttons[0]);
  ASSERT_TRUE(AddSubclassHook(buttons[0], 1, Tag(L'a')));
  ASSERT_TRUE(SetWindowSubclass(buttons[0], ForeignHook, 1, 0));
  EXPECT_TRUE(RemoveSubclassHook(buttons[0], 1));
  EXPECT_EQ(SendMessageW(buttons[0], WM_APP, 0, 0), 100);
  EXPECT_TRUE(Answers());
  ASSERT_TRUE(RemoveWindowSubclass(buttons[0], ForeignHook, 1));
  EXPECT_TRUE(Answers());
  EXPECT_EQ(ProcOf(buttons[0]), original);
  EXPECT_EQ(trail, L"");
  EXPECT_EQ(LiveSubclassStates(), 0u);
}

}  // namespace
}  // namespace quilnet
