#include <gtest/gtest.h>

#include <map>

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

using List = std::vector<std::wstring>;
using Answers = std::map<std::wstring, std::vector<test::FakeAnswer>>;
const std::wstring kQuery =
    L"ExecQuery Select * from Win32_NetworkAdapterConfiguration where Description='Intel(R) Ethernet'";
constexpr long kLocked = static_cast<long>(0x8004A024);

FakeAdapter Lan(Answers answers = {}) {
  return {L"Intel(R) Ethernet", List{L"10.0.0.5", L"fe80::1"}, std::monostate{}, std::move(answers),
          List{L"255.0.0.0", L"64"}, List{L"10.0.0.1"}, List{L"10.0.0.1"}};
}

TEST(ChangeIP, BindsQueriesCallsTheThreeMethodsInOrderWithTheirArraysThenReadsTheAdapterAgain) {
  FakeWmi wmi;
  wmi.adapters = {Lan()};
  EXPECT_EQ(ChangeIP(wmi, L"Intel(R) Ethernet", kOffice), L"切换成功");
  EXPECT_EQ(wmi.log(), (test::CallLog{L"Connect winmgmts:\\\\.\\root\\cimv2", kQuery, kEnableStatic, kSetGateways,
                                      kSetDns, kQuery, L"Get IPAddress", L"Get IPSubnet", L"Get DefaultIPGateway",
                                      L"Get DNSServerSearchOrder"}));
}

// Each part is judged by what the adapter reads back afterwards, not by what its method answered; the
// code shown is that of the first part whose values are missing.
TEST(ChangeIP, WhatTheAdapterReadsBackDecidesAndALockedConfigurationIsTriedAgain) {
  const struct {
    const char* what;
    Answers answers;
    const wchar_t* text;
    size_t pauses;
  } cases[] = {
      {"all answer 0", {}, L"切换成功", 0},
      {"81 on a static adapter, the new address read back", {{L"EnableStatic", {{81, true}}}}, L"切换成功", 0},
      {"81 and the old address still there", {{L"EnableStatic", {{81, false}}}},
       L"IP地址或子网掩码设置失败, 默认网关设置成功, DNS设置成功（81）", 0},
      {"1 (restart needed) with the values read back", {{L"SetGateways", {{1, true}}}}, L"切换成功", 0},
      {"locked, then 0", {{L"EnableStatic", {{kLocked, false}, {0, true}}}}, L"切换成功", 1},
      {"locked throughout", {{L"SetDNSServerSearchOrder", std::vector<test::FakeAnswer>(5, {kLocked, false})}},
       L"IP地址和子网掩码设置成功, 默认网关设置成功, DNS设置失败（0x8004A024）", 4},
      {"0, but the gateway not read back", {{L"SetGateways", {{0, false}}}},
       L"IP地址和子网掩码设置成功, 默认网关设置失败, DNS设置成功（0）", 0},
      {"gateway and DNS refused", {{L"SetGateways", {{71, false}}}, {L"SetDNSServerSearchOrder", {{70, false}}}},
       L"IP地址和子网掩码设置成功, 默认网关设置失败, DNS设置失败（71）", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    for (const bool wineOrder : {false, true}) {
      FakeWmi wmi;
      wmi.adapters = {Lan(c.answers)};
      if (wineOrder) {
        wmi.adapters[0].ipAddress = List{L"fe80::1", L"10.0.0.5"};
        wmi.adapters[0].ipSubnet = List{L"64", L"255.0.0.0"};
      }
      std::vector<DWORD> pauses;
      EXPECT_EQ(ChangeIP(wmi, L"Intel(R) Ethernet", kOffice, [&](DWORD ms) { pauses.push_back(ms); }), c.text);
      EXPECT_EQ(pauses, std::vector<DWORD>(c.pauses, 500));
      // A refusal stops nothing: all three methods ran, each tried once more after each pause.
      EXPECT_EQ(wmi.log().size(), 10u + c.pauses);
    }
  }
}

TEST(ChangeIP, SeveralMatchesGiveTheLastOnesTextNoneGivesNothing) {
  FakeWmi wmi;
  wmi.adapters = {Lan(), {L"Wi-Fi"}, Lan({{L"SetGateways", {{91, false}}}})};
  EXPECT_EQ(ChangeIP(wmi, L"Intel(R) Ethernet", kOffice), L"IP地址和子网掩码设置成功, 默认网关设置失败, DNS设置成功（91）");
  EXPECT_EQ(wmi.log().size(), 2u + 6u + 1u + 4u);

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
  // Each step, and how many calls the log holds once it has been sent: a read that fails is no success.
  const std::pair<std::wstring, size_t> steps[] = {{L"Connect winmgmts:\\\\.\\root\\cimv2", 1}, {kQuery, 2},
                                                   {kEnableStatic, 3}, {kSetGateways, 4}, {kSetDns, 5},
                                                   {L"Get IPSubnet", 8}};
  for (const auto& [step, sent] : steps) {
    SCOPED_TRACE(sent);
    FakeWmi wmi;
    wmi.adapters = {Lan()};
    wmi.failOn = {step};
    EXPECT_THROW(ChangeIP(wmi, L"Intel(R) Ethernet", kOffice), WmiError);
    EXPECT_EQ(SwitchReport(wmi, L"Intel(R) Ethernet", kOffice), L"切换失败！（0x80041017）");
    // Nothing after the failing step was sent, in either run.
    EXPECT_EQ(wmi.log().size(), 2 * sent);
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
