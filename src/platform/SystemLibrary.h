#pragma once
// Functions of libraries that are not the platform's known DLLs, loaded on first use from the system
// folder only: a program started elevated from a folder others can write must not pick up a planted copy.
#include <windows.h>

namespace quilnet {

// The export `name` of `library` loaded from the system folder; nullptr when either is missing. The
// library stays loaded for the life of the process.
FARPROC SystemProc(const wchar_t* library, const char* name);

template <class Function>
Function SystemFunction(const wchar_t* library, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(SystemProc(library, name)));
}

}  // namespace quilnet
