#include "app/AdapterWatch.h"

#include <objbase.h>

#include <chrono>
#include <memory>
#include <utility>

#include "platform/NetChange.h"

namespace quilnet {

AdapterWatch::~AdapterWatch() {
  Stop();
  if (thread_.joinable()) thread_.join();
}

bool AdapterWatch::Start(HWND window, const Timing& timing) noexcept {
  try {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (stopping_ || thread_.joinable()) return false;
    window_ = window;
    timing_ = timing;
    thread_ = std::thread([this] { Run(); });
    return true;
  } catch (...) {
    return false;
  }
}

void AdapterWatch::Refresh() noexcept {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    woken_ = true;
    forceReport_ = true;
  }
  wake_.notify_one();
}

std::optional<AdapterSnapshot> AdapterWatch::Take() {
  const std::lock_guard<std::mutex> lock(mutex_);
  posted_ = false;
  return std::exchange(pending_, std::nullopt);
}

void AdapterWatch::Stop() noexcept {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
    window_ = nullptr;
  }
  wake_.notify_one();
}

bool AdapterWatch::Looked() noexcept {
  const std::lock_guard<std::mutex> lock(mutex_);
  return looked_;
}

void AdapterWatch::Report(AdapterSnapshot snapshot) {
  if (last_ == snapshot && !forceReport_) return;
  forceReport_ = false;
  last_ = snapshot;
  pending_ = std::move(snapshot);
  // One message at a time: the window takes the latest snapshot, however many came meanwhile.
  if (!posted_ && window_) posted_ = PostMessageW(window_, message_, 0, 0) != FALSE;
}

void AdapterWatch::Run() noexcept {
  // Apartment-threaded for the same reason as the switches' thread (JobThread.cpp). Nothing calls into
  // this apartment from outside, so it needs no message loop.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  try {
    const std::unique_ptr<Wmi> wmi = wmi_.ForThisThread();
    std::unique_ptr<WmiService> service;
    const NetChangeNotifications notifications([this]() noexcept {
      {
        const std::lock_guard<std::mutex> lock(mutex_);
        woken_ = true;
      }
      wake_.notify_one();
    });
    const DWORD idleMs = notifications.Working() ? timing_.quietMs : timing_.pollMs;
    int settling = 0;
    for (;;) {
      std::optional<AdapterSnapshot> snapshot;
      try {
        if (!service) service = wmi->Connect(WindowMoniker());
        snapshot = TakeSnapshot(*service);
      } catch (...) {
        service.reset();  // connect again at the next look; the window keeps what it shows
      }
      std::unique_lock<std::mutex> lock(mutex_);
      if (stopping_) break;
      if (snapshot) Report(std::move(*snapshot));
      looked_ = true;
      if (!timing_.follow) break;
      const DWORD waitMs = settling > 0 ? timing_.settleMs : idleMs;
      if (settling > 0) --settling;
      wake_.wait_for(lock, std::chrono::milliseconds(waitMs), [this] { return stopping_ || woken_; });
      if (stopping_) break;
      if (std::exchange(woken_, false)) settling = timing_.settleLooks;
    }
  } catch (...) {
  }
  {
    // Also when the thread could not look at all (no WMI client for it): there will be no first look.
    const std::lock_guard<std::mutex> lock(mutex_);
    looked_ = true;
  }
  if (SUCCEEDED(com)) CoUninitialize();
}

}  // namespace quilnet
