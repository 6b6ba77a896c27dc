// The list and the address boxes follow the adapters while the window is open: after a switch, and when
// adapters come, go or change by themselves.
#include <gtest/gtest.h>

#include "app/Form1.h"
#include "app/Layout.h"
#include "support/FormFixture.h"
#include "support/Pump.h"

namespace quilnet {
namespace {

using test::FakeAdapter;
using test::PumpUntil;
using List = std::vector<std::wstring>;

const FakeAdapter kLan{L"Intel(R) Ethernet", List{L"192.168.1.23"}, L"3C:52:82:1A:2B:3C"};
const FakeAdapter kWifi{L"Wi-Fi", List{L"10.0.0.7"}, L"AA:BB:CC:DD:EE:FF"};
const FakeAdapter kUsb{L"Realtek USB GbE", std::monostate{}, L"00:E0:4C:68:00:01"};

const std::wstring kAllAdapters = L"ExecQuery " + std::wstring(kAdapterQuery) + L" | WQL 16";

int adapterPosts = 0;
LRESULT CALLBACK CountAdapterPosts(int code, WPARAM remove, LPARAM msg) {
  if (code == HC_ACTION && remove == PM_REMOVE && reinterpret_cast<const MSG*>(msg)->message == kAdaptersChanged) {
    ++adapterPosts;
  }
  return CallNextHookEx(nullptr, code, remove, msg);
}

class AdapterWatchTest : public test::WindowTest {
 protected:
  bool BoxesShow(const FakeAdapter& a) {
    const std::wstring address = std::get<List>(a.ipAddress).front(), mac = std::get<std::wstring>(a.mac);
    return PumpUntil([&] { return Text(L"Text27") == address && Text(L"Text28") == mac; }, 5000);
  }
};

// Between switches nothing looks (the poll is far off), so only the switch's end can show the new address.
TEST_F(AdapterWatchTest, BoxesShowWhatASwitchMadeOfTheAdapter) {
  wmi.adapters = {kWifi, kLan};
  Start({.watch = AdapterWatch::Timing{.pollMs = 600000, .quietMs = 600000}});
  ASSERT_EQ(Entries(L"Combo1"), (List{kWifi.description, kLan.description}));  // the watch's first look
  Pick(L"Combo1", 1);
  const wchar_t* const profile[] = {L"办公室", L"172.16.0.9", L"255.255.255.0", L"172.16.0.1", L"223.5.5.5",
                                    L"8.8.8.8"};
  for (size_t k = 0; k < 6; ++k) form->SetText(kProfileControls[0].boxes[k], profile[k]);
  FakeAdapter switched = kLan;
  switched.ipAddress = List{L"172.16.0.9"};
  wmi.SetAdapters({kWifi, switched});  // what the adapter reports once the switch has run
  Click(L"Command10");
  ASSERT_TRUE(PumpUntil([&] { return !Text(L"Label1").empty(); }, 20000));
  ASSERT_EQ(wmi.Count(L"Call EnableStatic [\"172.16.0.9\"] [\"255.255.255.0\"]"), 1u) << test::Utf8(Text(L"Label1"));
  EXPECT_TRUE(BoxesShow(switched)) << test::Utf8(Text(L"Text27"));
  EXPECT_EQ(wmi.connectsOutsideSta(), 0) << "the switch's thread and the watch each in an apartment of their own";
}

TEST_F(AdapterWatchTest, ListFollowsAdaptersThatComeAndGoAndKeepsTheChosenOne) {
  wmi.adapters = {kLan, kWifi};
  Start({.watch = AdapterWatch::Timing{.pollMs = 50, .quietMs = 50}});
  Pick(L"Combo1", 1);
  wmi.SetAdapters({kUsb, kLan, kWifi});  // one plugged in before the chosen one
  const List three{kUsb.description, kLan.description, kWifi.description};
  EXPECT_TRUE(PumpUntil([&] { return Entries(L"Combo1") == three; }, 5000));
  EXPECT_EQ(Text(L"Combo1"), kWifi.description);

  wmi.SetAdapters({kLan, kUsb});  // the chosen one unplugged: the first is chosen, the boxes follow
  EXPECT_TRUE(BoxesShow(kLan));
  EXPECT_EQ(Text(L"Combo1"), kLan.description);

  // Looks that find nothing new leave the window alone.
  adapterPosts = 0;
  const HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, CountAdapterPosts, nullptr, GetCurrentThreadId());
  const size_t looks = wmi.Count(kAllAdapters);
  PumpUntil([&] { return wmi.Count(kAllAdapters) >= looks + 4; }, 5000);
  UnhookWindowsHookEx(hook);
  EXPECT_EQ(adapterPosts, 0);
}

}  // namespace
}  // namespace quilnet
