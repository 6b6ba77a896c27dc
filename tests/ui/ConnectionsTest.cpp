// The connection list and the DHCP button of the whole window: the poll waits for a real script process,
// and the DHCP runs report from the exit codes of the processes they started.
#include <gtest/gtest.h>

#include <memory>

#include "app/Form1.h"
#include "net/ConnectionNames.h"
#include "net/Dhcp.h"
#include "platform/CodePage.h"
#include "support/FormFixture.h"
#include "support/Pump.h"

namespace quilnet {
namespace {

using test::Pump;
using test::PumpUntil;
using Names = std::vector<std::wstring>;

std::string Gbk(const std::wstring& text) { return ToCodePage(text, kGbk); }

// Starts a batch of the test's own in place of the generated script, which needs a real netsh. The batch
// is ended with the test, so that a failed test leaves no process waiting behind.
class ScriptStandIn final : public ProcessStarter {
 public:
  explicit ScriptStandIn(std::wstring batch) : batch_(std::move(batch)) {}
  ~ScriptStandIn() override {
    if (started_) TerminateProcess(started_.get(), 1);
  }
  UniqueHandle StartHidden(const std::wstring&, const std::wstring& folder) override {
    UniqueHandle process =
        real_.StartHidden(L"\"" + SystemProgramPath(L"cmd.exe") + L"\" /d /c \"\"" + batch_ + L"\"\"", folder);
    HANDLE copy = nullptr;
    DuplicateHandle(GetCurrentProcess(), process.get(), GetCurrentProcess(), &copy, 0, FALSE, DUPLICATE_SAME_ACCESS);
    started_.reset(copy);
    return process;
  }
  std::optional<DWORD> ExitCode(HANDLE process) override { return real_.ExitCode(process); }

