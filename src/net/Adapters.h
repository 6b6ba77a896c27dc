#pragma once
// The adapter inventory: IP-enabled adapters by description, and the address and MAC of one of them.
#include <string>
#include <vector>

#include "platform/Wmi.h"

namespace quilnet {

// Where the inventory shows the current address and the physical address.
class AddressView {
 public:
  virtual ~AddressView() = default;
  virtual void ShowAddress(const std::wstring& address) = 0;
  virtual void ShowPhysicalAddress(const std::wstring& mac) = 0;
};

// The window's own connection, opened when the user first picks an adapter, and the result set of its last
// query. (The list itself and the first adapter's values come from the adapter watch, off this thread.)
class AdapterInventory {
 public:
  // Shows the first IPv4 address and the MAC of the adapter with this description (the last one, when
  // several have it). What it has not, or what cannot be read, shows empty; both boxes are emptied when
  // no adapter is found or WMI cannot be reached.
  void Select(Wmi& wmi, const std::wstring& description, AddressView& view);

 private:
  std::unique_ptr<WmiService> service_;
  WmiObjects lastResult_;
};

// One IP-enabled adapter as the window shows it: its description, first IPv4 address and MAC.
struct AdapterState {
  std::wstring description;
  std::wstring address;
  std::wstring mac;
  bool operator==(const AdapterState&) const = default;
};
using AdapterSnapshot = std::vector<AdapterState>;

// Every IP-enabled adapter, in the service's order, by the start-up query. A query that fails throws; a
// value that cannot be read is empty, and an adapter whose description cannot be read is left out.
AdapterSnapshot TakeSnapshot(WmiService& service);
// What the boxes show for this description: the last adapter that has it, as the selection shows; empty
// values when there is none.
AdapterState StateOf(const AdapterSnapshot& snapshot, const std::wstring& description);

// True for an IPv4 address written as WMI writes one (an IPv6 address or a prefix length is not).
bool IsIPv4(const std::wstring& text);

inline constexpr wchar_t kAdapterQuery[] = L"Select * From Win32_NetworkAdapterConfiguration Where IPEnabled=TRUE";
inline constexpr wchar_t kDescriptionQuery[] = L"Select * From Win32_NetworkAdapterConfiguration Where Description=";
std::wstring WindowMoniker();

}  // namespace quilnet
