#pragma once
// The local time, and its text in the user's own date and time formats.
#include <windows.h>

#include <string>

namespace quilnet {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual SYSTEMTIME Now() const = 0;
};

class SystemClock final : public Clock {
 public:
  SYSTEMTIME Now() const override;
};

// The system clock keeps no state, so one instance serves every window.
const Clock& TheSystemClock();

// The date in the user's short date format and the time in the user's long time format; empty when
// the time is not a valid one.
std::wstring ShortDateText(const SYSTEMTIME& time);
std::wstring LongTimeText(const SYSTEMTIME& time);

}  // namespace quilnet
