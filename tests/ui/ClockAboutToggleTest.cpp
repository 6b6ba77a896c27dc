// The clock, the size toggle and the About box of the real window; the clock seam gives a fixed time.
#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

#include "app/Form1.h"
#include "platform/Clock.h"
#include "support/FormFixture.h"
#include "support/Pump.h"

namespace quilnet {
namespace {

using test::PumpUntil;

class FixedClock final : public Clock {
 public:
  SYSTEMTIME time{2024, 3, 2, 5, 14, 7, 9, 0};  // Tuesday 5 March 2024, 14:07:09
  SYSTEMTIME Now() const override { return time; }
};

std::pair<int, int> OuterSize(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.right - r.left, r.bottom - r.top};
}

class MinorCommandsTest : public test::WindowTest {
 protected:
  void Start() { WindowTest::Start({.clock = &clock}); }

  FixedClock clock;
};

TEST_F(MinorCommandsTest, ClockIsEmptyUntilTheFirstTickThenFollowsTheTimeEverySecond) {
  if (PRIMARYLANGID(LANGIDFROMLCID(GetUserDefaultLCID())) != LANG_CHINESE) {
    GTEST_SKIP() << "the expected texts are those of the zh-CN formats the test runner sets";
  }
  Start();
  EXPECT_EQ(form->Text(L"Label30"), L"");
  ASSERT_TRUE(PumpUntil([&] { return !form->Text(L"Label30").empty(); }, 5000));
  EXPECT_EQ(form->Text(L"Label30"), L"当前时间：2024/3/5 14:07:09");  // short date, long time

  // Two-digit hours: zh-CN's long time writes 9 o'clock as 09 on Wine and as 9 on Windows.
  clock.time = {2025, 12, 3, 31, 23, 59, 58, 0};
  ASSERT_TRUE(PumpUntil([&] { return form->Text(L"Label30") != L"当前时间：2024/3/5 14:07:09"; }, 5000));
  EXPECT_EQ(form->Text(L"Label30"), L"当前时间：2025/12/31 23:59:58");
}

TEST_F(MinorCommandsTest, SizeToggleExpandsThenReturnsToCompact) {
  Start();
  ASSERT_EQ(OuterSize(form->hwnd()), std::make_pair(413, 301));
  Click(L"Command4");
  EXPECT_EQ(OuterSize(form->hwnd()), std::make_pair(773, 388));
  Click(L"Command4");
  EXPECT_EQ(OuterSize(form->hwnd()), std::make_pair(413, 301));
  EXPECT_EQ(form->Text(L"Command4"), L"设置===》");
}

// The About box as it showed, read by a timer that runs in its modal loop and then closes it with OK.
struct OpenBox {
  HWND owner = nullptr, box = nullptr, boxOwner = nullptr;
  bool ownerEnabled = true;
  std::wstring title, text;
  std::vector<int> shown;  // the ids of its visible buttons, and kIcon for a part that holds an icon
};
OpenBox* open = nullptr;
constexpr int kIcon = -1;

void CALLBACK ReadAndClose(HWND, UINT, UINT_PTR, DWORD) {
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND h, LPARAM) {
        wchar_t name[16] = {};
        GetClassNameW(h, name, 16);
        if (open->box || lstrcmpW(name, L"#32770") != 0 || !IsWindowVisible(h)) return TRUE;
        open->box = h;
        open->boxOwner = GetWindow(h, GW_OWNER);
        open->ownerEnabled = IsWindowEnabled(open->owner);
        open->title = WindowText(h);
        open->text = WindowText(GetDlgItem(h, 0xFFFF));  // the box's text line
        for (HWND part = GetWindow(h, GW_CHILD); part; part = GetWindow(part, GW_HWNDNEXT)) {
          if (!IsWindowVisible(part)) continue;
          // Wine keeps an empty icon part visible, so the icon itself is asked for.
          GetClassNameW(part, name, 16);
          if (lstrcmpiW(name, L"Button") == 0) open->shown.push_back(GetDlgCtrlID(part));
          if (SendMessageW(part, STM_GETICON, 0, 0)) open->shown.push_back(kIcon);
        }
        PostMessageW(h, WM_COMMAND, IDOK, 0);
        return FALSE;
      },
      0);
}

TEST_F(MinorCommandsTest, AboutBoxIsModalToTheWindowWithTitleTextAndOkOnly) {
  Start();
  OpenBox box;
  box.owner = form->hwnd();
  open = &box;
  const UINT_PTR timer = SetTimer(nullptr, 0, 30, ReadAndClose);
  Click(L"Command5");  // returns once the box is closed
  KillTimer(nullptr, timer);
  open = nullptr;

  ASSERT_NE(box.box, nullptr) << "no message box came up";
  EXPECT_FALSE(IsWindow(box.box));
  EXPECT_EQ(box.boxOwner, form->hwnd());
  EXPECT_FALSE(box.ownerEnabled);
  EXPECT_TRUE(IsWindowEnabled(form->hwnd()));
  EXPECT_EQ(box.title, L"提示！");
  EXPECT_EQ(box.text, L"Quilnet\r\n作者：Quilnet 开发组\r\n联系电话：010-12345678");
  EXPECT_EQ(box.shown, std::vector<int>{IDOK});  // no other button, no icon
}

}  // namespace
}  // namespace quilnet
