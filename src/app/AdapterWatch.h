#pragma once
// Keeps the window's adapter list and address boxes true while it is open. A worker thread with a WMI
// client of its own takes a snapshot of the IP-enabled adapters (description, first IPv4 address, MAC)
// when the platform reports a change, when asked to, and every few seconds where the platform's reports
// do not come (Wine); it posts to the window only when the snapshot differs from the last one, so an idle
// window does no work for it. The window then takes the snapshot, which needs no WMI on its own thread.
//
// Shutdown as for the apply buttons' switches: Stop (at WM_DESTROY) cuts the thread off from the window
// and wakes it; the thread ends at once unless a query is in progress, and is joined when this goes.
#include <windows.h>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

#include "net/Adapters.h"
#include "platform/Wmi.h"

namespace quilnet {

class AdapterWatch {
 public:
  struct Timing {
    DWORD pollMs = 2500;       // between looks, where the platform reports no changes
    DWORD quietMs = 60000;     // between looks where it does: only in case one was missed
    DWORD settleMs = 1000;     // after a report or a switch, the address may take a moment to settle:
    int settleLooks = 3;       // so many more looks, this far apart
    bool follow = true;        // false: the first look only, then the thread ends (the window's tests)
  };

  AdapterWatch(Wmi& wmi, UINT message) : wmi_(wmi), message_(message) {}
  ~AdapterWatch();
  AdapterWatch(const AdapterWatch&) = delete;
  AdapterWatch& operator=(const AdapterWatch&) = delete;

  // Starts the thread; its first snapshot is posted as soon as it is taken. False when it could not start.
  bool Start(HWND window, const Timing& timing) noexcept;
  // Look again now and a few times after, and post the next snapshot even when nothing changed: a switch
  // has ended, or the window set aside a snapshot it could not show.
  void Refresh() noexcept;
  // The latest snapshot posted and not yet taken.
  std::optional<AdapterSnapshot> Take();
  // The window is going: see above. Never waits.
  void Stop() noexcept;
  // The first look is over and its outcome posted (also when it failed: then the window keeps what it shows).
  bool Looked() noexcept;

 private:
  void Run() noexcept;
  // Records a snapshot; posts it when it differs or was asked for. Under the lock.
  void Report(AdapterSnapshot snapshot);

  Wmi& wmi_;
  UINT message_;
  Timing timing_;
  std::mutex mutex_;
  std::condition_variable wake_;
  HWND window_ = nullptr;
  bool stopping_ = false;
  bool woken_ = false;
  bool forceReport_ = false;
  bool posted_ = false;
  bool looked_ = false;
  std::optional<AdapterSnapshot> last_;
  std::optional<AdapterSnapshot> pending_;
  std::thread thread_;  // last: joined before the rest goes
};

}  // namespace quilnet
