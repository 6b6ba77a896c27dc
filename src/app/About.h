#pragma once
// The About box: the program's only message box.
#include <windows.h>

#include <string>

namespace quilnet {

inline constexpr wchar_t kAboutTitle[] = L"提示！";

// Three lines joined by CR LF: the title, the credits, the contact line. The contact number is kept
// only in Base64 form and decoded each time.
std::wstring AboutMessage();
// Modal to `owner`, OK only, no icon; returns when the user closes it.
void ShowAbout(HWND owner);

}  // namespace quilnet
