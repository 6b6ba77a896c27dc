// Quilnet's window with nothing outside the process: no WMI, no script. Set beside the bare window and
// the whole program, it tells what the window itself costs and what the start-up's WMI and process work do.
#include <windows.h>
#include <commctrl.h>

#include "app/Form1.h"
#include "platform/Files.h"

namespace {

class NoWmi final : public quilnet::Wmi {
 public:
  std::unique_ptr<quilnet::WmiService> Connect(const std::wstring&) override {
    throw quilnet::WmiError(E_NOTIMPL, "not measured here");
  }
  std::unique_ptr<quilnet::Wmi> ForThisThread() override { return std::make_unique<NoWmi>(); }
};

class NoProcesses final : public quilnet::ProcessStarter {
 public:
  quilnet::UniqueHandle StartHidden(const std::wstring&, const std::wstring&) override { return {}; }
  std::optional<DWORD> ExitCode(HANDLE) override { return std::nullopt; }
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  NoWmi wmi;
  NoProcesses starter;
  quilnet::Form1 form(wmi, starter, quilnet::ExecutableFolder());
  form.onClosed = [] { PostQuitMessage(0); };
  if (!form.Create(showCommand)) return 1;
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
