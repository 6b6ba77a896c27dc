#include "net/Adapters.h"

#include "net/Wql.h"
#include "platform/SkipOnFailure.h"

namespace quilnet {
namespace {

constexpr wchar_t kComputer[] = L".";
const WmiQueryOptions kWql{L"WQL", kWbemFlagReturnImmediately};

}  // namespace

std::wstring WindowMoniker() { return L"winmgmts:"; }
std::wstring OwnMoniker() { return std::wstring(L"winmgmts://") + kComputer + L"/root/cimv2"; }

void GetMyIP(Wmi& wmi, AddressView& view) {
  const std::unique_ptr<WmiService> service = wmi.Connect(OwnMoniker());
  const WmiObjects adapters = service->ExecQuery(kAdapterQueryOwn, std::nullopt);
  for (const auto& adapter : adapters) {
    if (!HasElements(adapter->Get(L"IPAddress"))) continue;
    view.ShowAddress(adapter->Item(L"IPAddress", 0));
    view.ShowPhysicalAddress(adapter->Item(L"Macaddress", 0));
  }
}

std::vector<std::wstring> AdapterInventory::Fill(Wmi& wmi) {
  std::vector<std::wstring> descriptions;
  Try(L"connect to WMI", [&] { service_ = wmi.Connect(WindowMoniker()); });
  Try(L"list adapters", [&] { lastResult_ = service_ ? service_->ExecQuery(kAdapterQuery, kWql) : WmiObjects(); });
  for (const auto& adapter : lastResult_) {
    Try(L"read Description", [&] { descriptions.push_back(std::get<std::wstring>(adapter->Get(L"Description"))); });
  }
  return descriptions;
}

void AdapterInventory::Select(const std::wstring& description, AddressView& view) {
  if (!service_) return;
  // A query that fails leaves no result set behind: the previous adapter's values must not show.
  lastResult_.clear();
  Try(L"query adapter",
      [&] { lastResult_ = service_->ExecQuery(kDescriptionQuery + WqlStringLiteral(description), kWql); });
  for (const auto& adapter : lastResult_) {
    Try(L"show IPAddress", [&] { view.ShowAddress(adapter->Item(L"IPAddress", 0)); });
    Try(L"show MACAddress", [&] { view.ShowPhysicalAddress(adapter->Item(L"Macaddress", 0)); });
  }
}

}  // namespace quilnet
