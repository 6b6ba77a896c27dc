#include "controls/button/AccessKeys.h"

#include <cwctype>
#include <vector>

#include "controls/button/Zivududi.h"
#include "platform/Window.h"

namespace quilnet::button {
namespace {

wchar_t Lower(wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); }

// Letters of every script and digits; never a space, a tab or a control character.
bool IsKeyCharacter(wchar_t c) { return IsCharAlphaNumericW(c) != FALSE; }

// The buttons that answer to one key, in the order of the window's children, and the first of them that
// lies after the focused window in that order.
struct Scan {
  wchar_t key = 0;
  HWND focus = nullptr;
  bool pastFocus = false;
  std::vector<HWND> buttons;
  HWND firstAfterFocus = nullptr;
  bool failed = false;
};

// An enumeration callback: nothing may leave it, so a failure ends the scan and takes no key.
BOOL CALLBACK CollectButton(HWND child, LPARAM data) {
  Scan& scan = *reinterpret_cast<Scan*>(data);
  try {
    const bool after = scan.pastFocus;
    if (child == scan.focus) scan.pastFocus = true;
    wchar_t name[32] = {};
    GetClassNameW(child, name, 32);
    if (wcscmp(name, kButtonClass) != 0 || !IsWindowVisible(child) || !IsWindowEnabled(child)) return TRUE;
    const std::wstring key = AccessKeyOf(WindowText(child));
    if (key.size() != 1 || key[0] != scan.key) return TRUE;
    scan.buttons.push_back(child);
    if (after && !scan.firstAfterFocus) scan.firstAfterFocus = child;
    return TRUE;
  } catch (...) {
    scan.failed = true;
    return FALSE;
  }
}

}  // namespace

std::wstring AccessKeyOf(std::wstring_view caption) {
  if (caption.size() <= 1) return {};
  const size_t p = caption.find(L'&');
  if (p == std::wstring_view::npos || p + 1 >= caption.size()) return {};
  wchar_t marked = caption[p + 1];
  if (marked == L'&') {
    const size_t q = caption.find(L'&', p + 2);
    if (q == std::wstring_view::npos || q + 1 >= caption.size() || caption[q + 1] == L'&') return {};
    marked = caption[q + 1];
  }
  return IsKeyCharacter(marked) ? std::wstring(1, Lower(marked)) : std::wstring();
}

bool TranslateAccessKey(HWND root, const MSG& msg) {
  if (msg.message != WM_SYSCHAR && msg.message != WM_CHAR) return false;
  if (!root || (msg.hwnd != root && !IsChild(root, msg.hwnd))) return false;
  const auto typed = static_cast<wchar_t>(msg.wParam);
  if (!IsKeyCharacter(typed)) return false;
  const HWND focus = GetFocus();
  if (msg.message == WM_CHAR) {
    // A key alone is an access key only where no typed text is taken.
    if (!focus || (SendMessageW(focus, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg)) &
                   (DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTALLKEYS | DLGC_WANTMESSAGE))) {
      return false;
    }
  }
  Scan scan;
  scan.key = Lower(typed);
  scan.focus = focus;
  EnumChildWindows(root, CollectButton, reinterpret_cast<LPARAM>(&scan));
  if (scan.failed || scan.buttons.empty()) return false;
  if (scan.buttons.size() == 1) {
    SendMessageW(scan.buttons.front(), WM_SYSCHAR, msg.wParam, msg.lParam);
  } else {
    SetFocus(scan.firstAfterFocus ? scan.firstAfterFocus : scan.buttons.front());
  }
  return true;
}

}  // namespace quilnet::button
