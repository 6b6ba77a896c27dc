#pragma once
// Skins single controls for tests and pictures: each goes through the skin's own entry, which builds
// the skin bitmaps with the first window and attaches it with its family's properties.
#include <windows.h>
#include <commctrl.h>

#include "skin/MSkinner.h"

namespace quilnet::skin::test {

// Registers the control classes of other runtimes that the skin knows by name, as standard controls under
// those names, so that every family's painter runs on a real control. False when a base class is missing.
inline bool RegisterForeignClasses() {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  const struct {
    const wchar_t* base;
    const wchar_t* name;
  } classes[] = {{L"Button", L"ThunderRT6CheckBox"},      {L"Button", L"ThunderRT6OptionButton"},
                 {L"ComboBox", L"ThunderRT6DriveListBox"}, {PROGRESS_CLASSW, L"ProgressBar20WndClass"},
                 {L"ListBox", L"DataListWndClass"},        {L"ListBox", L"ApexGridXYZ"}};
  bool all = true;
  for (const auto& c : classes) {
    WNDCLASSEXW wc{sizeof wc};
    if (!GetClassInfoExW(nullptr, c.base, &wc)) {
      all = false;
      continue;
    }
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = c.name;
    RegisterClassExW(&wc);
  }
  return all;
}

// False when the window could not be attached.
inline bool SkinControl(HWND window) { return SkinForm(window) == 1; }

}  // namespace quilnet::skin::test
