#include "app/ApplyRuns.h"

namespace quilnet {

ApplyRuns::~ApplyRuns() {
  Stop();
  if (!thread_.Finished(deadline_.ms) && deadline_.overdue) deadline_.overdue();
}

// Not ExitProcess: that would run the libraries' detach code while the switch's thread, stuck inside
// WMI, may hold the locks it needs.
void EndThisProcess() noexcept { TerminateProcess(GetCurrentProcess(), 1); }

bool ApplyRuns::Start(HWND window, const std::wstring& caption, const std::wstring& adapter,
                      const AddressFields& fields) {
  {
    const std::lock_guard<std::mutex> lock(shared_.mutex);
    if (shared_.stopped) return false;
    shared_.window = window;
  }
  const unsigned id = nextId_++;
  return thread_.Queue([this, id, caption, adapter, fields] {
    std::wstring outcome;
    try {
      const std::unique_ptr<Wmi> wmi = wmi_.ForThisThread();
      outcome = caption + SwitchReport(*wmi, adapter, fields);
    } catch (...) {
      outcome = caption + SwitchFailure(FailureCode(std::current_exception()));
    }
    Finish(id, std::move(outcome));
  });
}

void ApplyRuns::Finish(unsigned id, std::wstring outcome) {
  const std::lock_guard<std::mutex> lock(shared_.mutex);
  if (shared_.stopped) return;
  shared_.outcomes[id] = std::move(outcome);
  // Under the lock: once Stop has returned, nothing reaches the window.
  PostMessageW(shared_.window, message_, id, 0);
}

std::optional<std::wstring> ApplyRuns::Ended(WPARAM which) {
  const std::lock_guard<std::mutex> lock(shared_.mutex);
  const auto outcome = shared_.outcomes.find(static_cast<unsigned>(which));
  if (outcome == shared_.outcomes.end()) return std::nullopt;
  std::wstring text = std::move(outcome->second);
  shared_.outcomes.erase(outcome);
  return text;
}

void ApplyRuns::Stop() noexcept {
  {
    const std::lock_guard<std::mutex> lock(shared_.mutex);
    shared_.stopped = true;
    shared_.window = nullptr;
  }
  thread_.Stop();
}

}  // namespace quilnet
