#pragma once
// Libraries from the system folder only. The program runs elevated from a folder that others may be able to
// write, so no library is ever taken from its own folder or the current one.
#include <windows.h>

namespace quilnet {

// Limits every later library search of the process, the platform's own on our behalf included, to the
// system folder. Called first thing, before anything could load a library by name.
void RestrictLibrarySearchToSystemFolder() noexcept;

// A library of the system folder that is not among the platform's known DLLs (msimg32, oleacc, iphlpapi),
// loaded on first use rather than as an import, so that it never comes from the program's folder.
// Loaded once and kept for the life of the process; nullptr when the system has none of that name.
HMODULE SystemLibrary(const wchar_t* name) noexcept;

// A function of such a library, or nullptr: msimg32's AlphaBlend, comctl32's _TrackMouseEvent, ...
//   auto blend = SystemFunction<decltype(&AlphaBlend)>(L"msimg32.dll", "AlphaBlend");
template <class Function>
Function SystemFunction(const wchar_t* library, const char* name) noexcept {
  const HMODULE module = SystemLibrary(library);
  return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace quilnet
