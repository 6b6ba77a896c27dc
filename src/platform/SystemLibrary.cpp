#include "platform/SystemLibrary.h"

#include <string>

namespace quilnet {

FARPROC SystemLibraryProc(const wchar_t* library, const char* function) noexcept {
  HMODULE module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (!module) {
    // Systems without the search flags refuse it: name the file by its full system path instead.
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    const std::wstring path = std::wstring(folder, length) + L"\\" + library;
    module = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  }
  return module ? GetProcAddress(module, function) : nullptr;
}

}  // namespace quilnet
