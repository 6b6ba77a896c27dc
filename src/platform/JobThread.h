#pragma once
// One thread that runs jobs one after another, in the order they were queued, inside a single-threaded
// COM apartment of its own. It has no message loop: nothing outside calls into that apartment, and COM
// pumps what its own outgoing calls need while they wait.
#include <windows.h>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace quilnet {

class JobThread {
 public:
  JobThread() = default;
  // Stops, then waits for the job in progress: the thread never outlives its owner.
  ~JobThread();
  JobThread(const JobThread&) = delete;
  JobThread& operator=(const JobThread&) = delete;

  // Queues a job; the thread starts with the first one. False when it could not be queued (stopped, or no
  // thread). An exception that leaves a job ends that job only.
  bool Queue(std::function<void()> job) noexcept;
  // Jobs not yet begun are dropped and no more are taken; the one in progress runs on. Never waits.
  void Stop() noexcept;
  // Once stopped: waits at most `ms` for the job in progress; true when the thread has none left.
  bool Finished(DWORD ms) noexcept;

 private:
  void Run() noexcept;

  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::function<void()>> jobs_;
  bool stopping_ = false;
  bool ended_ = false;
  std::condition_variable endedSignal_;
  std::thread thread_;
};

}  // namespace quilnet
