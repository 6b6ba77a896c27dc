// A start in a folder that nobody can write (readonly-folder.sh mounts it read-only and names it in
// QUILNET_READONLY_FOLDER): the script cannot be written, and the rest of the start-up runs as usual.
// Beside it, a folder whose IP.ini nobody can change (QUILNET_IMMUTABLE_FOLDER, empty where the file
// system has no such flag).
#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "app/Form1.h"
#include "app/Layout.h"
#include "platform/Files.h"
#include "platform/Window.h"
#include "support/FakeProcess.h"
#include "support/FakeWmi.h"
#include "support/Pump.h"
#include "support/TestFolder.h"

namespace quilnet {
namespace {

using List = std::vector<std::wstring>;

TEST(ReadOnlyFolder, WindowStartsWithItsAdaptersAndWritesNothing) {
  const std::optional<std::wstring> folder = test::FolderFromEnvironment("QUILNET_READONLY_FOLDER");
  ASSERT_TRUE(folder) << "run through readonly-folder.sh, which sets QUILNET_READONLY_FOLDER";

  const auto log = std::make_shared<test::CallLog>();
  test::FakeWmi wmi(log);
  wmi.adapters = {{L"Intel(R) Ethernet I219-LM", List{L"192.168.1.23"}, L"3C:52:82:1A:2B:3C"},
                  {L"Realtek USB GbE", List{L"10.20.30.40"}, L"00:E0:4C:68:00:01"}};
  test::RecordingStarter starter(log);
  int closed = 0;
  Form1 form(wmi, starter, *folder);
  form.onClosed = [&] { ++closed; };

  ASSERT_TRUE(form.Create(SW_SHOW));
  test::Pump(100);
  EXPECT_TRUE(IsWindowVisible(form.hwnd()));
  const HWND combo = form.Control(L"Combo1");
  ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 2);
  wchar_t second[64] = {};
  SendMessageW(combo, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(second));
  EXPECT_STREQ(second, L"Realtek USB GbE");
  EXPECT_EQ(form.Text(L"Combo1"), L"Intel(R) Ethernet I219-LM");
  EXPECT_EQ(form.Text(L"Text27"), L"192.168.1.23");
  EXPECT_EQ(GetFileAttributesW((*folder + L"\\HQ.bat").c_str()), INVALID_FILE_ATTRIBUTES);

  // Shutdown's deletions fail here too, and are skipped.
  const HWND window = form.hwnd();
  SendMessageW(window, WM_CLOSE, 0, 0);
  test::Pump(50);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(closed, 1);
}

// Every address box valid, so that only the file stands in the way of a save.
void SaveValidProfiles(Form1& form) {
  for (const ProfileControls& profile : kProfileControls) {
    for (size_t k = 1; k < profile.boxes.size(); ++k) form.SetText(profile.boxes[k], L"10.0.0.1");
  }
  form.SetText(L"Text1", L"新名字");
  SendMessageW(form.Control(L"Command1"), BM_CLICK, 0, 0);
}

TEST(ReadOnlyFolder, SaveSaysItCannotWriteAndLeavesTheCaptions) {
  const std::optional<std::wstring> folder = test::FolderFromEnvironment("QUILNET_READONLY_FOLDER");
  ASSERT_TRUE(folder) << "run through readonly-folder.sh, which sets QUILNET_READONLY_FOLDER";
  test::FakeWmi wmi;
  test::RecordingStarter starter(wmi.sharedLog());
  Form1 form(wmi, starter, *folder);
  ASSERT_TRUE(form.Create(SW_SHOW));
  SaveValidProfiles(form);
  EXPECT_EQ(form.Text(L"Label1"), L"提示：保存失败，无法写入IP.ini！");
  EXPECT_EQ(WindowText(form.Control(L"Command10")), L"名称");
}

TEST(ImmutableProfileFile, LoadsAndRefusesToBeRewritten) {
  const std::optional<std::wstring> folder = test::FolderFromEnvironment("QUILNET_IMMUTABLE_FOLDER");
  if (!folder) GTEST_SKIP() << "the file system cannot make a file immutable";
  const std::optional<std::string> before = ReadFileBytes(*folder + L"\\IP.ini", 4096);
  ASSERT_TRUE(before);
  test::FakeWmi wmi;
  test::RecordingStarter starter(wmi.sharedLog());
  Form1 form(wmi, starter, *folder);
  ASSERT_TRUE(form.Create(SW_SHOW));
  EXPECT_EQ(form.Text(L"Text1"), L"固定");
  SaveValidProfiles(form);
  EXPECT_EQ(form.Text(L"Label1"), L"提示：保存失败，无法写入IP.ini！");
  EXPECT_EQ(WindowText(form.Control(L"Command10")), L"固定");
  EXPECT_EQ(ReadFileBytes(*folder + L"\\IP.ini", 4096), before);
}

}  // namespace
}  // namespace quilnet
