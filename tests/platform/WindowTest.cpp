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

// Debug-output lines of this thread, as a debugger would receive them.
std::vector<std::wstring>* traced = nullptr;
LONG CALLBACK CatchDebugOutput(EXCEPTION_POINTERS* info) {
  const EXCEPTION_RECORD& record = *info->ExceptionRecord;
  if (traced && record.ExceptionCode == DBG_PRINTEXCEPTION_C && record.NumberParameters >= 2) {
    const std::string text(reinterpret_cast<const char*>(record.ExceptionInformation[1]));
    traced->push_back(std::wstring(text.begin(), text.end()));
  }
  return EXCEPTION_CONTINUE_SEARCH;
}

class WindowTest : public ::testing::Test {
 protected:
  WindowTest() {
    traced = &lines;
    handler = AddVectoredExceptionHandler(1, CatchDebugOutput);
  }
  ~WindowTest() override {
    RemoveVectoredExceptionHandler(handler);
    traced = nullptr;
  }
  bool Traced(const std::wstring& part) const {
    for (const auto& line : lines) {
      if (line.find(part) != std::wstring::npos) return true;
    }
    return false;
  }

  UniqueWindow parent{CreateWindowExW(0, L"Static", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                      nullptr, GetModuleHandleW(nullptr), nullptr)};
  std::vector<std::wstring> lines;
  PVOID handler = nullptr;
};

TEST_F(WindowTest, AControlGoingAwayTearsDownWhileItIsWhole) {
  std::vector<UINT> torn;
  auto control = std::make_unique<ProbeControl>();
  ASSERT_TRUE(control->Create(parent.get(), &torn));
  const HWND hwnd = control->hwnd();
  control.reset();
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_EQ(torn, (std::vector<UINT>{WM_DESTROY, WM_NCDESTROY}));
  EXPECT_EQ(LiveSubclassStates(), 0u);  // its hook on the parent went with it
}

TEST_F(WindowTest, AHandlerThatThrowsFailsQuietlyWithTheDefaultAnswer) {
  std::vector<UINT> torn;
  ProbeControl control;
  ASSERT_TRUE(control.Create(parent.get(), &torn));
  EXPECT_EQ(SendMessageW(control.hwnd(), WM_APP, 1, 2), 0);
  EXPECT_TRUE(SetWindowTextW(control.hwnd(), L"set by default"));
  EXPECT_EQ(WindowText(control.hwnd()), L"set by default");
  InvalidateRect(control.hwnd(), nullptr, FALSE);
  UpdateWindow(control.hwnd());
  EXPECT_FALSE(GetUpdateRect(control.hwnd(), nullptr, FALSE));  // no endless WM_PAINT
  EXPECT_TRUE(Traced(L"message 0x8000 failed"));
}

TEST_F(WindowTest, ASkippedStepLeavesATraceWithItsName) {
  int after = 0;
  Try(L"load IP.ini", [] { throw std::runtime_error("no file"); });
  Try(L"next step", [&] { ++after; });
  EXPECT_EQ(after, 1);
  EXPECT_TRUE(Traced(L"\"load IP.ini\""));
  EXPECT_FALSE(Traced(L"next step"));
}

}  // namespace
}  // namespace quilnet
