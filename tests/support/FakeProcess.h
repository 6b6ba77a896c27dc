#pragma once
// A process starter that records the command line and starts nothing (or fails, when told to). What it
// hands out for each process is an event, which the test sets to end that process with an exit code;
// a captured one's output is a real pipe, into which the test writes what the process said.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Process.h"
#include "support/FakeWmi.h"

namespace quilnet::test {

class RecordingStarter final : public ProcessStarter {
 public:
  explicit RecordingStarter(std::shared_ptr<CallLog> log) : log_(std::move(log)) {}
  bool fail = false;
  // When set, each process has ended with this code as soon as it is started.
  std::optional<DWORD> endAtOnce;
  std::wstring lastFolder;

  UniqueHandle StartHidden(const std::wstring& commandLine, const std::wstring& currentFolder) override {
    log_->push_back(L"Start " + commandLine);
    lastFolder = currentFolder;
    if (fail) return UniqueHandle();
    Stand& stand = stands_.emplace_back();
    stand.event.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    HANDLE copy = nullptr;
    DuplicateHandle(GetCurrentProcess(), stand.event.get(), GetCurrentProcess(), &copy, 0, FALSE,
                    DUPLICATE_SAME_ACCESS);
    stand.given = copy;
    if (endAtOnce) End(stands_.size() - 1, *endAtOnce);
    return UniqueHandle(copy);
  }

  // Recorded and handed out as above, in no job.
  JobProcess StartScript(const std::wstring& commandLine, const std::wstring& currentFolder) override {
    return JobProcess(StartHidden(commandLine, currentFolder), {}, {});
  }

  CapturedProcess StartCapturing(const std::wstring& commandLine, const std::wstring& currentFolder) override {
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    const bool piped = !fail && CreatePipe(&readEnd, &writeEnd, nullptr, kCapturedBytes);
    UniqueHandle reader(piped ? readEnd : nullptr);
    UniqueHandle process = StartHidden(commandLine, currentFolder);
    if (process) stands_.back().says.reset(piped ? writeEnd : nullptr);
    return {std::move(process), std::move(reader)};
  }

  std::optional<DWORD> ExitCode(HANDLE process) override {
    if (WaitForSingleObject(process, 0) != WAIT_OBJECT_0) return std::nullopt;
    // The newest first: a handle value can come again once the program has closed the old one.
    for (auto stand = stands_.rbegin(); stand != stands_.rend(); ++stand) {
      if (stand->given == process) return stand->code;
    }
    return std::nullopt;
  }

  // How many processes were started, and ending the one at this place in start order.
  size_t started() const { return stands_.size(); }
  void End(size_t index, DWORD code, const std::string& said = {}) {
    Stand& stand = stands_.at(index);
    DWORD written = 0;
    if (stand.says) WriteFile(stand.says.get(), said.data(), static_cast<DWORD>(said.size()), &written, nullptr);
    stand.says.reset();
    stand.code = code;
    SetEvent(stand.event.get());
  }

 private:
  struct Stand {
    UniqueHandle event;
    HANDLE given = nullptr;
    std::optional<DWORD> code;
    UniqueHandle says;  // the writing end of a captured one's pipe
  };
  std::shared_ptr<CallLog> log_;
  std::vector<Stand> stands_;
};

}  // namespace quilnet::test
