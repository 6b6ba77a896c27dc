#include "platform/JobThread.h"

#include <objbase.h>

#include <chrono>

namespace quilnet {

JobThread::~JobThread() {
  Stop();
  if (thread_.joinable()) thread_.join();
}

bool JobThread::Queue(std::function<void()> job) noexcept {
  try {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (stopping_) return false;
    jobs_.push_back(std::move(job));
    if (!thread_.joinable()) {
      try {
        thread_ = std::thread([this] { Run(); });
      } catch (...) {
        jobs_.pop_back();
        return false;
      }
    }
  } catch (...) {
    return false;
  }
  wake_.notify_one();
  return true;
}

void JobThread::Stop() noexcept {
  std::deque<std::function<void()>> dropped;
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
    dropped.swap(jobs_);
  }
  wake_.notify_one();
}

void JobThread::Run() noexcept {
  // A single-threaded apartment, as on the window's thread: the WMI scripting objects are
  // apartment-threaded, and from a multithreaded apartment every call to them would be marshalled to a
  // host thread that COM starts for them (under Wine that costs some 5 MB and a thread).
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  for (;;) {
    std::function<void()> job;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
      if (stopping_) break;
      job = std::move(jobs_.front());
      jobs_.pop_front();
    }
    try {
      job();
    } catch (...) {
    }
  }
  if (SUCCEEDED(com)) CoUninitialize();
  const std::lock_guard<std::mutex> lock(mutex_);
  ended_ = true;
  endedSignal_.notify_all();
}

bool JobThread::Finished(DWORD ms) noexcept {
  std::unique_lock<std::mutex> lock(mutex_);
  if (!thread_.joinable()) return true;
  return endedSignal_.wait_for(lock, std::chrono::milliseconds(ms), [this] { return ended_; });
}

}  // namespace quilnet
