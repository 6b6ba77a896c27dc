#pragma once
// A process starter that records the command line and starts nothing (or fails, when told to).
#include <memory>

#include "platform/Process.h"
#include "support/FakeWmi.h"

namespace quilnet::test {

class RecordingStarter final : public ProcessStarter {
 public:
  explicit RecordingStarter(std::shared_ptr<CallLog> log) : log_(std::move(log)) {}
  bool fail = false;
  std::wstring lastFolder;

  UniqueHandle StartHidden(const std::wstring& commandLine, const std::wstring& currentFolder) override {
    log_->push_back(L"Start " + commandLine);
    lastFolder = currentFolder;
    if (fail) return UniqueHandle();
    // A handle that stands for a process: the test's own, duplicated.
    HANDLE self = nullptr;
    DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(), &self, 0, FALSE,
                    DUPLICATE_SAME_ACCESS);
    return UniqueHandle(self);
  }

 private:
  std::shared_ptr<CallLog> log_;
};

}  // namespace quilnet::test