 private:
  SystemProcessStarter real_;
  std::wstring batch_;
  UniqueHandle started_;
};

class ConnectionsTest : public test::WindowTest {
 protected:
  void Start(ProcessStarter& starter) { WindowTest::Start({.starter = &starter}); }
  void Tick() { SendMessageW(form->hwnd(), WM_TIMER, Form1::kTmrCheck, 0); }
  Names Entries() const { return FormHarness::Entries(L"Combo2"); }
  void Pick(int index) { FormHarness::Pick(L"Combo2", index); }
  // The poll has stopped its timer (this would stop it otherwise).
  bool PollStopped() const { return !KillTimer(form->hwnd(), Form1::kTmrCheck); }
  void PressDhcp() { SendMessageW(Ctl(L"zivududi1"), BM_CLICK, 0, 0); }
  bool StatusIs(const std::wstring& text) {
    return PumpUntil([&] { return form->Text(L"Label1") == text; }, 5000);
  }
};

TEST_F(ConnectionsTest, PollWaitsForTheScriptToEndThenListsEveryNameAndTheChoiceFollows) {
  const Names names = {L"本地连接", L"无线网络连接 2", L"", L"以太网"};
  std::string full;
  for (const std::wstring& name : names) full += Gbk(name) + "\r\n";
  folder.Write(L"part.bin", Gbk(names[0]) + "\r\n");
  folder.Write(L"full.bin", full);
  // Writes the first name, waits to be let go, then writes the whole list.
  folder.Write(L"script.bat",
                "@echo off\r\ncopy /b /y part.bin network.txt >nul\r\n:wait\r\nif exist go.txt goto done\r\n"
                "ping -n 2 127.0.0.1 >nul\r\ngoto wait\r\n:done\r\ncopy /b /y full.bin network.txt >nul\r\n");
  ScriptStandIn script(folder.File(L"script.bat"));
  Start(script);
  ASSERT_TRUE(PumpUntil([&] { return folder.Exists(L"network.txt"); }, 20000));
  for (int i = 0; i < 3; ++i) Tick();
  EXPECT_EQ(Entries(), Names{});  // not the half-written file
  EXPECT_EQ(form->Text(L"Text25"), L"Text25");

  folder.Write(L"go.txt", "");
  // The timer's own ticks fill the list once the script has ended.
  ASSERT_TRUE(PumpUntil([&] { return !Entries().empty(); }, 30000));
  Names expected;
  for (const std::wstring& name : names) expected.push_back(name + L"\r\n");
  EXPECT_EQ(Entries(), expected);
  EXPECT_EQ(SendMessageW(Ctl(L"Combo2"), CB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(form->Text(L"Text25"), L"本地连接");
  EXPECT_TRUE(PollStopped());
  Tick();
  EXPECT_EQ(Entries().size(), names.size());  // never filled twice

  for (int i : {1, 2}) {
    Pick(i);
    EXPECT_EQ(form->Text(L"Text25"), names[i]) << i;
  }
}

TEST_F(ConnectionsTest, WithoutAScriptTheFirstTickReadsAndOneThatDoesNotEndIsWaitedForUpToTheBound) {
  starter.fail = true;
  Start(starter);  // no network.txt either
  Tick();
  EXPECT_EQ(Entries(), Names{});
  EXPECT_EQ(form->Text(L"Text25"), L"Text25");
  EXPECT_TRUE(PollStopped());

  form.reset();          // (its end deletes network.txt)
  starter.fail = false;  // now a script that never ends
  Start(starter);
  folder.Write(L"network.txt", Gbk(L"本地连接") + "\r\n");
  for (unsigned i = 1; i < Form1::kMaxPollTicks; ++i) Tick();
  EXPECT_EQ(Entries(), Names{});
  Tick();
  EXPECT_EQ(Entries(), Names{L"本地连接\r\n"});
}

TEST_F(ConnectionsTest, EachDhcpPressIsARunThatReportsSuccessOnlyWhenBothCommandsEndedWithZero) {
  Start(starter);  // process 0 is the script
  form->SetText(L"Text25", L"本地连接");
  log->clear();
  const auto line = [](const wchar_t* what) {
    return L"Start \"" + SystemProgramPath(L"netsh.exe") + L"\" interface ip set " + what +
           L" Name=\"本地连接\" Source=dhcp";
  };
  PressDhcp();
  EXPECT_EQ(*log, (test::CallLog{line(L"address"), line(L"dns")}));
  EXPECT_EQ(form->Text(L"Label1"), kDhcpRunning);
  PressDhcp();  // processes 3 and 4
  starter.End(4, 0);
  starter.End(1, 0);
  Pump(100);
  EXPECT_EQ(form->Text(L"Label1"), kDhcpRunning);
  starter.End(3, 0);
  EXPECT_TRUE(StatusIs(kDhcpSucceeded));  // the second run, while the first still runs
  starter.End(2, 1);
  EXPECT_TRUE(StatusIs(kDhcpFailed));

  starter.fail = true;
  form->SetText(L"Label1", L"");
  PressDhcp();
  EXPECT_EQ(form->Text(L"Label1"), kDhcpFailed);
}

// netsh ends with 1 on a connection that is already on DHCP, and says so, in the console's code page.
TEST_F(ConnectionsTest, ADhcpCommandCountsByItsExitCodeOrBySayingTheConnectionIsOnDhcpAlready) {
  Start(starter);
  form->SetText(L"Text25", L"本地连接");
  const struct {
    DWORD code;
    std::string said;
    const wchar_t* status;
  } cases[] = {
      {0, "", kDhcpSucceeded},
      {1, "DHCP is already enabled on this interface.\r\n\r\n", kDhcpSucceeded},
      {1, Gbk(L"已在此接口上启用 DHCP。\r\n"), kDhcpSucceeded},
      {1, "The filename, directory name, or volume label syntax is incorrect.\r\n", kDhcpFailed},
  };
  for (const auto& c : cases) {
    const size_t address = starter.started();
    PressDhcp();
    starter.End(address, c.code, c.said);
    starter.End(address + 1, 0);
    EXPECT_TRUE(StatusIs(c.status)) << c.said;
  }
}

}  // namespace
}  // namespace quilnet
