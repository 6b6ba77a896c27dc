#pragma once
// Functions of system DLLs that the program does not import at load time. They are looked up on first
// use in the system folder only: the program runs elevated from folders that others may be able to
// write, and a DLL found beside it would run with its rights.
#include <windows.h>

namespace quilnet {

// The address of `function` in `library` (a bare file name such as L"msimg32.dll") loaded from the
// system folder; nullptr when either is missing. The library stays loaded for the life of the process.
FARPROC SystemLibraryProc(const wchar_t* library, const char* function) noexcept;

template <class Fn>
Fn SystemLibraryFunction(const wchar_t* library, const char* function) noexcept {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(SystemLibraryProc(library, function)));
}

}  // namespace quilnet
