#pragma once
// The named properties the skin keeps on every window it attaches, and how they are read and written.
// Values are pointer-sized; a property that was never set reads as 0.
#include <windows.h>

namespace quilnet::skin {

// Every attached window: the procedure below the skin (it also marks the window as attached).
inline constexpr wchar_t kProcAddr[] = L"PROCADDR";
// Push buttons: the style before attachment; the button's type bits decide whether it is skinned.
inline constexpr wchar_t kOldStyle[] = L"OLDSTYLE";
// Push buttons, combos, drive lists, check boxes, options: the skin state last drawn (or fading in).
inline constexpr wchar_t kOldState[] = L"OLDSTATE";
// 1 from the first mouse move until the pointer leaves (a leave notification is pending).
inline constexpr wchar_t kMouseFlag[] = L"MOUSEFLAG";
// Push buttons: the running fade timer (0: none) and the alpha of the next blend.
inline constexpr wchar_t kTimerId[] = L"TIMERID";
inline constexpr wchar_t kAlphaLevel[] = L"ALPHALEVEL";
// Headers: the pressed and the hot item, -1 for none.
inline constexpr wchar_t kHdIndex[] = L"HDINDEX";
inline constexpr wchar_t kHmIndex[] = L"HMINDEX";

// Push buttons: the memory DC holding the image of skin state n, and the bitmap selected into it.
inline const wchar_t* StateDcName(int state) noexcept {
  static constexpr const wchar_t* kNames[] = {L"HDC0", L"HDC1", L"HDC2", L"HDC3"};
  return kNames[state & 3];
}
inline const wchar_t* StateBitmapName(int state) noexcept {
  static constexpr const wchar_t* kNames[] = {L"BMP0", L"BMP1", L"BMP2", L"BMP3"};
  return kNames[state & 3];
}

inline INT_PTR ReadProp(HWND window, const wchar_t* name) noexcept {
  return reinterpret_cast<INT_PTR>(GetPropW(window, name));
}
inline void WriteProp(HWND window, const wchar_t* name, INT_PTR value) noexcept {
  SetPropW(window, name, reinterpret_cast<HANDLE>(value));
}

}  // namespace quilnet::skin
