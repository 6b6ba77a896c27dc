// The connection names the real way: the window writes and starts its own script, which runs the stand-in
// netsh of the system folder (its driver puts it there) and leaves its listing. Nothing planted beside the
// script runs, whatever the names hold.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/Form1.h"
#include "app/Script.h"
#include "net/ConnectionNames.h"
#include "platform/CodePage.h"
#include "platform/Files.h"
#include "support/FormFixture.h"
#include "support/Listing.h"
#include "support/Pump.h"

namespace quilnet {
namespace {

using Names = std::vector<std::wstring>;
using test::Language;

class ScriptNetshTest : public test::WindowTest {
 protected:
  void SetUp() override { SetEnvironmentVariableW(L"QUILNET_NETSH_LISTING", folder.File(L"listing.txt").c_str()); }
  void TearDown() override { SetEnvironmentVariableW(L"QUILNET_NETSH_LISTING", nullptr); }
  // What a run would leave: "<name>.ran" beside whatever ran.
  Names Ran() const {
    Names ran;
    for (const FolderEntry& entry : FolderEntries(folder.path())) {
      if (entry.name.ends_with(L".ran")) ran.push_back(entry.name);
    }
    return ran;
  }

  SystemProcessStarter real;
};

TEST_F(ScriptNetshTest, TheListHoldsExactlyTheNamesOfEachListingAndNothingBesideTheScriptRuns) {
  const char* standIn = std::getenv("QUILNET_NETSH_STAND_IN");
  ASSERT_TRUE(standIn && *standIn) << "run through dhcp-netsh.sh";
  const std::wstring program = test::WindowsPath(FromCodePage(standIn, CP_UTF8));
  // Where cmd looks first for a program named without its folder, and what Wine's cmd starts by name.
  for (const wchar_t* name : {L"netsh.exe", L"cmd.exe", L"more.com"}) {
    ASSERT_TRUE(CopyFileW(program.c_str(), folder.File(name).c_str(), FALSE));
  }
  for (const std::wstring name : {L"netsh.bat", L"netsh.cmd", L"more.bat", L"more.cmd"}) {
    folder.Write(name, "@echo ran> \"%~dp0" + ToCodePage(name, CP_UTF8) + ".ran\"\r\n");
  }
  const struct {
    Language language;
    Names names;
  } cases[] = {
      {Language::English, {L"Ethernet", L"Wi-Fi 2", L"VirtualBox Host-Only Network"}},
      {Language::Chinese, {L"以太网", L"本地连接 2", L"WLAN"}},
      {Language::English,
       {L"a & echo x> amp.ran", L"b | echo x> pipe.ran", L"\"quoted\" name", L"100% %PATH% %~dp0",
        L"bang!PATH!", L"caret ^& echo x> caret.ran", L"<in >out.ran"}},
  };
  for (const auto& c : cases) {
    folder.Write(L"listing.txt", test::InterfaceListing(c.names, c.language));
    Start({.starter = &real});
    EXPECT_TRUE(test::PumpUntil([&] { return !Entries(L"Combo2").empty(); }, 20000)) << test::Utf8(c.names[0]);
    Names expected;
    for (const std::wstring& name : c.names) expected.push_back(ConnectionEntry(name));
    EXPECT_EQ(Entries(L"Combo2"), expected);
    EXPECT_EQ(form->Text(L"Text25"), c.names[0]);
    form.reset();
  }
  EXPECT_EQ(Ran(), Names{});
}

// From a share, cmd refuses the folder it was given and starts in the Windows folder instead.
TEST_F(ScriptNetshTest, TheScriptWritesTheListBesideItselfWhereverCmdStarts) {
  const Names names = {L"以太网", L"Wi-Fi 2"};
  folder.Write(L"listing.txt", test::InterfaceListing(names, Language::English));
  folder.Write(L"HQ.bat", ToCodePage(kScriptTemplate, kGbk));
  const std::wstring elsewhere = folder.File(L"elsewhere");
  ASSERT_TRUE(CreateDirectoryW(elsewhere.c_str(), nullptr));
  JobProcess run = real.StartScript(
      L"\"" + SystemProgramPath(L"cmd.exe") + L"\" /d /v:off /c \"\"" + folder.File(L"HQ.bat") + L"\"\"", elsewhere);
  ASSERT_TRUE(run);
  ASSERT_EQ(WaitForSingleObject(run.process(), 30000), WAIT_OBJECT_0);
  EXPECT_EQ(ReadConnectionNames(folder.File(L"network.txt")), names);
  EXPECT_TRUE(FolderEntries(elsewhere).empty());
}

}  // namespace
}  // namespace quilnet
