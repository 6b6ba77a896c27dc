#include "net/StaticSwitch.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "net/Adapters.h"
#include "net/AddressTest.h"
#include "net/Wql.h"
#include "platform/CodePage.h"
#include "platform/Inet.h"

namespace quilnet {

bool AllValid(const AddressFields& f) {
  bool valid = true;
  for (const std::wstring* field : {&f.IP, &f.NM, &f.GW, &f.MDNS, &f.SDNS}) valid = IsValidIP(*field) && valid;
  return valid;
}

std::wstring SwitchMoniker() { return std::wstring(L"winmgmts:\\\\") + L"." + L"\\root\\cimv2"; }

namespace {

constexpr wchar_t kFailed[] = L"切换失败！";

// What a method answers when another program holds the network configuration's write lock: usually for
// a moment, so the call is tried again before that counts.
constexpr unsigned long kWriteLockHeld = 0x8004A024;
constexpr int kLockAttempts = 5;
constexpr DWORD kLockPauseMs = 500;

long CallMethod(WmiObject& instance, const wchar_t* method, const std::vector<WmiArray>& arguments,
                const Pause& pause) {
  for (int attempt = 1;; ++attempt) {
    const long code = instance.CallMethod(method, arguments);
    if (static_cast<unsigned long>(code) != kWriteLockHeld || attempt == kLockAttempts) return code;
    pause(kLockPauseMs);
  }
}

// Addresses are compared as addresses: the typed one as the address test reads it, the read one only
// when it is an IPv4 address.
std::optional<uint32_t> Typed(const std::wstring& text) { return InetAddr(ToCodePage(text, kGbk)); }
std::optional<uint32_t> Read(const std::wstring& text) { return IsIPv4(text) ? Typed(text) : std::nullopt; }
bool Same(const std::wstring& read, const std::wstring& typed) {
  const std::optional<uint32_t> address = Read(read);
  return address && address == Typed(typed);
}

std::vector<std::wstring> Texts(const WmiValue& value) {
  if (const auto* one = std::get_if<std::wstring>(&value)) return {*one};
  if (const auto* list = std::get_if<std::vector<std::wstring>>(&value)) return *list;
  return {};
}

// The address with its mask beside it: IPSubnet pairs with IPAddress element by element, in whichever
// order the system lists IPv4 and IPv6.
bool AddressInPlace(WmiObject& adapter, const AddressFields& f) {
  const std::vector<std::wstring> addresses = Texts(adapter.Get(L"IPAddress"));
  const std::vector<std::wstring> masks = Texts(adapter.Get(L"IPSubnet"));
  for (size_t i = 0; i < addresses.size() && i < masks.size(); ++i) {
    if (Same(addresses[i], f.IP) && Same(masks[i], f.NM)) return true;
  }
  return false;
}

bool GatewayInPlace(WmiObject& adapter, const AddressFields& f) {
  for (const std::wstring& gateway : Texts(adapter.Get(L"DefaultIPGateway"))) {
    if (Same(gateway, f.GW)) return true;
  }
  return false;
}

// The two servers and no others, preferred first (the same server twice may be kept once).
bool ServersInPlace(WmiObject& adapter, const AddressFields& f) {
  const std::vector<std::wstring> servers = Texts(adapter.Get(L"DNSServerSearchOrder"));
  if (servers.size() == 1 && Typed(f.MDNS) == Typed(f.SDNS)) return Same(servers[0], f.MDNS);
  return servers.size() == 2 && Same(servers[0], f.MDNS) && Same(servers[1], f.SDNS);
}

std::wstring Hex(unsigned long code) {
  wchar_t text[16];
  std::swprintf(text, 16, L"0x%08lX", code);
  return text;
}

// A method's own codes as its documentation lists them (81); the HRESULTs it passes on in hex.
std::wstring CodeText(long code) { return code >= 0 ? std::to_wstring(code) : Hex(static_cast<unsigned long>(code)); }

}  // namespace

void SleepPause(DWORD ms) { Sleep(ms); }

std::wstring ChangeIP(Wmi& wmi, const std::wstring& adapter, const AddressFields& f, const Pause& pause) {
  const std::unique_ptr<WmiService> service = wmi.Connect(SwitchMoniker());
  const std::wstring query = kSwitchQuery + WqlStringLiteral(adapter);
  const WmiObjects instances = service->ExecQuery(query, std::nullopt);
  if (instances.empty()) return {};
  const std::vector<WmiArray> addresses{{f.IP}, {f.NM}};
  const std::vector<WmiArray> gateways{{f.GW}, {short{1}}};
  const std::vector<WmiArray> dns{{f.MDNS, f.SDNS}};
  long codes[3] = {};
  for (const auto& instance : instances) {
    codes[0] = CallMethod(*instance, L"EnableStatic", addresses, pause);
    codes[1] = CallMethod(*instance, L"SetGateways", gateways, pause);
    codes[2] = CallMethod(*instance, L"SetDNSServerSearchOrder", dns, pause);
  }
  // What the adapter now has decides, not what the methods answered: EnableStatic answers 81 on an
  // adapter that was already static, though the address is set. The instances above are the state
  // before, so the adapter is asked again.
  const WmiObjects now = service->ExecQuery(query, std::nullopt);
  bool inPlace[3] = {};
  if (!now.empty()) {
    WmiObject& last = *now.back();
    inPlace[0] = AddressInPlace(last, f);
    inPlace[1] = GatewayInPlace(last, f);
    inPlace[2] = ServersInPlace(last, f);
  }
  if (inPlace[0] && inPlace[1] && inPlace[2]) return L"切换成功";
  const size_t firstMissing = std::find(std::begin(inPlace), std::end(inPlace), false) - std::begin(inPlace);
  return std::wstring(inPlace[0] ? L"IP地址和子网掩码设置成功, " : L"IP地址或子网掩码设置失败, ") +
         (inPlace[1] ? L"默认网关设置成功, " : L"默认网关设置失败, ") + (inPlace[2] ? L"DNS设置成功" : L"DNS设置失败") +
         L"（" + CodeText(codes[firstMissing]) + L"）";
}

std::wstring SwitchFailure(HRESULT code) {
  return std::wstring(kFailed) + L"（" + Hex(static_cast<unsigned long>(code)) + L"）";
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

std::wstring SwitchReport(Wmi& wmi, const std::wstring& adapter, const AddressFields& fields, const Pause& pause) {
  try {
    std::wstring text = ChangeIP(wmi, adapter, fields, pause);
    return text.empty() ? std::wstring(kFailed) + L"（未找到网卡）" : text;
  } catch (...) {
    return SwitchFailure(FailureCode(std::current_exception()));
  }
}

}  // namespace quilnet
