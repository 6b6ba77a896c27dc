#include "platform/NetChange.h"

#include <winsock2.h>
#include <ws2ipdef.h>
#include <iphlpapi.h>
#include <netioapi.h>

#include "platform/SystemLibrary.h"

namespace quilnet {
namespace {

// iphlpapi is no known DLL: taken from the system folder on first use, never imported.
constexpr wchar_t kIpHelper[] = L"iphlpapi.dll";
using NotifyInterfaceFn = DWORD(WINAPI*)(ADDRESS_FAMILY, PIPINTERFACE_CHANGE_CALLBACK, PVOID, BOOLEAN, HANDLE*);
using NotifyAddressFn = DWORD(WINAPI*)(ADDRESS_FAMILY, PUNICAST_IPADDRESS_CHANGE_CALLBACK, PVOID, BOOLEAN, HANDLE*);
using CancelFn = DWORD(WINAPI*)(HANDLE);

// Nothing may leave a callback into the system's thread.
void Tell(PVOID changed) noexcept {
  try {
    (*static_cast<std::function<void()>*>(changed))();
  } catch (...) {
  }
}
void WINAPI OnInterface(PVOID changed, PMIB_IPINTERFACE_ROW, MIB_NOTIFICATION_TYPE) { Tell(changed); }
void WINAPI OnAddress(PVOID changed, PMIB_UNICASTIPADDRESS_ROW, MIB_NOTIFICATION_TYPE) { Tell(changed); }

}  // namespace

NetChangeNotifications::NetChangeNotifications(std::function<void()> changed) : changed_(std::move(changed)) {
  const auto onInterface = SystemFunction<NotifyInterfaceFn>(kIpHelper, "NotifyIpInterfaceChange");
  const auto onAddress = SystemFunction<NotifyAddressFn>(kIpHelper, "NotifyUnicastIpAddressChange");
  HANDLE handle = nullptr;
  if (onInterface && onInterface(AF_UNSPEC, OnInterface, &changed_, FALSE, &handle) == NO_ERROR) interfaces_ = handle;
  handle = nullptr;
  if (onAddress && onAddress(AF_INET, OnAddress, &changed_, FALSE, &handle) == NO_ERROR) addresses_ = handle;
}

NetChangeNotifications::~NetChangeNotifications() {
  const auto cancel = SystemFunction<CancelFn>(kIpHelper, "CancelMibChangeNotify2");
  if (!cancel) return;
  if (interfaces_) cancel(interfaces_);
  if (addresses_) cancel(addresses_);
}

}  // namespace quilnet
