#include <gtest/gtest.h>

#include "net/StaticSwitch.h"
#include "support/FakeWmi.h"

namespace quilnet {
namespace {

using test::FakeAdapter;
using test::FakeWmi;

const AddressFields kOffice{L"192.168.1.20", L"255.255.255.0", L"192.168.1.1", L"8.8.8.8", L"114.114.114.114"};
const std::wstring kEnableStatic = L"Call EnableStatic [\"192.168.1.20\"] [\"255.255.255.0\"]";
const std::wstring kSetGateways = L"Call SetGateways [\"192.168.1.1\"] [1:I2]";
const std::wstring kSetDns = L"Call SetDNSServerSearchOrder [\"8.8.8.8\", \"114.114.114.114\"]";

FakeAdapter Lan(long address = 0, long gateway = 0, long dns = 0) {
  return {L"Intel(R) Ethernet", std::monostate{}, std::monostate{},
          {{L"EnableStatic", address}, {L"SetGateways", gateway}, {L"SetDNSServerSearchOrder", dns}}};
}

TEST(ChangeIP, BindsQueriesAndCallsTheThreeMethodsInOrderWithTheirArrays) {
  FakeWmi wmi;
  wmi.adapters = {Lan()};
  EXPECT_EQ(ChangeIP(wmi, L"Intel(R) Ethernet", kOffice), L"切换成功");
  EXPECT_EQ(wmi.log(), (test::CallLog{
                           L"Connect winmgmts:\\\\.\\root\\cimv2",
                           L"ExecQuery Select * from Win32_NetworkAdapterConfiguration where "
                           L"Description='Intel(R) Ethernet'",
                           kEnableStatic, kSetGateways, kSetDns}));
}

TEST(ChangeIP, EachMethodIsReportedByItsOwnResultAndOnlyZeroIsSuccess) {
  const struct {
    long address, gateway, dns;
    const wchar_t* text;
  } cases[] = {
      {0, 0, 0, L"切换成功"},
      {1, 0, 0, L"IP地址或子网掩码设置失败, 默认网关设置成功, DNS设置成功"},
      {0, 91, 0, L"IP地址和子网掩码设置成功, 默认网关设置失败, DNS设置成功"},
      {0, 0, 70, L"IP地址和子网掩码设置成功, 默认网关设置成功, DNS设置失败"},
      {66, 1, 0, L"IP地址或子网掩码设置失败, 默认网关设置失败, DNS设置成功"},
      {-1, 0, 1, L"IP地址或子网掩码设置失败, 默认网关设置成功, DNS设置失败"},
      {0, 1, 1, L"IP地址和子网掩码设置成功, 默认网关设置失败, DNS设置失败"},
      {1, 1, 1, L"IP地址或子网掩码设置失败, 默认网关设置失败, DNS设置失败"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.address << " " << c.gateway << " " << c.dns);
    FakeWmi wmi;
    wmi.adapters = {Lan(c.address, c.gateway, c.dns)};
    EXPECT_EQ(ChangeIP(wmi, L"Intel(R) Ethernet", kOffice), c.text);
    // A refusal stops nothing: all three methods ran.
    EXPECT_EQ(wmi.log().size(), 5u);
  }
}

TEST(ChangeIP, SeveralMatchesGiveTheLastOnesTextNoneGivesNothing) {
  FakeWmi wmi;
  wmi.adapters = {Lan(0, 0, 0), {L"Wi-Fi"}, Lan(0, 1, 0)};
  EXPECT_EQ(ChangeIP(wmi, L"Intel(R) Ethernet", kOffice), L"IP地址和子网掩码设置成功, 默认网关设置失败, DNS设置成功");
  EXPECT_EQ(wmi.log().size(), 2u + 6u);

  FakeWmi none;
  none.adapters = {Lan()};
  EXPECT_EQ(ChangeIP(none, L"Realtek", kOffice), L"");
  EXPECT_EQ(SwitchReport(none, L"Realtek", kOffice), L"切换失败！（未找到网卡）");
  EXPECT_EQ(SwitchReport(none, L"", kOffice), L"切换失败！（未找到网卡）");
}

TEST(ChangeIP, DescriptionWithAnApostropheStaysOneLiteral) {
  FakeWmi wmi;
  wmi.adapters = {{L"Bob's NIC"}};
  EXPECT_EQ(ChangeIP(wmi, L"Bob's NIC", kOffice), L"切换成功");
  EXPECT_EQ(wmi.log()[1], L"ExecQuery Select * from Win32_NetworkAdapterConfiguration where Description=\"Bob's NIC\"");
}

TEST(SwitchReport, AFailingStepStopsThereAndNamesTheErrorCode) {
  const std::wstring steps[] = {L"Connect winmgmts:\\\\.\\root\\cimv2",
                                L"ExecQuery Select * from Win32_NetworkAdapterConfiguration where "
                                L"Description='Intel(R) Ethernet'",
                                kEnableStatic, kSetGateways, kSetDns};
  for (size_t failing = 0; failing < std::size(steps); ++failing) {
    SCOPED_TRACE(failing);
    FakeWmi wmi;
    wmi.adapters = {Lan()};
    wmi.failOn = {steps[failing]};
    EXPECT_THROW(ChangeIP(wmi, L"Intel(R) Ethernet", kOffice), WmiError);
    EXPECT_EQ(SwitchReport(wmi, L"Intel(R) Ethernet", kOffice), L"切换失败！（0x80041017）");
    // Nothing after the failing step was sent, in either run.
    EXPECT_EQ(wmi.log().size(), 2 * (failing + 1));
  }
}

TEST(AllValid, EveryFieldMustPass) {
  EXPECT_TRUE(AllValid(kOffice));
  EXPECT_TRUE(AllValid({L"10.1", L"255.0.255.0", L"0.0.0.0", L"010.0.0.1", L"8.8.8.8"}));
  for (int field = 0; field < 5; ++field) {
    AddressFields f = kOffice;
    std::wstring* fields[] = {&f.IP, &f.NM, &f.GW, &f.MDNS, &f.SDNS};
    *fields[field] = field % 2 ? L"" : L"255.255.255.255";
    EXPECT_FALSE(AllValid(f)) << field;
  }
}

}  // namespace
}  // namespace quilnet
