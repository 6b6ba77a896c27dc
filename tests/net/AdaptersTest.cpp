#include <gtest/gtest.h>

#include "net/Adapters.h"
#include "support/FakeWmi.h"

namespace quilnet {
namespace {

using test::FakeAdapter;
using test::FakeWmi;
using List = std::vector<std::wstring>;

struct Boxes final : AddressView {
  std::wstring address = L"(address)";
  std::wstring mac = L"(mac)";
  void ShowAddress(const std::wstring& a) override { address = a; }
  void ShowPhysicalAddress(const std::wstring& m) override { mac = m; }
};

const FakeAdapter kLan{L"Intel(R) Ethernet", List{L"192.168.1.23", L"fe80::1"}, L"3C:52:82:1A:2B:3C"};
const FakeAdapter kWifi{L"Wi-Fi", List{L"10.0.0.7"}, L"AA:BB:CC:DD:EE:FF"};
const FakeAdapter kNoAddress{L"Bluetooth", std::monostate{}, L"11:22:33:44:55:66"};

const FakeAdapter kWineLan{L"eth0", List{L"fe80::1", L"2001:db8::5", L"192.168.7.7", L"10.1.1.1"}, L"02:42:ac:11:00:02"};
const FakeAdapter kOnlyIPv6{L"tun0", List{L"fe80::9"}, L"02:00:00:00:00:99"};

// The list and the boxes come from one snapshot: every adapter in the service's order, duplicates kept, each
// with its first IPv4 address; the boxes show the last of a description, as a selection would.
TEST(AdapterSnapshot, ListsEveryAdapterInServiceOrderWithItsFirstIPv4AddressAndMac) {
  FakeWmi wmi;
  wmi.adapters = {kWifi, kWineLan, kWifi, kNoAddress};
  wmi.adapters[2].ipAddress = List{L"10.0.0.8"};
  const AdapterSnapshot snapshot = TakeSnapshot(*wmi.Connect(WindowMoniker()));
  EXPECT_EQ(wmi.log()[1], L"ExecQuery Select * From Win32_NetworkAdapterConfiguration Where IPEnabled=TRUE | WQL 16");
  const AdapterSnapshot expected = {{L"Wi-Fi", L"10.0.0.7", L"AA:BB:CC:DD:EE:FF"},
                                    {L"eth0", L"192.168.7.7", L"02:42:ac:11:00:02"},
                                    {L"Wi-Fi", L"10.0.0.8", L"AA:BB:CC:DD:EE:FF"},
                                    {L"Bluetooth", L"", L"11:22:33:44:55:66"}};
  EXPECT_EQ(snapshot, expected);
  EXPECT_EQ(StateOf(snapshot, L"Wi-Fi").address, L"10.0.0.8");
  EXPECT_EQ(StateOf(snapshot, L"Gone"), AdapterState{});
}

TEST(AdapterInventory, SelectWithoutWmiShowsNothingAndThrowsNothing) {
  FakeWmi down;
  down.adapters = {kLan};
  down.failOn = {L"Connect winmgmts:"};
  AdapterInventory unreachable;
  Boxes boxes;
  unreachable.Select(down, L"Intel(R) Ethernet", boxes);
  EXPECT_EQ(boxes.address, L"");
  EXPECT_EQ(boxes.mac, L"");
}

// The boxes start with other values, as after an earlier selection: none of them may survive.
TEST(AdapterInventory, SelectShowsOnlyTheChosenAdaptersFirstIPv4AddressAndMac) {
  const FakeAdapter lastTwin{L"Intel(R) Ethernet", List{L"172.16.0.9"}, L"02:00:00:00:00:09"};
  struct Case {
    const char* what;
    std::wstring description;
    std::vector<std::wstring> failOn;
    std::wstring address, mac;
  };
  const Case cases[] = {
      {"IPv4 listed first", L"Wi-Fi", {}, L"10.0.0.7", L"AA:BB:CC:DD:EE:FF"},
      {"IPv6 listed first", L"eth0", {}, L"192.168.7.7", L"02:42:ac:11:00:02"},
      {"two with one description: the last", L"Intel(R) Ethernet", {}, L"172.16.0.9", L"02:00:00:00:00:09"},
      {"Null address", L"Bluetooth", {}, L"", L"11:22:33:44:55:66"},
      {"IPv6 only", L"tun0", {}, L"", L"02:00:00:00:00:99"},
      {"removed since the list was filled", L"Gone", {}, L"", L""},
      {"query the platform refuses", L"Wi-Fi",
       {L"ExecQuery Select * From Win32_NetworkAdapterConfiguration Where Description='Wi-Fi' | WQL 16"}, L"", L""},
      {"MAC that cannot be read", L"Wi-Fi", {L"Item Macaddress"}, L"10.0.0.7", L""},
  };
  for (const Case& c : cases) {
    FakeWmi wmi;
    wmi.adapters = {kLan, kWifi, kNoAddress, kWineLan, kOnlyIPv6, lastTwin};
    AdapterInventory inventory;
    wmi.failOn = c.failOn;
    Boxes boxes;
    inventory.Select(wmi, c.description, boxes);
    EXPECT_EQ(boxes.address, c.address) << c.what;
    EXPECT_EQ(boxes.mac, c.mac) << c.what;
  }
}

TEST(AdapterInventory, ApostropheInADescriptionIsFoundLikeAnyOther) {
  FakeWmi wmi;
  wmi.adapters = {kLan, {L"Bob's USB NIC", List{L"10.9.8.7"}, L"02:0B:0B:00:00:01"}};
  AdapterInventory inventory;
  Boxes boxes;
  inventory.Select(wmi, L"Bob's USB NIC", boxes);
  EXPECT_EQ(boxes.address, L"10.9.8.7");
  EXPECT_EQ(wmi.log()[wmi.log().size() - 3],
            L"ExecQuery Select * From Win32_NetworkAdapterConfiguration Where Description=\"Bob's USB NIC\" | WQL 16");
}

}  // namespace
}  // namespace quilnet
