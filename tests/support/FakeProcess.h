#pragma once
// A process starter that records the command line and starts nothing (or fails, when told to). What it
// hands out for each process is an event, which the test sets to end that process with an exit code.
#include <memory>
#include <optional>
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
  void End(size_t index, DWORD code) {
    stands_.at(index).code = code;
    SetEvent(stands_.at(index).event.get());
  }

 private:
  struct Stand {
    UniqueHandle event;
    HANDLE given = nullptr;
    std::optional<DWORD> code;
  };
  std::shared_ptr<CallLog> log_;
  std::vector<Stand> stands_;
};

}  // namespace quilnet::test
