#pragma once
// The static switch: one profile's addresses onto the adapter of that description, through WMI.
#include <exception>
#include <functional>
#include <new>
#include <string>

#include "platform/Wmi.h"

namespace quilnet {

// A profile's five address fields, in the order they are tested, applied and stored.
struct AddressFields {
  std::wstring IP, NM, GW, MDNS, SDNS;
};

// True when every field passes the address test. All five are tested; one failure refuses the lot.
bool AllValid(const AddressFields& fields);

// Waits that long; tests pass one that does not.
using Pause = std::function<void(DWORD ms)>;
void SleepPause(DWORD ms);

// Sets address and mask, gateway (metric 1) and both DNS servers on every adapter with this description:
// the three methods always run, in that order; one that finds the configuration locked by another
// program is tried again, a few times over about two seconds. Then the adapter is read back: each part
// counts as done when its values are in place, whatever its method answered. "切换成功" when all are;
// else each part's text, then the code of the first method whose values are missing. Empty when no
// adapter matched. A failure of the binding, a query, a method or a read reaches the caller.
std::wstring ChangeIP(Wmi& wmi, const std::wstring& adapter, const AddressFields& fields,
                      const Pause& pause = SleepPause);

// What the status line shows after the button caption: ChangeIP's text, or, when the switch could not
// run, "切换失败！" with the reason: the WMI error code, or 未找到网卡 when no adapter matched. Whatever
// stopped it, it never ends as nothing: an error that is not WMI's shows as its own code.
std::wstring SwitchReport(Wmi& wmi, const std::wstring& adapter, const AddressFields& fields,
                         const Pause& pause = SleepPause);
// "切换失败！（0x…）" for a code; the code of what was thrown: WMI's own, out of memory, else E_UNEXPECTED.
std::wstring SwitchFailure(HRESULT code);
HRESULT FailureCode(const std::exception_ptr& failure) noexcept;

std::wstring SwitchMoniker();
inline constexpr wchar_t kSwitchQuery[] = L"Select * from Win32_NetworkAdapterConfiguration where Description=";

}  // namespace quilnet
