#pragma once
// Starting programs with a hidden window, without waiting for them, and learning when they have ended.
#include <optional>
#include <string>

#include "platform/Handles.h"

namespace quilnet {

// A process started in a job of its own: what it starts runs in the job too, and ending the job ends them
// all. The job also ends them when its last handle closes, so nothing started in it outlives its owner.
class JobProcess {
 public:
  JobProcess() noexcept = default;
  // `port` is told when the job has no process left; without it, End waits for `process` alone.
  JobProcess(UniqueHandle process, UniqueHandle job, UniqueHandle port) noexcept;
  JobProcess(JobProcess&&) noexcept = default;
  JobProcess& operator=(JobProcess&& other) noexcept;
  ~JobProcess() { End(); }

  HANDLE process() const noexcept { return process_.get(); }
  explicit operator bool() const noexcept { return process_ != nullptr; }
  // Ends every process of the job and returns once they have gone (so the files they held are closed),
  // or after a bound when the system does not say so. Empty afterwards.
  void End() noexcept;

 private:
  UniqueHandle process_;
  UniqueHandle job_;
  UniqueHandle port_;
};

// A program started with its standard output and error going into one pipe of its own.
struct CapturedProcess {
  UniqueHandle process;
  UniqueHandle output;  // the pipe's reading end; empty when nothing is captured
};

class ProcessStarter {
 public:
  virtual ~ProcessStarter() = default;
  // Starts the command line hidden in the given folder and returns at once with the process handle;
  // an empty handle when the program could not be started.
  virtual UniqueHandle StartHidden(const std::wstring& commandLine, const std::wstring& currentFolder) = 0;
  // The exit code of a process it started, once that has ended; nothing while it runs (or when the code
  // cannot be read).
  virtual std::optional<DWORD> ExitCode(HANDLE process) = 0;
  // Starts a command interpreter's command line hidden in the given folder, in a job of its own (see
  // JobProcess), with the program's environment except that cmd looks for no program in its current folder
  // and %SystemRoot% is the real Windows folder. Empty when it could not start in such a job; by default,
  // for starters that run no scripts.
  virtual JobProcess StartScript(const std::wstring& commandLine, const std::wstring& currentFolder);
  // Starts as StartHidden does, with the program's output captured. A starter that cannot capture starts
  // it without: what it said then reads as nothing.
  virtual CapturedProcess StartCapturing(const std::wstring& commandLine, const std::wstring& currentFolder) {
    return {StartHidden(commandLine, currentFolder), UniqueHandle()};
  }
};

class SystemProcessStarter final : public ProcessStarter {
 public:
  UniqueHandle StartHidden(const std::wstring& commandLine, const std::wstring& currentFolder) override;
  std::optional<DWORD> ExitCode(HANDLE process) override;
  JobProcess StartScript(const std::wstring& commandLine, const std::wstring& currentFolder) override;
  CapturedProcess StartCapturing(const std::wstring& commandLine, const std::wstring& currentFolder) override;
};

// What a captured program wrote into its pipe, decoded from the OEM code page, in which console programs
// write. It never waits for more: read once the program has ended, it is everything. The pipe holds
// kCapturedBytes, so a program that says less never waits for a reader.
std::wstring ReadCapturedOutput(HANDLE pipe);
inline constexpr DWORD kCapturedBytes = 64 * 1024;

// Posts a message to a window once a process has ended (any waitable handle: once it is signalled), so
// that the window's thread never waits. The wait runs on the thread pool; it is removed, and a post in
// flight finished, when the watch goes. The handle must outlive the watch.
class ProcessWatch {
 public:
  ProcessWatch(HANDLE process, HWND window, UINT message, WPARAM wParam) noexcept;
  ~ProcessWatch();
  ProcessWatch(const ProcessWatch&) = delete;
  ProcessWatch& operator=(const ProcessWatch&) = delete;
  // False when the wait could not be set up: no message will come.
  bool watching() const noexcept { return wait_ != nullptr; }

 private:
  static void CALLBACK Ended(void* context, BOOLEAN timedOut);
  HWND window_;
  UINT message_;
  WPARAM wParam_;
  HANDLE wait_ = nullptr;
};

// Full path of a program in the system folder (cmd.exe, netsh.exe), so that no other folder's copy is run.
std::wstring SystemProgramPath(const std::wstring& name);

}  // namespace quilnet
