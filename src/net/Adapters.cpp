#include "net/Adapters.h"

#include "net/Wql.h"
#include "platform/SkipOnFailure.h"

namespace quilnet {
namespace {

const WmiQueryOptions kWql{L"WQL", kWbemFlagReturnImmediately};

}  // namespace

// Four dot-separated decimal parts of up to three digits, each at most 255: how WMI writes an IPv4 address.
bool IsIPv4(const std::wstring& text) {
  int parts = 0, digits = 0, value = 0;
  for (const wchar_t c : text + L".") {
    if (c == L'.') {
      if (digits == 0 || value > 255) return false;
      ++parts, digits = 0, value = 0;
    } else if (c >= L'0' && c <= L'9' && digits < 3) {
      ++digits, value = value * 10 + (c - L'0');
    } else {
      return false;
    }
  }
  return parts == 4;
}

namespace {

// Windows lists an adapter's IPv4 address first; Wine lists IPv6 first.
std::wstring FirstIPv4(const WmiValue& value) {
  if (const auto* one = std::get_if<std::wstring>(&value)) return IsIPv4(*one) ? *one : std::wstring();
  if (const auto* list = std::get_if<std::vector<std::wstring>>(&value)) {
    for (const std::wstring& address : *list) {
      if (IsIPv4(address)) return address;
    }
  }
  return {};
}

}  // namespace

std::wstring WindowMoniker() { return L"winmgmts:"; }

void AdapterInventory::Select(Wmi& wmi, const std::wstring& description, AddressView& view) {
  // A query that fails or finds nothing leaves no result set behind, and the boxes empty: the previous
  // adapter's values must not show beside this one.
  lastResult_.clear();
  Try(L"connect to WMI", [&] {
    if (!service_) service_ = wmi.Connect(WindowMoniker());
  });
  Try(L"query adapter", [&] {
    if (service_) lastResult_ = service_->ExecQuery(kDescriptionQuery + WqlStringLiteral(description), kWql);
  });
  std::wstring address, mac;
  for (const auto& adapter : lastResult_) {
    address.clear();
    mac.clear();
    Try(L"read IPAddress", [&] { address = FirstIPv4(adapter->Get(L"IPAddress")); });
    Try(L"read MACAddress", [&] { mac = adapter->Item(L"Macaddress", 0); });
  }
  view.ShowAddress(address);
  view.ShowPhysicalAddress(mac);
}

AdapterSnapshot TakeSnapshot(WmiService& service) {
  AdapterSnapshot snapshot;
  for (const auto& adapter : service.ExecQuery(kAdapterQuery, kWql)) {
    AdapterState state;
    bool named = false;
    Try(L"read Description", [&] {
      state.description = std::get<std::wstring>(adapter->Get(L"Description"));
      named = true;
    });
    if (!named) continue;
    Try(L"read IPAddress", [&] { state.address = FirstIPv4(adapter->Get(L"IPAddress")); });
    Try(L"read MACAddress", [&] { state.mac = adapter->Item(L"Macaddress", 0); });
    snapshot.push_back(std::move(state));
  }
  return snapshot;
}

AdapterState StateOf(const AdapterSnapshot& snapshot, const std::wstring& description) {
  for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it) {
    if (it->description == description) return *it;
  }
  return {};
}

}  // namespace quilnet
