#pragma once
// The apply buttons' switches. Reconfiguring an adapter takes seconds, so each switch runs on one worker
// thread with a WMI client of its own, in the order the buttons were pressed, while the window goes on
// answering; its outcome comes to the window as a posted message.
//
// Shutdown: Stop (at WM_DESTROY) drops the switches not yet begun and cuts the one in progress off from
// the window, so nothing is posted to a window that has gone, and the window's end never waits. When this
// object goes, the switch in progress is let finish rather than cut short halfway through the adapter's
// settings, but only until the exit deadline: a switch that hangs in WMI would otherwise keep an
// invisible elevated process alive. Past it the process is ended (the program's files were deleted at
// WM_DESTROY, before).
#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "net/StaticSwitch.h"
#include "platform/JobThread.h"
#include "platform/Wmi.h"

namespace quilnet {

// Ends this process at once, whatever its threads are doing.
void EndThisProcess() noexcept;

// How long the end waits for a switch in progress, and what it does past that.
struct ExitDeadline {
  DWORD ms = 5000;
  std::function<void()> overdue = EndThisProcess;
};

class ApplyRuns {
 public:
  // `message` is what the window receives, with the wParam for Ended, as each switch ends.
  ApplyRuns(Wmi& wmi, UINT message, ExitDeadline deadline = {})
      : wmi_(wmi), message_(message), deadline_(std::move(deadline)) {}
  ~ApplyRuns();
  ApplyRuns(const ApplyRuns&) = delete;
  ApplyRuns& operator=(const ApplyRuns&) = delete;

  // Queues the switch of the adapter of that description to these fields. Its outcome is the caption
  // followed by what the switch reports. False when it could not be queued.
  bool Start(HWND window, const std::wstring& caption, const std::wstring& adapter, const AddressFields& fields);
  // The outcome of the switch whose message arrived; nothing when it is not known (or was taken).
  std::optional<std::wstring> Ended(WPARAM which);
  // The window is going: see above.
  void Stop() noexcept;

 private:
  struct Shared {
    std::mutex mutex;
    HWND window = nullptr;
    bool stopped = false;
    std::map<unsigned, std::wstring> outcomes;
  };
  void Finish(unsigned id, std::wstring outcome);

  Wmi& wmi_;
  UINT message_;
  ExitDeadline deadline_;
  unsigned nextId_ = 0;
  Shared shared_;
  JobThread thread_;  // last, so that it is joined before the rest goes
};

}  // namespace quilnet
