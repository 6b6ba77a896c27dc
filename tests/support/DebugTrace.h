#pragma once
// What a debugger would receive while a DebugTrace lives: the program's debug-output lines, and its faults
// (counted also where the platform swallows them, as it does inside some callbacks).
#include <windows.h>

#include <string>
#include <vector>

namespace quilnet::test {

class DebugTrace {
 public:
  DebugTrace() : handler_(AddVectoredExceptionHandler(1, Catch)) { current = this; }
  ~DebugTrace() {
    RemoveVectoredExceptionHandler(handler_);
    current = nullptr;
  }
  DebugTrace(const DebugTrace&) = delete;
  DebugTrace& operator=(const DebugTrace&) = delete;

  // A line holds `part`.
  bool Has(const std::wstring& part) const {
    for (const auto& line : lines_) {
      if (line.find(part) != std::wstring::npos) return true;
    }
    return false;
  }
  int Faults() const noexcept { return faults_; }

 private:
  static LONG CALLBACK Catch(EXCEPTION_POINTERS* info) {
    const EXCEPTION_RECORD& record = *info->ExceptionRecord;
    if (current && record.ExceptionCode == DBG_PRINTEXCEPTION_C && record.NumberParameters >= 2) {
      const std::string text(reinterpret_cast<const char*>(record.ExceptionInformation[1]));
      current->lines_.push_back(std::wstring(text.begin(), text.end()));
    }
    if (current && record.ExceptionCode == EXCEPTION_ACCESS_VIOLATION) ++current->faults_;
    return EXCEPTION_CONTINUE_SEARCH;
  }
  static inline DebugTrace* current = nullptr;
  PVOID handler_;
  std::vector<std::wstring> lines_;
  int faults_ = 0;
};

}  // namespace quilnet::test
