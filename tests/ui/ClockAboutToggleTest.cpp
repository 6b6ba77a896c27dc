// The clock, the size toggle and the About box of the real window; the clock seam gives a fixed time.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "app/Form1.h"
#include "platform/Clock.h"
#include "support/FakeProcess.h"
#include "support/FakeWmi.h"
#include "support/Pump.h"
#include "support/TestFolder.h"

namespace quilnet {
namespace {

using test::Pump;
using test::PumpUntil;

class FixedClock final : public Clock {
 public:
  SYSTEMTIME time{2024, 3, 2, 5, 14, 7, 9, 0};  // Tuesday 5 March 2024, 14:07:09
  SYSTEMTIME Now() const override { return time; }
};

SIZE OuterSize(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.right - r.left, r.bottom - r.top};
}

class MinorCommandsTest : public ::testing::Test {
 protected:
  void Start() {
    form = std::make_unique<Form1>(wmi, starter, folder.path(), clock);
    ASSERT_TRUE(form->Create(SW_SHOW));
    Pump(50);
  }
  void Click(const wchar_t* button) { SendMessageW(form->Control(button), BM_CLICK, 0, 0); }

  test::TestFolder folder;
  std::shared_ptr<test::CallLog> log = std::make_shared<test::CallLog>();
  test::FakeWmi wmi{log};
  test::RecordingStarter starter{log};
  FixedClock clock;
  std::unique_ptr<Form1> form;
};

TEST_F(MinorCommandsTest, ClockIsEmptyUntilTheFirstTickThenFollowsTheTimeEverySecond) {
  if (PRIMARYLANGID(LANGIDFROMLCID(GetUserDefaultLCID())) != LANG_CHINESE) {
    GTEST_SKIP() << "the expected texts are those of the zh-CN formats the test runner sets";
  }
  Start();
  EXPECT_EQ(form->Text(L"Label30"), L"");
  ASSERT_TRUE(PumpUntil([&] { return !form->Text(L"Label30").empty(); }, 5000));
  EXPECT_EQ(form->Text(L"Label30"), L"当前时间：2024/3/5 14:07:09");  // short date, long time

  // Hours of two digits: Wine writes the hour of zh-CN's long time with a leading zero, Windows without.
  clock.time = {2025, 12, 3, 31, 23, 59, 58, 0};
  ASSERT_TRUE(PumpUntil([&] { return form->Text(L"Label30") != L"当前时间：2024/3/5 14:07:09"; }, 5000));
  EXPECT_EQ(form->Text(L"Label30"), L"当前时间：2025/12/31 23:59:58");
}

TEST_F(MinorCommandsTest, SizeToggleExpandsThenReturnsToCompact) {
  Start();
  ASSERT_EQ(OuterSize(form->hwnd()).cx, 413);
  Click(L"Command4");
  EXPECT_EQ(OuterSize(form->hwnd()).cx, 773);
  EXPECT_EQ(OuterSize(form->hwnd()).cy, 388);
  Click(L"Command4");
  EXPECT_EQ(OuterSize(form->hwnd()).cx, 413);
  EXPECT_EQ(OuterSize(form->hwnd()).cy, 301);
  EXPECT_EQ(form->Text(L"Command4"), L"设置===》");
  // A width the program never set counts as not compact: the toggle goes back to compact.
  SetWindowPos(form->hwnd(), nullptr, 0, 0, 500, 350, SWP_NOMOVE | SWP_NOZORDER);
  Click(L"Command4");
  EXPECT_EQ(OuterSize(form->hwnd()).cx, 413);
  EXPECT_EQ(OuterSize(form->hwnd()).cy, 301);
}

// What the About box showed, read while it was open; the timer runs inside its modal loop.
struct Seen {
  HWND owner = nullptr;
  HWND box = nullptr;
  HWND boxOwner = nullptr;
  std::wstring title, text;
  bool ownerEnabled = true;
  std::vector<int> buttons;
  bool icon = false;
};
Seen* seen = nullptr;

HWND FindDialogOfThread(HWND owner) {
  struct Search {
    HWND owner, found;
  } search{owner, nullptr};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND h, LPARAM p) {
        auto* s = reinterpret_cast<Search*>(p);
        wchar_t name[16] = {};
        GetClassNameW(h, name, 16);
        if (lstrcmpW(name, L"#32770") != 0) return TRUE;
        if (!s->found || GetWindow(h, GW_OWNER) == s->owner) s->found = h;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void CALLBACK ReadAndCloseBox(HWND, UINT, UINT_PTR, DWORD) {
  const HWND box = FindDialogOfThread(seen->owner);
  if (!box || !IsWindowVisible(box)) return;
  seen->box = box;
  seen->boxOwner = GetWindow(box, GW_OWNER);
  seen->ownerEnabled = IsWindowEnabled(seen->owner);
  wchar_t text[512] = {};
  GetWindowTextW(box, text, 512);
  seen->title = text;
  GetWindowTextW(GetDlgItem(box, 0xFFFF), text, 512);  // the box's text line
  seen->text = text;
  HWND ok = nullptr;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t name[16] = {};
    GetClassNameW(child, name, 16);
    if (!IsWindowVisible(child)) continue;
    if (lstrcmpiW(name, L"Button") == 0) {
      seen->buttons.push_back(GetDlgCtrlID(child));
      ok = child;
    } else if (lstrcmpiW(name, L"Static") == 0 && SendMessageW(child, STM_GETICON, 0, 0)) {
      seen->icon = true;
    }
  }
  if (ok) {
    SendMessageW(ok, BM_CLICK, 0, 0);
  } else {
    EndDialog(box, IDCANCEL);
  }
}

TEST_F(MinorCommandsTest, AboutBoxIsModalToTheWindowWithTitleTextAndOkOnly) {
  Start();
  Seen record;
  record.owner = form->hwnd();
  seen = &record;
  const UINT_PTR timer = SetTimer(nullptr, 0, 30, ReadAndCloseBox);
  Click(L"Command5");  // returns once the box is closed
  KillTimer(nullptr, timer);
  seen = nullptr;

  ASSERT_NE(record.box, nullptr) << "no message box came up";
  EXPECT_EQ(record.boxOwner, form->hwnd());
  EXPECT_FALSE(IsWindow(record.box));
  EXPECT_EQ(record.title, L"提示！");
  EXPECT_EQ(record.text, L"Quilnet\r\n作者：Quilnet 开发组\r\n联系电话：010-12345678");
  EXPECT_FALSE(record.ownerEnabled);  // modal while it showed
  EXPECT_TRUE(IsWindowEnabled(form->hwnd()));
  EXPECT_EQ(record.buttons, std::vector<int>{IDOK});
  EXPECT_FALSE(record.icon);
  EXPECT_EQ(form->Text(L"Label1"), L"");
}

}  // namespace
}  // namespace quilnet
