#pragma once
// The IP Helper's change notifications: an interface of any address family came or went, or an IPv4
// address was added, removed or changed. The callback runs on a thread of the system's.
#include <windows.h>

#include <functional>

namespace quilnet {

class NetChangeNotifications {
 public:
  // Registers for both; `changed` must be safe to call from any thread.
  explicit NetChangeNotifications(std::function<void()> changed);
  // Cancels both; waits for a callback in progress. Never from inside a callback.
  ~NetChangeNotifications();
  NetChangeNotifications(const NetChangeNotifications&) = delete;
  NetChangeNotifications& operator=(const NetChangeNotifications&) = delete;

  // Both registrations stand. Wine 8 answers success without a handle and never calls back: a
  // registration without a handle counts as none.
  bool Working() const noexcept { return interfaces_ && addresses_; }

 private:
  std::function<void()> changed_;
  HANDLE interfaces_ = nullptr;
  HANDLE addresses_ = nullptr;
};

}  // namespace quilnet
