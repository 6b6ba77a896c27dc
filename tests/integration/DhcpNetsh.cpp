// The DHCP button against a stand-in for netsh in the system folder (its driver puts it there): what
// netsh is given, and what its exit code makes of the status line.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "app/Form1.h"
#include "net/Dhcp.h"
#include "platform/CodePage.h"
#include "support/FakeWmi.h"
#include "support/Pump.h"
#include "support/TestFolder.h"

namespace quilnet {
namespace {

using Record = std::vector<std::wstring>;

class DhcpNetshTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<Form1>(wmi, starter, folder.path());
    ASSERT_TRUE(form->Create(SW_SHOW));
    test::Pump(20);
    // After the start, so that the generated script's own netsh is not recorded.
    SetEnvironmentVariableW(L"QUILNET_NETSH_LOG", folder.File(L"netsh.log").c_str());
  }
  void TearDown() override {
    for (const wchar_t* name : {L"QUILNET_NETSH_LOG", L"QUILNET_NETSH_EXIT", L"QUILNET_NETSH_HOLD"}) {
      SetEnvironmentVariableW(name, nullptr);
    }
  }
  // What each netsh run was given, sorted (the two commands run side by side).
  std::vector<Record> Records() const {
    std::vector<Record> records;
    const std::wstring text = FromCodePage(folder.Read(L"netsh.log").value_or(""), CP_UTF8);
    for (size_t at = 0, end; (end = text.find(L'\n', at)) != std::wstring::npos; at = end + 1) {
      Record& record = records.emplace_back();
      const std::wstring line = text.substr(at, end - at);
      for (size_t from = 0, tab;; from = tab + 1) {
        tab = line.find(L'\t', from);
        record.push_back(line.substr(from, tab - from));
        if (tab == std::wstring::npos) break;
      }
    }
    std::sort(records.begin(), records.end());
    return records;
  }
  static std::vector<Record> Expected(const std::wstring& name) {
    return {{L"interface", L"ip", L"set", L"address", L"Name=" + name, L"Source=dhcp"},
            {L"interface", L"ip", L"set", L"dns", L"Name=" + name, L"Source=dhcp"}};
  }
  void Press(const std::wstring& name) {
    form->SetText(L"Text25", name);
    SendMessageW(form->Control(L"zivududi1"), BM_CLICK, 0, 0);
  }
  // The status once the run has reported.
  std::wstring Outcome() {
    test::PumpUntil([&] { return form->Text(L"Label1") != kDhcpRunning; }, 30000);
    return form->Text(L"Label1");
  }

  test::TestFolder folder;
  test::FakeWmi wmi;
  SystemProcessStarter starter;
  std::unique_ptr<Form1> form;
};

TEST_F(DhcpNetshTest, NetshGetsTheNameWholeAndNoCharacterOfItIsACommand) {
  for (const std::wstring name :
       {L"本地连接", L"无线网络连接 2", L"", L"a & echo pwned > canary.txt & rem %PATH% ^| <x>"}) {
    const std::string what = ToCodePage(name, CP_UTF8);
    DeleteFileW(folder.File(L"netsh.log").c_str());
    Press(name);
    EXPECT_EQ(Outcome(), kDhcpSucceeded) << what;
    EXPECT_EQ(Records(), Expected(name)) << what;
  }
  EXPECT_FALSE(folder.Exists(L"canary.txt"));
}

TEST_F(DhcpNetshTest, AnExitCodeOtherThanZeroIsReportedAsFailure) {
  SetEnvironmentVariableW(L"QUILNET_NETSH_EXIT", L"1");
  Press(L"本地连接");
  EXPECT_EQ(Outcome(), kDhcpFailed);
  EXPECT_EQ(Records(), Expected(L"本地连接"));  // both ran
}

TEST_F(DhcpNetshTest, ANameWithAQuoteIsRefusedAndNothingRuns) {
  Press(L"x\" & echo pwned > canary.txt & \"");
  EXPECT_EQ(form->Text(L"Label1"), kDhcpNameRefused);
  test::Pump(500);
  EXPECT_FALSE(folder.Exists(L"netsh.log"));
  EXPECT_FALSE(folder.Exists(L"canary.txt"));
}

TEST_F(DhcpNetshTest, TheWindowGoesOnWhileNetshRunsAndReportsWhenBothHaveEnded) {
  folder.Write(L"hold", "");
  SetEnvironmentVariableW(L"QUILNET_NETSH_HOLD", folder.File(L"hold").c_str());
  Press(L"本地连接");  // returns while both are held
  EXPECT_EQ(form->Text(L"Label1"), kDhcpRunning);
  ASSERT_TRUE(test::PumpUntil([&] { return Records().size() == 2; }, 30000));
  form->SetText(L"Text25", L"以太网");  // the window answers meanwhile
  EXPECT_EQ(form->Text(L"Text25"), L"以太网");
  test::Pump(200);
  EXPECT_EQ(form->Text(L"Label1"), kDhcpRunning);
  DeleteFileW(folder.File(L"hold").c_str());
  EXPECT_EQ(Outcome(), kDhcpSucceeded);
}

}  // namespace
}  // namespace quilnet
