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

// Sets both boxes from the last IP-enabled adapter that has an address, through a connection of its own.
// Its first failure ends it and reaches the caller; what it set until then stays.
void GetMyIP(Wmi& wmi, AddressView& view);

// The window's long-lived connection and the result set of its last adapter query.
class AdapterInventory {
 public:
  // Opens the connection and runs the start-up query; every adapter's description, in the service's order.
  // A description that cannot be read is left out.
  std::vector<std::wstring> Fill(Wmi& wmi);
  // Shows the values of every adapter with this description (the last one wins). A value that cannot
  // be read leaves its box as it was.
  void Select(const std::wstring& description, AddressView& view);

 private:
  std::unique_ptr<WmiService> service_;
  WmiObjects lastResult_;
};

inline constexpr wchar_t kAdapterQuery[] = L"Select * From Win32_NetworkAdapterConfiguration Where IPEnabled=TRUE";
inline constexpr wchar_t kAdapterQueryOwn[] = L"Select * from Win32_NetworkAdapterConfiguration where IPEnabled=TRUE";
inline constexpr wchar_t kDescriptionQuery[] = L"Select * From Win32_NetworkAdapterConfiguration Where Description=";
// Monikers: the computer name "." joined between the two halves.
std::wstring WindowMoniker();
std::wstring OwnMoniker();

}  // namespace quilnet
