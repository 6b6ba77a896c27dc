#include "platform/Clock.h"

namespace quilnet {
namespace {

template <class Format>
std::wstring Formatted(Format format) {
  const int size = format(nullptr, 0);
  if (size <= 0) return {};
  std::wstring text(static_cast<size_t>(size), L'\0');
  const int written = format(text.data(), size);
  text.resize(written > 0 ? static_cast<size_t>(written - 1) : 0);  // without the terminating zero
  return text;
}

}  // namespace

SYSTEMTIME SystemClock::Now() const {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return now;
}

const Clock& TheSystemClock() {
  static const SystemClock clock;
  return clock;
}

std::wstring ShortDateText(const SYSTEMTIME& time) {
  return Formatted([&](wchar_t* out, int size) {
    return GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, out, size);
  });
}

std::wstring LongTimeText(const SYSTEMTIME& time) {
  // No flags and no picture: the user's long time format.
  return Formatted([&](wchar_t* out, int size) {
    return GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &time, nullptr, out, size);
  });
}

}  // namespace quilnet
