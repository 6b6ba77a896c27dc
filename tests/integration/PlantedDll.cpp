// A library planted beside the program under a system library's name (planted-dll.sh has Wine prefer such
// a copy) is never loaded into Quilnet; the same plant does load into a plain program, so this can fail.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/CodePage.h"
#include "support/Pump.h"
#include "support/TestFolder.h"

namespace quilnet {
namespace {

std::wstring FileFromEnvironment(const char* variable) {
  const char* value = std::getenv(variable);
  return value ? test::WindowsPath(FromCodePage(value, CP_UTF8)) : std::wstring();
}

HWND VisibleWindowOf(DWORD process) {
  struct Search {
    DWORD process;
    HWND found;
  } search{process, nullptr};
  EnumWindows(
      [](HWND window, LPARAM context) {
        auto* s = reinterpret_cast<Search*>(context);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != s->process || !IsWindowVisible(window)) return TRUE;
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Starts the program in its folder, lets it show and paint its window, then closes it. True when it ended.
bool RunUntilShownThenClose(const std::wstring& program, const std::wstring& folder) {
  std::wstring line = L"\"" + program + L"\"";
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi)) {
    return false;
  }
  CloseHandle(pi.hThread);
  HWND window = nullptr;
  test::PumpUntil([&] { return (window = VisibleWindowOf(pi.dwProcessId)) != nullptr; }, 30000);
  if (window) {
    // Painted all through, the drop-down list included, before it is asked to close.
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &ignored);
    PostMessageW(window, WM_CLOSE, 0, 0);
  }
  const bool ended = WaitForSingleObject(pi.hProcess, 30000) == WAIT_OBJECT_0;
  if (!ended) TerminateProcess(pi.hProcess, 1);
  CloseHandle(pi.hProcess);
  return window && ended;
}

TEST(PlantedLibrary, LoadsIntoAPlainProgramAndNeverIntoQuilnet) {
  const std::wstring plant = FileFromEnvironment("QUILNET_PLANTED_LIBRARY");
  ASSERT_FALSE(plant.empty()) << "run through planted-dll.sh";
  const struct {
    const char* variable;
    bool loadsPlant;
  } cases[] = {{"QUILNET_PLAIN_WINDOW", true}, {"QUILNET_PROGRAM", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.variable);
    const std::wstring program = FileFromEnvironment(c.variable);
    ASSERT_FALSE(program.empty());
    test::TestFolder folder;
    const std::wstring copy = folder.File(program.substr(program.find_last_of(L'\\') + 1));
    ASSERT_TRUE(CopyFileW(program.c_str(), copy.c_str(), FALSE));
    ASSERT_TRUE(CopyFileW(plant.c_str(), folder.File(L"msimg32.dll").c_str(), FALSE));
    EXPECT_TRUE(RunUntilShownThenClose(copy, folder.path()));
    EXPECT_EQ(folder.Exists(L"canary.txt"), c.loadsPlant);
  }
}

// What MSVC's /DEPENDENTLOADFLAG:0x800 writes: the loader takes the image's imports from the system folder.
TEST(PlantedLibrary, QuilnetAsksTheLoaderForLibrariesFromTheSystemFolderAlone) {
  const std::wstring program = FileFromEnvironment("QUILNET_PROGRAM");
  const HMODULE image = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(image, nullptr);
  const auto* base = reinterpret_cast<const BYTE*>(reinterpret_cast<ULONG_PTR>(image) & ~ULONG_PTR{3});
  const auto* nt =
      reinterpret_cast<const IMAGE_NT_HEADERS64*>(base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
  const IMAGE_DATA_DIRECTORY directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_LOAD_CONFIG];
  ASSERT_GE(directory.Size, 0x50u);
  const BYTE* config = base + directory.VirtualAddress;
  EXPECT_EQ(*reinterpret_cast<const DWORD*>(config), directory.Size);  // the loader compares the two
  EXPECT_EQ(*reinterpret_cast<const WORD*>(config + 0x4E), LOAD_LIBRARY_SEARCH_SYSTEM32);  // DependentLoadFlags
  FreeLibrary(image);
}

}  // namespace
}  // namespace quilnet
