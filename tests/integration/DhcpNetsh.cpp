// The DHCP button against a stand-in for netsh in the system folder (its driver puts it there): what
// netsh is given, and what its exit code and its words make of the status line.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "app/Form1.h"
#include "net/Dhcp.h"
#include "platform/CodePage.h"
#include "support/FormFixture.h"
#include "support/Pump.h"

namespace quilnet {
namespace {

class DhcpNetshTest : public test::WindowTest {
 protected:
  void SetUp() override {
    Start({.starter = &realStarter});
    // After the start, so that the generated script's own netsh is not recorded.
    SetEnvironmentVariableW(L"QUILNET_NETSH_LOG", folder.File(L"netsh.log").c_str());
  }
  void TearDown() override {
    for (const wchar_t* name :
         {L"QUILNET_NETSH_LOG", L"QUILNET_NETSH_EXIT", L"QUILNET_NETSH_HOLD", L"QUILNET_NETSH_SAY"}) {
      SetEnvironmentVariableW(name, nullptr);
    }
  }
  // What each netsh run was given, its arguments joined by tabs, sorted (the two commands run side by side).
  std::vector<std::wstring> Records() const {
    std::vector<std::wstring> records;
    const std::wstring text = FromCodePage(folder.Read(L"netsh.log").value_or(""), CP_UTF8);
    for (size_t at = 0, end; (end = text.find(L'\n', at)) != std::wstring::npos; at = end + 1) {
      records.push_back(text.substr(at, end - at));
    }
    std::sort(records.begin(), records.end());
    return records;
  }
  static std::vector<std::wstring> Expected(const std::wstring& name) {
    return {L"interface\tip\tset\taddress\tName=" + name + L"\tSource=dhcp",
            L"interface\tip\tset\tdns\tName=" + name + L"\tSource=dhcp"};
  }
  void Press(const std::wstring& name) {
    form->SetText(L"Text25", name);
    Click(L"zivududi1");
  }
  // The status once the run has reported.
  std::wstring Outcome() {
    test::PumpUntil([&] { return form->Text(L"Label1") != kDhcpRunning; }, 30000);
    return form->Text(L"Label1");
  }

  SystemProcessStarter realStarter;
};

TEST_F(DhcpNetshTest, NetshGetsTheNameWholeNoCharacterOfItIsACommandAndItsExitCodeCounts) {
  for (const std::wstring name :
       {L"本地连接", L"无线网络连接 2", L"", L"a & echo pwned > canary.txt & rem %PATH% ^| <x>"}) {
    DeleteFileW(folder.File(L"netsh.log").c_str());
    Press(name);
    EXPECT_EQ(Outcome(), kDhcpSucceeded) << ToCodePage(name, CP_UTF8);
    EXPECT_EQ(Records(), Expected(name)) << ToCodePage(name, CP_UTF8);
  }
  SetEnvironmentVariableW(L"QUILNET_NETSH_EXIT", L"1");
  Press(L"本地连接");
  EXPECT_EQ(Outcome(), kDhcpFailed);
  // Unless it says the connection is on DHCP already.
  for (const wchar_t* language : {L"en", L"zh"}) {
    SetEnvironmentVariableW(L"QUILNET_NETSH_SAY", language);
    Press(L"本地连接");
    EXPECT_EQ(Outcome(), kDhcpSucceeded) << ToCodePage(language, CP_UTF8);
  }
  SetEnvironmentVariableW(L"QUILNET_NETSH_SAY", nullptr);
  DeleteFileW(folder.File(L"netsh.log").c_str());
  Press(L"x\" & echo pwned > canary.txt & \"");
  EXPECT_EQ(form->Text(L"Label1"), kDhcpNameRefused);
  test::Pump(300);
  EXPECT_FALSE(folder.Exists(L"netsh.log"));
  EXPECT_FALSE(folder.Exists(L"canary.txt"));
}

TEST_F(DhcpNetshTest, TheWindowGoesOnWhileNetshRunsAndReportsWhenBothHaveEnded) {
  folder.Write(L"hold", "");
  SetEnvironmentVariableW(L"QUILNET_NETSH_HOLD", folder.File(L"hold").c_str());
  Press(L"本地连接");  // returns while both are held
  ASSERT_TRUE(test::PumpUntil([&] { return Records().size() == 2; }, 30000));
  test::Pump(200);
  EXPECT_EQ(form->Text(L"Label1"), kDhcpRunning);
  DeleteFileW(folder.File(L"hold").c_str());
  EXPECT_EQ(Outcome(), kDhcpSucceeded);
}

}  // namespace
}  // namespace quilnet
