// The window base under a small control built on it: its teardown runs while it is whole, and a handler
// that throws fails quietly, leaving a trace, as a skipped step does.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Handles.h"
#include "platform/SkipOnFailure.h"
#include "platform/Subclass.h"
#include "platform/Window.h"
#include "support/DebugTrace.h"

namespace quilnet {
namespace {

// A control that hooks its parent while it exists, as the buttons do.
class ProbeControl final : public Window {
 public:
  ~ProbeControl() override { Destroy(); }
  bool Create(HWND parent, std::vector<UINT>* torn) {
    torn_ = torn;
    return Register(L"QuilnetProbeControl") &&
           CreateChildWindow(L"QuilnetProbeControl", parent, RECT{0, 0, 50, 20}, 1, WS_VISIBLE, 0) &&
           AddSubclassHook(parent, reinterpret_cast<UINT_PTR>(this),
                           [](const WindowMessage&, const NextProcedure& next) { return next(); });
  }

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_DESTROY) RemoveSubclassHook(GetParent(hwnd()), reinterpret_cast<UINT_PTR>(this));
    if (message == WM_DESTROY || message == WM_NCDESTROY) torn_->push_back(message);
    if (message == WM_APP || message == WM_SETTEXT || message == WM_PAINT) throw std::runtime_error("handler");
    return Window::HandleMessage(message, wParam, lParam);
  }
  std::vector<UINT>* torn_ = nullptr;
};

class WindowBaseTest : public ::testing::Test {
 protected:
  UniqueWindow parent{CreateWindowExW(0, L"Static", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                      nullptr, GetModuleHandleW(nullptr), nullptr)};
  test::DebugTrace trace;
};

TEST_F(WindowBaseTest, AControlGoingAwayTearsDownWhileItIsWhole) {
  std::vector<UINT> torn;
  auto control = std::make_unique<ProbeControl>();
  ASSERT_TRUE(control->Create(parent.get(), &torn));
  const HWND hwnd = control->hwnd();
  control.reset();
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_EQ(torn, (std::vector<UINT>{WM_DESTROY, WM_NCDESTROY}));
  EXPECT_EQ(LiveSubclassStates(), 0u);  // its hook on the parent went with it
}

TEST_F(WindowBaseTest, AWindowOfOurClassMadeByAnyoneElseFailsToCreate) {
  std::vector<UINT> torn;
  ProbeControl control;
  ASSERT_TRUE(control.Create(parent.get(), &torn));
  // As a dialog template or a host would make one: no object in the create parameters.
  EXPECT_EQ(CreateWindowExW(0, L"QuilnetProbeControl", L"", WS_CHILD, 0, 0, 9, 9, parent.get(), nullptr,
                            GetModuleHandleW(nullptr), nullptr),
            nullptr);
  EXPECT_EQ(trace.Faults(), 0);
}

TEST_F(WindowBaseTest, AHandlerThatThrowsFailsQuietlyWithTheDefaultAnswer) {
  std::vector<UINT> torn;
  ProbeControl control;
  ASSERT_TRUE(control.Create(parent.get(), &torn));
  EXPECT_EQ(SendMessageW(control.hwnd(), WM_APP, 1, 2), 0);
  EXPECT_TRUE(SetWindowTextW(control.hwnd(), L"set by default"));
  EXPECT_EQ(WindowText(control.hwnd()), L"set by default");
  InvalidateRect(control.hwnd(), nullptr, FALSE);
  UpdateWindow(control.hwnd());
  EXPECT_FALSE(GetUpdateRect(control.hwnd(), nullptr, FALSE));  // no endless WM_PAINT
  EXPECT_TRUE(trace.Has(L"message 0x8000 failed"));
}

TEST_F(WindowBaseTest, ASkippedStepLeavesATraceWithItsName) {
  int after = 0;
  Try(L"load IP.ini", [] { throw std::runtime_error("no file"); });
  Try(L"next step", [&] { ++after; });
  EXPECT_EQ(after, 1);
  EXPECT_TRUE(trace.Has(L"\"load IP.ini\""));
  EXPECT_FALSE(trace.Has(L"next step"));
}

}  // namespace
}  // namespace quilnet
