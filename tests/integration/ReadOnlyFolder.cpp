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
#include "support/FormFixture.h"

namespace quilnet {
namespace {

using List = std::vector<std::wstring>;

class ReadOnlyFolder : public test::WindowTest {
 protected:
  // Every address box valid, so that only the file stands in the way of a save.
  void SaveValidProfiles() {
    for (const ProfileControls& profile : kProfileControls) {
      for (size_t k = 1; k < profile.boxes.size(); ++k) form->SetText(profile.boxes[k], L"10.0.0.1");
    }
    form->SetText(L"Text1", L"新名字");
    Click(L"Command1");
  }
};
using ImmutableProfileFile = ReadOnlyFolder;

TEST_F(ReadOnlyFolder, WindowStartsWithItsAdaptersAndWritesNothing) {
  const std::optional<std::wstring> where = test::FolderFromEnvironment("QUILNET_READONLY_FOLDER");
  ASSERT_TRUE(where) << "run through readonly-folder.sh, which sets QUILNET_READONLY_FOLDER";
  wmi.adapters = {{L"Intel(R) Ethernet I219-LM", List{L"192.168.1.23"}, L"3C:52:82:1A:2B:3C"},
                  {L"Realtek USB GbE", List{L"10.20.30.40"}, L"00:E0:4C:68:00:01"}};
  Start({.folder = *where});
  EXPECT_TRUE(IsWindowVisible(hwnd()));
  EXPECT_EQ(Entries(L"Combo1"), (List{L"Intel(R) Ethernet I219-LM", L"Realtek USB GbE"}));
  EXPECT_EQ(form->Text(L"Combo1"), L"Intel(R) Ethernet I219-LM");
  EXPECT_EQ(form->Text(L"Text27"), L"192.168.1.23");
  EXPECT_EQ(GetFileAttributesW((*where + L"\\HQ.bat").c_str()), INVALID_FILE_ATTRIBUTES);

  // Shutdown's deletions fail here too, and are skipped.
  const HWND window = hwnd();
  SendMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(closed, 1);
}

TEST_F(ReadOnlyFolder, SaveSaysItCannotWriteAndLeavesTheCaptions) {
  const std::optional<std::wstring> where = test::FolderFromEnvironment("QUILNET_READONLY_FOLDER");
  ASSERT_TRUE(where) << "run through readonly-folder.sh, which sets QUILNET_READONLY_FOLDER";
  Start({.folder = *where});
  SaveValidProfiles();
  EXPECT_EQ(form->Text(L"Label1"), L"提示：保存失败，无法写入IP.ini！");
  EXPECT_EQ(WindowText(Ctl(L"Command10")), L"名称");
}

TEST_F(ImmutableProfileFile, LoadsAndRefusesToBeRewritten) {
  const std::optional<std::wstring> where = test::FolderFromEnvironment("QUILNET_IMMUTABLE_FOLDER");
  if (!where) GTEST_SKIP() << "the file system cannot make a file immutable";
  const std::optional<std::string> before = ReadFileBytes(*where + L"\\IP.ini", 4096);
  ASSERT_TRUE(before);
  Start({.folder = *where});
  EXPECT_EQ(form->Text(L"Text1"), L"固定");
  SaveValidProfiles();
  EXPECT_EQ(form->Text(L"Label1"), L"提示：保存失败，无法写入IP.ini！");
  EXPECT_EQ(WindowText(Ctl(L"Command10")), L"固定");
  EXPECT_EQ(ReadFileBytes(*where + L"\\IP.ini", 4096), before);
}

}  // namespace
}  // namespace quilnet
