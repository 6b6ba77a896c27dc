#include "net/StaticSwitch.h"

#include <cstdio>

#include "net/AddressTest.h"
#include "net/Wql.h"

namespace quilnet {

bool AllValid(const AddressFields& f) {
  bool valid = true;
  for (const std::wstring* field : {&f.IP, &f.NM, &f.GW, &f.MDNS, &f.SDNS}) valid = IsValidIP(*field) && valid;
  return valid;
}

std::wstring SwitchMoniker() { return std::wstring(L"winmgmts:\\\\") + L"." + L"\\root\\cimv2"; }

std::wstring ChangeIP(Wmi& wmi, const std::wstring& adapter, const AddressFields& f) {
  std::wstring result;
  const std::unique_ptr<WmiService> service = wmi.Connect(SwitchMoniker());
  const WmiObjects instances = service->ExecQuery(kSwitchQuery + WqlStringLiteral(adapter), std::nullopt);
  const std::vector<WmiArray> addresses{{f.IP}, {f.NM}};
  const std::vector<WmiArray> gateways{{f.GW}, {short{1}}};
  const std::vector<WmiArray> dns{{f.MDNS, f.SDNS}};
  for (const auto& instance : instances) {
    const bool address = instance->CallMethod(L"EnableStatic", addresses) == 0;
    const bool gateway = instance->CallMethod(L"SetGateways", gateways) == 0;
    const bool servers = instance->CallMethod(L"SetDNSServerSearchOrder", dns) == 0;
    if (address && gateway && servers) {
      result = L"切换成功";
    } else {
      result = std::wstring(address ? L"IP地址和子网掩码设置成功, " : L"IP地址或子网掩码设置失败, ") +
               (gateway ? L"默认网关设置成功, " : L"默认网关设置失败, ") + (servers ? L"DNS设置成功" : L"DNS设置失败");
    }
  }
  return result;
}

namespace {
constexpr wchar_t kFailed[] = L"切换失败！";
}

std::wstring SwitchFailure(HRESULT code) {
  wchar_t text[16];
  std::swprintf(text, 16, L"0x%08lX", static_cast<unsigned long>(code));
  return std::wstring(kFailed) + L"（" + text + L"）";
}

HRESULT FailureCode(const std::exception_ptr& failure) noexcept {
  try {
    std::rethrow_exception(failure);
  } catch (const WmiError& error) {
    return error.code();
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

std::wstring SwitchReport(Wmi& wmi, const std::wstring& adapter, const AddressFields& fields) {
  try {
    std::wstring text = ChangeIP(wmi, adapter, fields);
    return text.empty() ? std::wstring(kFailed) + L"（未找到网卡）" : text;
  } catch (...) {
    return SwitchFailure(FailureCode(std::current_exception()));
  }
}

}  // namespace quilnet
