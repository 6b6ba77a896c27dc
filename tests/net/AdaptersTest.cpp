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

TEST(GetMyIP, LastAdapterWithAnAddressWinsThroughItsOwnConnection) {
  FakeWmi wmi;
  wmi.adapters = {kLan, kWifi, kNoAddress, {L"Empty list", List{}, L"00:00:00:00:00:01"}};
  Boxes boxes;
  GetMyIP(wmi, boxes);
  EXPECT_EQ(boxes.address, L"10.0.0.7");
  EXPECT_EQ(boxes.mac, L"AA:BB:CC:DD:EE:FF");
  ASSERT_GE(wmi.log().size(), 2u);
  EXPECT_EQ(wmi.log()[0], L"Connect winmgmts://./root/cimv2");
  EXPECT_EQ(wmi.log()[1], L"ExecQuery Select * from Win32_NetworkAdapterConfiguration where IPEnabled=TRUE");
}

TEST(GetMyIP, FirstFailureEndsItKeepingWhatWasSet) {
  FakeWmi wmi;
  wmi.adapters = {kLan};
  wmi.failOn = {L"Item Macaddress"};
  Boxes boxes;
  EXPECT_THROW(GetMyIP(wmi, boxes), WmiError);
  EXPECT_EQ(boxes.address, L"192.168.1.23");
  EXPECT_EQ(boxes.mac, L"(mac)");

  FakeWmi down;
  down.failOn = {L"Connect winmgmts://./root/cimv2"};
  Boxes untouched;
  EXPECT_THROW(GetMyIP(down, untouched), WmiError);
  EXPECT_EQ(untouched.address, L"(address)");
}

TEST(AdapterInventory, FillListsEveryDescriptionInServiceOrderWithDuplicates) {
  FakeWmi wmi;
  wmi.adapters = {kWifi, kLan, kWifi, kNoAddress};
  AdapterInventory inventory;
  EXPECT_EQ(inventory.Fill(wmi), (List{L"Wi-Fi", L"Intel(R) Ethernet", L"Wi-Fi", L"Bluetooth"}));
  ASSERT_EQ(wmi.log().size(), 6u);
  EXPECT_EQ(wmi.log()[0], L"Connect winmgmts:");
  EXPECT_EQ(wmi.log()[1], L"ExecQuery Select * From Win32_NetworkAdapterConfiguration Where IPEnabled=TRUE | WQL 16");
}

TEST(AdapterInventory, FillWithoutWmiOrAdaptersGivesAnEmptyList) {
  FakeWmi none;
  AdapterInventory empty;
  EXPECT_TRUE(empty.Fill(none).empty());

  FakeWmi down;
  down.adapters = {kLan};
  down.failOn = {L"Connect winmgmts:"};
  AdapterInventory unreachable;
  EXPECT_TRUE(unreachable.Fill(down).empty());
  Boxes boxes;
  unreachable.Select(L"Intel(R) Ethernet", boxes);  // no connection: nothing happens, nothing throws
  EXPECT_EQ(boxes.address, L"(address)");
}

TEST(AdapterInventory, SelectShowsElementZeroAndTheMacOfTheLastMatch) {
  FakeWmi wmi;
  wmi.adapters = {kLan, kWifi, {L"Intel(R) Ethernet", List{L"172.16.0.9"}, L"02:00:00:00:00:09"}};
  AdapterInventory inventory;
  inventory.Fill(wmi);
  Boxes boxes;
  inventory.Select(L"Intel(R) Ethernet", boxes);
  EXPECT_EQ(boxes.address, L"172.16.0.9");
  EXPECT_EQ(boxes.mac, L"02:00:00:00:00:09");
  EXPECT_EQ(wmi.log().back(), L"Item Macaddress");
  EXPECT_NE(std::find(wmi.log().begin(), wmi.log().end(),
                      L"ExecQuery Select * From Win32_NetworkAdapterConfiguration Where Description='Intel(R) Ethernet' | WQL 16"),
            wmi.log().end());
}

TEST(AdapterInventory, SelectWithNullAddressStillSetsTheMac) {
  FakeWmi wmi;
  wmi.adapters = {kNoAddress};
  AdapterInventory inventory;
  inventory.Fill(wmi);
  Boxes boxes;
  inventory.Select(L"Bluetooth", boxes);
  EXPECT_EQ(boxes.address, L"(address)");
  EXPECT_EQ(boxes.mac, L"11:22:33:44:55:66");
}

TEST(AdapterInventory, ApostropheInADescriptionIsFoundLikeAnyOther) {
  FakeWmi wmi;
  wmi.adapters = {kLan, {L"Bob's USB NIC", List{L"10.9.8.7"}, L"02:0B:0B:00:00:01"}};
  AdapterInventory inventory;
  inventory.Fill(wmi);
  Boxes boxes;
  inventory.Select(L"Bob's USB NIC", boxes);
  EXPECT_EQ(boxes.address, L"10.9.8.7");
  EXPECT_EQ(wmi.log()[wmi.log().size() - 3],
            L"ExecQuery Select * From Win32_NetworkAdapterConfiguration Where Description=\"Bob's USB NIC\" | WQL 16");
}

TEST(AdapterInventory, FailedQueryShowsNothingFromThePreviousResult) {
  FakeWmi wmi;
  wmi.adapters = {kLan, kWifi};
  AdapterInventory inventory;
  inventory.Fill(wmi);
  wmi.failOn = {L"ExecQuery Select * From Win32_NetworkAdapterConfiguration Where Description='Gone' | WQL 16"};
  Boxes boxes;
  inventory.Select(L"Gone", boxes);
  EXPECT_EQ(boxes.address, L"(address)");
  EXPECT_EQ(boxes.mac, L"(mac)");
}

}  // namespace
}  // namespace quilnet
