// The static switch runs beside the window: the window answers meanwhile, switches run in the order they
// were pressed, and closing the window during one neither waits for it nor hears from it.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <thread>

#include "app/Form1.h"
#include "app/Layout.h"
#include "support/FormFixture.h"
#include "support/Pump.h"

namespace quilnet {
namespace {

using test::PumpUntil;

const std::wstring kConnect = L"Connect winmgmts:\\\\.\\root\\cimv2";
std::wstring EnableStatic(int profile) {
  return L"Call EnableStatic [\"10.0." + std::to_wstring(profile) + L".20\"] [\"255.255.255.0\"]";
}

class ApplyThreadTest : public test::WindowTest {
 protected:
  void SetUp() override { Begin(); }
  void Begin(const With& with = {}) {
    wmi.adapters = {{L"Intel(R) Ethernet"}};
    Start(with);
    for (int p = 1; p <= 2; ++p) {
      const auto& boxes = kProfileControls[static_cast<size_t>(p - 1)].boxes;
      const std::wstring n = std::to_wstring(p);
      const std::wstring values[] = {L"10.0." + n + L".20", L"255.255.255.0", L"10.0." + n + L".1", L"223.5.5.5",
                                     L"8.8.8.8"};
      for (size_t k = 1; k < 6; ++k) form->SetText(boxes[k], values[k - 1]);
      form->SetText(kProfileControls[static_cast<size_t>(p - 1)].button, p == 1 ? L"甲" : L"乙");
    }
  }
  void TearDown() override { EXPECT_FALSE(wmi.holdGaveWay()) << "a held call was never released by the test"; }
  bool StatusBecomes(const std::wstring& text) {
    return PumpUntil([&] { return form->Text(L"Label1") == text; }, 20000);
  }
  size_t Count(const std::wstring& line) const { return std::count(log->begin(), log->end(), line); }
};

TEST_F(ApplyThreadTest, TheWindowAnswersWhileTheAdapterIsReconfigured) {
  wmi.HoldAt(EnableStatic(1));
  Click(L"Command10");
  ASSERT_TRUE(wmi.WaitHeld());
  // Another thread asks the window for its text and gets it while the switch waits inside EnableStatic.
  std::wstring caption;
  bool answered = false;
  std::thread asker([&] {
    wchar_t text[64] = {};
    DWORD_PTR length = 0;
    answered = SendMessageTimeoutW(form->hwnd(), WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 20000,
                                   &length) != 0;
    caption = text;
  });
  PumpUntil([&] { return answered; }, 20000);
  asker.join();
  EXPECT_TRUE(answered);
  EXPECT_EQ(caption, kForm1Caption);
  EXPECT_EQ(form->Text(L"Label1"), L"");
  wmi.Release();
  EXPECT_TRUE(StatusBecomes(L"甲切换成功"));
}

TEST_F(ApplyThreadTest, ASecondSwitchStartsAfterTheFirstInTheOrderPressed) {
  wmi.adapters[0].answers = {{L"SetGateways", {{71, false}, {71, false}}}};
  wmi.HoldAt(kConnect);
  Click(L"Command11");
  Click(L"Command10");
  ASSERT_TRUE(wmi.WaitHeld());
  wmi.Release();
  EXPECT_TRUE(StatusBecomes(L"乙IP地址和子网掩码设置成功, 默认网关设置失败, DNS设置成功（71）"));
  ASSERT_TRUE(wmi.WaitHeld());
  EXPECT_EQ(Count(kConnect), 2u);
  EXPECT_EQ(Count(EnableStatic(1)), 0u);  // the first is done before the second begins
  wmi.Release();
  EXPECT_TRUE(StatusBecomes(L"甲IP地址和子网掩码设置成功, 默认网关设置失败, DNS设置成功（71）"));
  const auto at = [&](const std::wstring& line) { return std::find(log->begin(), log->end(), line) - log->begin(); };
  EXPECT_LT(at(EnableStatic(2)), at(EnableStatic(1)));
}

TEST_F(ApplyThreadTest, ClosingDuringASwitchNeitherWaitsNorIsReportedTo) {
  wmi.HoldAt(EnableStatic(1));
  Click(L"Command10");
  Click(L"Command11");  // queued behind it
  ASSERT_TRUE(wmi.WaitHeld());
  SendMessageW(form->hwnd(), WM_CLOSE, 0, 0);
  EXPECT_EQ(closed, 1);
  EXPECT_FALSE(wmi.holdGaveWay());  // the close did not wait for the switch
  wmi.Release();
  form.reset();
  // The switch in progress finished its settings; the queued one never began; the thread is gone.
  EXPECT_EQ(Count(L"Call SetDNSServerSearchOrder [\"223.5.5.5\", \"8.8.8.8\"]"), 1u);
  EXPECT_EQ(Count(EnableStatic(2)), 0u);
  EXPECT_EQ(wmi.threadClients(), 0);
  MSG msg;
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, kApplyEnded, kApplyEnded, PM_REMOVE));
}

TEST_F(ApplyThreadTest, ASwitchStillRunningAtTheDeadlineEndsTheProcessAfterTheFilesAreGone) {
  form.reset();
  int overdue = 0;
  bool filesGone = false;
  Begin({.exitDeadline = {50, [&] {
           ++overdue;
           filesGone = !folder.Exists(L"HQ.bat") && !folder.Exists(L"network.txt");
           wmi.Release();  // (the real one ends the process here)
         }}});
  folder.Write(L"network.txt", "");
  ASSERT_TRUE(folder.Exists(L"HQ.bat"));
  wmi.HoldAt(EnableStatic(1));
  Click(L"Command10");
  ASSERT_TRUE(wmi.WaitHeld());
  SendMessageW(form->hwnd(), WM_CLOSE, 0, 0);
  form.reset();
  EXPECT_EQ(overdue, 1);
  EXPECT_TRUE(filesGone);

  // A switch that ends in time is waited for, and nothing is ended.
  Begin({.exitDeadline = {20000, [&] { ++overdue; }}});
  wmi.HoldAt(EnableStatic(1));
  Click(L"Command10");
  ASSERT_TRUE(wmi.WaitHeld());
  std::thread later([&] {
    Sleep(100);
    wmi.Release();
  });
  form.reset();
  later.join();
  EXPECT_EQ(overdue, 1);
  EXPECT_EQ(wmi.threadClients(), 0);
}

}  // namespace
}  // namespace quilnet
