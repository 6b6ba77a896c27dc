#pragma once
// Skins single controls for tests and pictures: each goes through the skin's own entry, which builds
// the skin bitmaps with the first window and attaches it with its family's properties.
#include <windows.h>
#include <commctrl.h>

#include <map>

#include "skin/MSkinner.h"

namespace quilnet::skin::test {

// Registers, once per program, the classes of other runtimes that the skin knows by name as copies of the
// standard controls standing in for them (or plain windows); with `procedure` in place of each base's,
// whose procedure `bases` then learns. False when a base class is missing.
inline bool RegisterForeignClasses(WNDPROC procedure = nullptr, std::map<ATOM, WNDPROC>* bases = nullptr) {
  static const bool all = [&] {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    constexpr const wchar_t* kClasses[][2] = {
        {L"ThunderRT6FormDC", nullptr},       {L"ThunderRT6CommandButton", L"Button"},
        {L"ThunderRT6ComboBox", L"ComboBox"}, {L"ThunderRT6DriveListBox", L"ComboBox"},
        {L"ThunderRT6CheckBox", L"Button"},   {L"ThunderRT6OptionButton", L"Button"},
        {L"MSVB_Lib_Header", WC_HEADERW},     {L"ProgressBar20WndClass", PROGRESS_CLASSW},
        {L"DataListWndClass", L"ListBox"},    {L"ApexGridOleDB32", L"ListBox"},
        {L"ThunderRT6TextBox", L"Edit"},      {L"ThunderRT6Frame", nullptr},
    };
    bool found = true;
    for (const auto& [name, base] : kClasses) {
      WNDCLASSEXW wc{sizeof wc};
      if (base && !GetClassInfoExW(nullptr, base, &wc)) found = false;
      const WNDPROC baseProc = base ? wc.lpfnWndProc : nullptr;
      wc.cbSize = sizeof wc;
      wc.lpfnWndProc = procedure ? procedure : baseProc ? baseProc : DefWindowProcW;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.lpszClassName = name;
      if (!base) wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
      const ATOM atom = RegisterClassExW(&wc);
      if (bases) (*bases)[atom] = baseProc;  // nullptr: none
    }
    return found;
  }();
  return all;
}

// False when the window could not be attached.
inline bool SkinControl(HWND window) { return SkinForm(window) == 1; }

}  // namespace quilnet::skin::test
