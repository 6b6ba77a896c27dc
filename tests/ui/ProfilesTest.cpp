// The four profiles on the whole window: load, save, clear and apply, with IP.ini as a real file.
#include <gtest/gtest.h>

#include <memory>

#include "app/Form1.h"
#include "app/Layout.h"
#include "platform/CodePage.h"
#include "platform/Window.h"
#include "profiles/ProfileFile.h"
#include "support/FormFixture.h"
#include "support/Pump.h"

namespace quilnet {
namespace {

class ProfilesTest : public test::WindowTest {
 protected:
  void Click(const wchar_t* button) {
    SendMessageW(form->Control(button), BM_CLICK, 0, 0);
    // Read before anything is pumped: a window of another test on the same display may take the
    // activation, and with it the focus, once X events are handled.
    focusAfterClick = GetFocus();
    test::Drain();
  }
  std::wstring Caption(const wchar_t* name) const { return WindowText(form->Control(name)); }
  std::wstring Status() const { return form->Text(L"Label1"); }
  // An apply's outcome arrives from its worker thread.
  std::wstring Applied() const {
    test::PumpUntil([&] { return !Status().empty(); }, 20000);
    return Status();
  }
  // Every address box of every profile valid; names as given.
  void FillValid(const wchar_t* const names[4]) {
    for (size_t p = 0; p < 4; ++p) {
      const auto& boxes = kProfileControls[p].boxes;
      const std::wstring n = std::to_wstring(p + 1);
      form->SetText(boxes[0], names[p]);
      form->SetText(boxes[1], L"10.0." + n + L".20");
      form->SetText(boxes[2], L"255.255.255.0");
      form->SetText(boxes[3], L"10.0." + n + L".1");
      form->SetText(boxes[4], L"223.5.5.5");
      form->SetText(boxes[5], L"8.8.8.8");
    }
  }
  HWND focusAfterClick = nullptr;
  const wchar_t* const names[4] = {L"办公室", L"实验室", L"家", L"  "};
};

TEST_F(ProfilesTest, WithoutAFileTheBoxesShowTheKeyNamesAndNoProfileApplies) {
  wmi.adapters = {{L"Intel(R) Ethernet"}};
  Start();
  for (const ProfileControls& profile : kProfileControls) {
    for (size_t k = 0; k < 6; ++k) EXPECT_EQ(form->Text(profile.boxes[k]), kProfileKeys[k]);
    EXPECT_EQ(Caption(profile.button), L"名称");
    EXPECT_EQ(Caption(profile.frame), L"名称");
  }
  for (const ProfileControls& profile : kProfileControls) {
    form->SetText(L"Label1", L"(before)");
    Click(profile.button);
    EXPECT_EQ(Status(), L"提示：IP地址格式错误！");
  }
  EXPECT_FALSE(Logged(L"Call ")) << "nothing reaches the adapter";
  EXPECT_FALSE(folder.Exists(L"IP.ini"));
}

TEST_F(ProfilesTest, SavedProfilesAndTheirCaptionsComeBackAtTheNextStart) {
  Start();
  FillValid(names);
  // A name shows on its button and group box only once saved.
  EXPECT_EQ(Caption(L"Command10"), L"名称");
  Click(L"Command1");
  EXPECT_EQ(Status(), L"提示：保存成功！");
  EXPECT_EQ(Caption(L"Command10"), L"办公室");
  EXPECT_EQ(Caption(L"Frame2"), L"办公室");
  EXPECT_EQ(Caption(L"Command13"), L"  ");
  EXPECT_EQ(Caption(L"Frame1"), L"  ");

  form.reset();
  Start();
  for (size_t p = 0; p < 3; ++p) {
    const ProfileControls& profile = kProfileControls[p];
    EXPECT_EQ(form->Text(profile.boxes[0]), names[p]);
    EXPECT_EQ(form->Text(profile.boxes[1]), L"10.0." + std::to_wstring(p + 1) + L".20");
    EXPECT_EQ(form->Text(profile.boxes[5]), L"8.8.8.8");
    EXPECT_EQ(Caption(profile.button), names[p]);
    EXPECT_EQ(Caption(profile.frame), names[p]);
  }
  // A name of spaces was written as typed and comes back trimmed, as the profile functions read it.
  EXPECT_EQ(form->Text(L"Text4"), L"");
  EXPECT_EQ(Caption(L"Frame1"), L"");
  EXPECT_EQ(form->Text(L"Text5"), L"8.8.8.8");
}

TEST_F(ProfilesTest, OneInvalidFieldRefusesTheWholeSave) {
  folder.Write(L"IP.ini", "[other]\r\nx=1\r\n");
  Start();
  FillValid(names);
  form->SetText(L"Text5", L"");  // profile 4's alternate DNS
  SetFocus(form->Control(L"Command1"));
  Click(L"Command1");
  EXPECT_EQ(Status(), L"IP地址输入错误，保存失败！");
  EXPECT_EQ(focusAfterClick, form->Control(L"Text6"));
  EXPECT_EQ(folder.Read(L"IP.ini"), "[other]\r\nx=1\r\n");
  EXPECT_EQ(Caption(L"Command10"), L"名称");
}

TEST_F(ProfilesTest, ClearEmptiesTheAddressesAndLeavesNamesCaptionsAndFile) {
  Start();
  FillValid(names);
  Click(L"Command1");
  const std::optional<std::string> saved = folder.Read(L"IP.ini");
  Click(L"Command2");
  EXPECT_EQ(Status(), L"清除成功！");
  EXPECT_EQ(focusAfterClick, form->Control(L"Text6"));
  for (size_t p = 0; p < 4; ++p) {
    const ProfileControls& profile = kProfileControls[p];
    EXPECT_EQ(form->Text(profile.boxes[0]), names[p]);
    for (size_t k = 1; k < 6; ++k) EXPECT_EQ(form->Text(profile.boxes[k]), L"") << p << k;
    EXPECT_EQ(Caption(profile.button), names[p]);
  }
  EXPECT_EQ(folder.Read(L"IP.ini"), saved);
  // And now nothing can be saved until every box is valid again.
  Click(L"Command1");
  EXPECT_EQ(Status(), L"IP地址输入错误，保存失败！");
  EXPECT_EQ(folder.Read(L"IP.ini"), saved);
}

TEST_F(ProfilesTest, ASaveThatCannotWriteSaysSoAndKeepsTheOldFile) {
  folder.Write(L"IP.ini", "; mine\r\n");
  SetFileAttributesW(folder.File(L"IP.ini").c_str(), FILE_ATTRIBUTE_READONLY);
  Start();
  FillValid(names);
  Click(L"Command1");
  EXPECT_EQ(Status(), L"提示：保存失败，无法写入IP.ini！");
  EXPECT_EQ(Caption(L"Command10"), L"名称");
  SetFileAttributesW(folder.File(L"IP.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(folder.Read(L"IP.ini"), "; mine\r\n");
}

TEST_F(ProfilesTest, ApplyShowsTheSavedNameThenTheOutcomeForTheSelectedAdapter) {
  wmi.adapters = {{L"Realtek USB GbE"}, {L"Intel(R) Ethernet", {}, {}, {{L"SetGateways", {{71, false}}}}}};
  Start();
  FillValid(names);
  Click(L"Command1");
  SendMessageW(form->Control(L"Combo1"), CB_SETCURSEL, 1, 0);
  form->SetText(L"Text2", L"renamed, not saved");
  log->clear();
  Click(L"Command11");
  EXPECT_EQ(Applied(), L"实验室IP地址和子网掩码设置成功, 默认网关设置失败, DNS设置成功（71）");
  EXPECT_EQ(*log, (test::CallLog{
                      L"Connect winmgmts:\\\\.\\root\\cimv2",
                      L"ExecQuery Select * from Win32_NetworkAdapterConfiguration where Description='Intel(R) Ethernet'",
                      L"Call EnableStatic [\"10.0.2.20\"] [\"255.255.255.0\"]",
                      L"Call SetGateways [\"10.0.2.1\"] [1:I2]",
                      L"Call SetDNSServerSearchOrder [\"223.5.5.5\", \"8.8.8.8\"]",
                      L"ExecQuery Select * from Win32_NetworkAdapterConfiguration where Description='Intel(R) Ethernet'",
                      L"Get IPAddress", L"Get IPSubnet", L"Get DefaultIPGateway", L"Get DNSServerSearchOrder"}));

  // Profile 4 lives in Frame1 with boxes Text24 down to Text21, then Text5.
  SendMessageW(form->Control(L"Combo1"), CB_SETCURSEL, 0, 0);
  form->SetText(L"Text24", L"172.16.0.9");
  log->clear();
  Click(L"Command13");
  EXPECT_EQ(Applied(), L"  切换成功");
  ASSERT_EQ(log->size(), 10u);
  EXPECT_EQ((*log)[2], L"Call EnableStatic [\"172.16.0.9\"] [\"255.255.255.0\"]");

  wmi.failOn = {L"Call SetGateways [\"10.0.1.1\"] [1:I2]"};
  Click(L"Command10");
  EXPECT_EQ(Applied(), L"办公室切换失败！（0x80041017）");

  SendMessageW(form->Control(L"Combo1"), CB_RESETCONTENT, 0, 0);
  Click(L"Command10");
  EXPECT_EQ(Applied(), L"办公室切换失败！（未找到网卡）");
}

}  // namespace
}  // namespace quilnet
