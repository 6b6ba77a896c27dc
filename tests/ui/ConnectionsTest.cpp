// The connection list and the DHCP button of the whole window: the poll waits for a real script process,
// and the DHCP runs report from the exit codes of the processes they started.
#include <gtest/gtest.h>

#include <memory>

#include "app/Form1.h"
#include "net/ConnectionNames.h"
#include "net/Dhcp.h"
#include "platform/CodePage.h"
#include "support/FormFixture.h"
#include "support/Listing.h"
#include "support/Pump.h"

namespace quilnet {
namespace {

using test::Pump;
using test::PumpUntil;
using Names = std::vector<std::wstring>;

std::string Gbk(const std::wstring& text) { return ToCodePage(text, kGbk); }

std::string Listing(const Names& names) { return test::InterfaceListing(names, test::Language::Chinese); }

// Starts a batch of the test's own in place of the generated script, which needs a real netsh, as the
// program starts its script (so it ends with the window, or with the test).
class ScriptStandIn final : public ProcessStarter {
 public:
  explicit ScriptStandIn(std::wstring batch) : batch_(std::move(batch)) {}
  UniqueHandle StartHidden(const std::wstring&, const std::wstring&) override { return {}; }
  JobProcess StartScript(const std::wstring&, const std::wstring& folder) override {
    return real_.StartScript(L"\"" + SystemProgramPath(L"cmd.exe") + L"\" /d /c \"\"" + batch_ + L"\"\"", folder);
  }
  std::optional<DWORD> ExitCode(HANDLE process) override { return real_.ExitCode(process); }

 private:
  SystemProcessStarter real_;
  std::wstring batch_;
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
  const Names names = {L"本地连接", L"无线网络连接 2", L"以太网"};
  folder.Write(L"part.bin", Listing({names[0]}));
  folder.Write(L"full.bin", Listing(names));
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
  folder.Write(L"network.txt", Listing({L"本地连接"}));
  for (unsigned i = 1; i < Form1::kMaxPollTicks; ++i) Tick();
  EXPECT_EQ(Entries(), Names{});
  Tick();
  EXPECT_EQ(Entries(), Names{L"本地连接\r\n"});
}

TEST_F(ConnectionsTest, TheScriptSeesASafeEnvironmentAndEndsWithTheWindowWithAllItStarted) {
  // A second interpreter that writes once let go, which will be after the window has closed.
  folder.Write(L"inner.bat", "@echo off\r\necho.> started.txt\r\n:wait\r\nif exist go.txt goto done\r\n"
                             "ping -n 2 127.0.0.1 >nul\r\ngoto wait\r\n:done\r\necho.> late.txt\r\n");
  folder.Write(L"script.bat",
               "@echo off\r\nset > env.txt\r\n\"%SystemRoot%\\System32\\cmd.exe\" /d /c \"%~dp0inner.bat\"\r\n");
  wchar_t windows[MAX_PATH];
  const UINT n = GetSystemWindowsDirectoryW(windows, MAX_PATH);
  // As the user's settings could have it.
  SetEnvironmentVariableW(L"SystemRoot", L"C:\\Users\\Public");
  SetEnvironmentVariableW(L"QUILNET_OWN", L"kept");
  ScriptStandIn script(folder.File(L"script.bat"));
  Start(script);
  SetEnvironmentVariableW(L"SystemRoot", windows);
  SetEnvironmentVariableW(L"QUILNET_OWN", nullptr);
  ASSERT_TRUE(PumpUntil([&] { return folder.Exists(L"started.txt"); }, 20000));
  const std::string env = "\r\n" + folder.Read(L"env.txt").value_or("");
  EXPECT_NE(env.find("\r\nNoDefaultCurrentDirectoryInExePath=1\r\n"), std::string::npos) << env;
  // (Wine sets SystemRoot anew in every process it starts: only Windows can fail this one.)
  EXPECT_NE(env.find("\r\nSystemRoot=" + Gbk(std::wstring(windows, n)) + "\r\n"), std::string::npos) << env;
  EXPECT_NE(env.find("\r\nQUILNET_OWN=kept\r\n"), std::string::npos) << env;  // the rest is the program's

  form.reset();
  folder.Write(L"go.txt", "");
  Pump(2500);
  EXPECT_FALSE(folder.Exists(L"late.txt"));
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
