#include "platform/SystemLibrary.h"

#include <string>

namespace quilnet {

void RestrictLibrarySearchToSystemFolder() noexcept {
  // A system without it still drops the current folder from the search.
  if (!SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)) SetDllDirectoryW(L"");
  // Libraries that the platform's own code loads by name on our behalf, where not every loader keeps to
  // the restriction (Wine's theme library, painting a drop-down list, took msimg32 from the program's
  // folder, and Wine's common controls took the theme library itself): loaded now from the system folder,
  // so that a later load by name finds them loaded.
  for (const wchar_t* name : {L"msimg32.dll", L"uxtheme.dll"}) SystemLibrary(name);
}

HMODULE SystemLibrary(const wchar_t* name) noexcept {
  wchar_t folder[MAX_PATH];
  const UINT n = GetSystemDirectoryW(folder, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return nullptr;
  try {
    // By full path, so that a library of that name that is already loaded from elsewhere is not reused;
    // its own dependencies come from the system folder too.
    const std::wstring path = std::wstring(folder, n) + L"\\" + name;
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  } catch (...) {
    return nullptr;
  }
}

}  // namespace quilnet
