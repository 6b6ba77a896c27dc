// A start in a folder that nobody can write (readonly-folder.sh mounts it read-only and names it in
// QUILNET_READONLY_FOLDER): the script cannot be written, and the rest of the start-up runs as usual.
#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "app/Form1.h"
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

}  // namespace
}  // namespace quilnet
