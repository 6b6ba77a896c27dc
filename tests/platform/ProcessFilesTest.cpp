// Process start, files and code pages on the real platform.
#include <gtest/gtest.h>

#include <map>
#include <optional>

#include "platform/CodePage.h"
#include "platform/Files.h"
#include "platform/Handles.h"
#include "platform/Process.h"
#include "support/TestFolder.h"

namespace quilnet {
namespace {

DWORD ExitCodeOf(HANDLE process) {
  EXPECT_EQ(WaitForSingleObject(process, 10000), WAIT_OBJECT_0);
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process, &code);
  return code;
}

TEST(SystemProcessStarter, StartsHiddenInTheGivenFolderWithoutWaiting) {
  test::TestFolder folder;
  SystemProcessStarter starter;
  const std::wstring cmd = L"\"" + SystemProgramPath(L"cmd.exe") + L"\"";
  // The program runs in the folder it was given: it writes its file there.
  UniqueHandle writer = starter.StartHidden(cmd + L" /d /c \"echo here>where.txt& exit /b 7\"", folder.path());
  ASSERT_TRUE(writer);
  EXPECT_EQ(ExitCodeOf(writer.get()), 7u);
  EXPECT_EQ(folder.Read(L"where.txt").value_or(""), "here\r\n");

  // Not waiting: the call returns while the program still runs.
  UniqueHandle sleeper = starter.StartHidden(cmd + L" /d /c ping -n 3 127.0.0.1 >nul", folder.path());
  ASSERT_TRUE(sleeper);
  EXPECT_EQ(WaitForSingleObject(sleeper.get(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
  TerminateProcess(sleeper.get(), 0);
}

TEST(ProcessWatch, PostsToTheWindowOnceTheProcessHasEndedAndNothingOnceGone) {
  constexpr UINT kEnded = WM_APP + 7;
  const UniqueWindow window(CreateWindowExW(0, L"Static", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr));
  const auto received = [&](DWORD waitMs) -> std::optional<WPARAM> {
    MSG msg;
    for (const ULONGLONG end = GetTickCount64() + waitMs; GetTickCount64() < end; Sleep(10)) {
      if (PeekMessageW(&msg, window.get(), kEnded, kEnded, PM_REMOVE)) return msg.wParam;
    }
    return std::nullopt;
  };
  SystemProcessStarter starter;
  const std::wstring cmd = L"\"" + SystemProgramPath(L"cmd.exe") + L"\" /d /c ";
  UniqueHandle sleeper = starter.StartHidden(cmd + L"ping -n 2 127.0.0.1 >nul & exit /b 259", L"");
  ASSERT_TRUE(sleeper);
  const ProcessWatch watch(sleeper.get(), window.get(), kEnded, 11);
  ASSERT_TRUE(watch.watching());
  EXPECT_FALSE(starter.ExitCode(sleeper.get()).has_value());
  EXPECT_EQ(received(10000), WPARAM{11});
  EXPECT_EQ(starter.ExitCode(sleeper.get()), DWORD{STILL_ACTIVE});  // ended, though the code says otherwise
  EXPECT_FALSE(received(100).has_value());  // once

  UniqueHandle other = starter.StartHidden(cmd + L"ping -n 2 127.0.0.1 >nul", L"");
  { const ProcessWatch gone(other.get(), window.get(), kEnded, 22); }
  WaitForSingleObject(other.get(), 10000);
  EXPECT_FALSE(received(200).has_value());
}

TEST(SystemProcessStarter, ProgramThatCannotStartGivesNoHandle) {
  SystemProcessStarter starter;
  EXPECT_FALSE(starter.StartHidden(L"C:\\no\\such\\program.exe", L""));
  EXPECT_FALSE(starter.StartHidden(L"\"" + SystemProgramPath(L"cmd.exe") + L"\" /c exit", L"C:\\no\\such\\folder"));
}

TEST(Files, WriteReplacesReadCapsAndRemoveReports) {
  test::TestFolder folder;
  const std::wstring path = folder.File(L"a.txt");
  ASSERT_TRUE(WriteFileBytes(path, std::string("long old content")));
  ASSERT_TRUE(WriteFileBytes(path, std::string("new\0x", 5)));
  EXPECT_EQ(ReadFileBytes(path, 100).value(), std::string("new\0x", 5));
  EXPECT_EQ(ReadFileBytes(path, 2).value(), "ne");
  EXPECT_FALSE(ReadFileBytes(folder.File(L"missing.txt"), 100).has_value());
  EXPECT_TRUE(RemoveFile(path));
  EXPECT_FALSE(RemoveFile(path));
  EXPECT_FALSE(WriteFileBytes(folder.File(L"no-folder\\a.txt"), "x"));
}

TEST(Files, AFileOrListingThatCannotBeOpenedReadsAsNoHandle) {
  test::TestFolder folder;
  EXPECT_FALSE(UniqueFile(CreateFileW(folder.File(L"missing.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0,
                                      nullptr)));
  ASSERT_TRUE(WriteFileBytes(folder.File(L"a.txt"), "a"));
  CreateDirectoryW(folder.File(L"sub").c_str(), nullptr);
  std::map<std::wstring, bool> isFolder;
  for (const FolderEntry& entry : FolderEntries(folder.path())) {
    isFolder[entry.name] = (entry.attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  }
  EXPECT_EQ(isFolder, (std::map<std::wstring, bool>{{L"a.txt", false}, {L"sub", true}}));
  EXPECT_TRUE(FolderEntries(folder.File(L"missing")).empty());
}

TEST(Files, ExecutableFolderHoldsTheRunningProgram) {
  const std::wstring folder = ExecutableFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), L'\\');
  EXPECT_NE(GetFileAttributesW((folder + L"\\platform_tests.exe").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(CodePage, GbkBothWaysAndNoLookalikes) {
  EXPECT_EQ(ToCodePage(L"网1", kGbk), "\xCD\xF8" "1");
  EXPECT_EQ(FromCodePage("\xC4\xE3\xBA\xC3", kGbk), L"你好");
  EXPECT_EQ(ToCodePage(L"\u2460", kGbk), "\xA2\xD9");  // circled one is a GBK character of its own
  // Outside GBK: question marks (one per UTF-16 unit under Wine), never the look-alike '1'.
  EXPECT_EQ(ToCodePage(L"\U0001D7CF", kGbk).find_first_not_of('?'), std::string::npos);
  EXPECT_EQ(ToCodePage(L"", kGbk), "");
  EXPECT_EQ(FromCodePage("", kGbk), L"");
}

}  // namespace
}  // namespace quilnet
