// Quilnet: switches a network adapter's IPv4 settings with one click.
#include <windows.h>
#include <commctrl.h>

#include "app/Form1.h"
#include "platform/Files.h"
#include "platform/Handles.h"
#include "platform/SystemLibrary.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  // First of all: from here on no library comes from the program's folder (see SystemLibrary.h).
  quilnet::RestrictLibrarySearchToSystemFolder();
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  const quilnet::ComApartment com;
  const auto wmi = quilnet::MakeComWmi();
  quilnet::SystemProcessStarter starter;
  quilnet::Form1 form(*wmi, starter, quilnet::ExecutableFolder());
  form.onClosed = [] { PostQuitMessage(0); };
  if (!form.Create(showCommand)) return 1;

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    // Access keys of the buttons first, then Tab and Shift+Tab between the controls, as in a dialog.
    if (form.hwnd() && quilnet::button::TranslateAccessKey(form.hwnd(), msg)) continue;
    if (form.hwnd() && IsDialogMessageW(form.hwnd(), &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}
