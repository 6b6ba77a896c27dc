// The real WMI scripting client, through COM, against the machine's own WMI.
#include <gtest/gtest.h>

#include <string>

#include "platform/CodePage.h"
#include "platform/Handles.h"
#include "platform/Wmi.h"

namespace quilnet {
namespace {

const wchar_t kAdapters[] = L"Select * from Win32_NetworkAdapterConfiguration where IPEnabled=TRUE";
const WmiQueryOptions kWql{L"WQL", kWbemFlagReturnImmediately};

// This test program's own process: an instance that exists on every machine.
std::wstring OwnProcessQuery() {
  return L"Select * from Win32_Process where ProcessId=" + std::to_wstring(GetCurrentProcessId());
}

class ComWmiTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(com.result())); }

  ComApartment com;
  std::unique_ptr<Wmi> wmi = MakeComWmi();
};

TEST_F(ComWmiTest, EachMonikerTheProgramUsesReachesRootCimv2) {
  for (const wchar_t* moniker : {L"winmgmts:", L"winmgmts://./root/cimv2", L"winmgmts:\\\\.\\root\\cimv2"}) {
    SCOPED_TRACE(ToCodePage(moniker, CP_UTF8));
    const auto service = wmi->Connect(moniker);
    const WmiObjects self = service->ExecQuery(OwnProcessQuery(), std::nullopt);
    ASSERT_EQ(self.size(), 1u);
    EXPECT_EQ(self[0]->Get(L"ProcessId"), WmiValue(static_cast<long>(GetCurrentProcessId())));
  }
}

TEST_F(ComWmiTest, QueryWithOrWithoutOptionsGivesTheSameAdaptersWithTextDescriptions) {
  const auto service = wmi->Connect(L"winmgmts:");
  const WmiObjects plain = service->ExecQuery(kAdapters, std::nullopt);
  const WmiObjects immediate = service->ExecQuery(kAdapters, kWql);
  ASSERT_EQ(plain.size(), immediate.size());
  for (size_t i = 0; i < plain.size(); ++i) {
    const WmiValue description = plain[i]->Get(L"Description");
    ASSERT_TRUE(std::holds_alternative<std::wstring>(description));
    EXPECT_FALSE(std::get<std::wstring>(description).empty());
    EXPECT_EQ(immediate[i]->Get(L"Description"), description);
  }
}

TEST_F(ComWmiTest, IndexedReadGivesTheFirstElementOfTheList) {
  const auto service = wmi->Connect(L"winmgmts://./root/cimv2");
  int checked = 0;
  for (const auto& adapter : service->ExecQuery(kAdapters, std::nullopt)) {
    const WmiValue addresses = adapter->Get(L"IPAddress");
    if (!HasElements(addresses)) continue;
    const std::wstring first = adapter->Item(L"IPAddress", 0);
    EXPECT_EQ(first, std::get<std::vector<std::wstring>>(addresses).front());
    EXPECT_NE(first.find_first_of(L".:"), std::wstring::npos) << ToCodePage(first, CP_UTF8);
    // A MAC is a plain string: the index argument leaves it whole, as the program reads it.
    EXPECT_EQ(adapter->Item(L"Macaddress", 0), std::get<std::wstring>(adapter->Get(L"MACAddress")));
    ++checked;
  }
  if (checked == 0) GTEST_SKIP() << "no adapter with an address on this machine";
}

TEST_F(ComWmiTest, UnknownPropertyMalformedQueryAndBadMonikerFail) {
  const auto service = wmi->Connect(L"winmgmts:");
  const WmiObjects self = service->ExecQuery(OwnProcessQuery(), std::nullopt);
  ASSERT_EQ(self.size(), 1u);
  EXPECT_THROW(self[0]->Get(L"NoSuchProperty"), WmiError);
  EXPECT_THROW(self[0]->Item(L"NoSuchProperty", 0), WmiError);

  EXPECT_THROW(service->ExecQuery(L"Select * From", std::nullopt), WmiError);
  EXPECT_THROW(service->ExecQuery(L"Select * From Win32_NetworkAdapterConfiguration Where", kWql), WmiError);

  EXPECT_THROW(wmi->Connect(L"winmgmts:\\\\.\\root\\nosuchnamespace"), WmiError);
  EXPECT_THROW(wmi->Connect(L"nosuchmoniker:"), WmiError);
}

}  // namespace
}  // namespace quilnet
