// The whole window on real USER and GDI, with the WMI and process seams recorded.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "app/Form1.h"
#include "app/Layout.h"
#include "app/Script.h"
#include "app/Twips.h"
#include "platform/CodePage.h"
#include "support/Canvas.h"
#include "support/Capture.h"
#include "support/FormFixture.h"
#include "support/Pump.h"

namespace quilnet {
namespace {

using test::FakeAdapter;
using List = std::vector<std::wstring>;

const FakeAdapter kLan{L"Intel(R) Ethernet I219-LM", List{L"192.168.1.23"}, L"3C:52:82:1A:2B:3C"};
const FakeAdapter kUsb{L"Realtek USB GbE", List{L"10.20.30.40", L"fe80::2"}, L"00:E0:4C:68:00:01"};

class Form1Test : public test::WindowTest {
 protected:
  std::wstring ComboItem(const wchar_t* combo, int index) const { return Entries(combo).at(index); }
};

// The window asks WMI nothing itself: the watch's first look fills the list and the boxes.
TEST_F(Form1Test, StartupStartsTheScriptThenOneLookFillsTheListAndTheBoxes) {
  wmi.adapters = {kLan, kUsb};
  Start();
  const std::wstring cmd = L"\"C:\\windows\\system32\\cmd.exe\"";
  const test::CallLog expected = {
      L"Start " + cmd + L" /d /v:off /c \"\"" + folder.File(L"HQ.bat") + L"\"\"",
      L"Connect winmgmts:",
      L"ExecQuery Select * From Win32_NetworkAdapterConfiguration Where IPEnabled=TRUE | WQL 16",
      L"Get Description", L"Get IPAddress", L"Item Macaddress",
      L"Get Description", L"Get IPAddress", L"Item Macaddress",
  };
  EXPECT_EQ(*log, expected);
  EXPECT_EQ(starter.lastFolder, folder.path());
}

TEST_F(Form1Test, AfterStartupTheWindowIsCompactWithTheFirstAdapterShown) {
  wmi.adapters = {kLan, kUsb};
  Start();
  RECT outer{};
  GetWindowRect(form->hwnd(), &outer);
  EXPECT_EQ(outer.right - outer.left, 413);
  EXPECT_EQ(outer.bottom - outer.top, 301);
  EXPECT_TRUE(IsWindowVisible(form->hwnd()));

  wchar_t className[64] = {};
  GetClassNameW(form->hwnd(), className, 64);
  EXPECT_STREQ(className, L"ThunderRT6FormDC");
  wchar_t caption[64] = {};
  GetWindowTextW(form->hwnd(), caption, 64);
  EXPECT_EQ(std::wstring(caption).rfind(L"Quilnet[", 0), 0u);
  EXPECT_EQ(std::wstring(caption).back(), L']');

  EXPECT_EQ(SendMessageW(Ctl(L"Combo1"), CB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(Ctl(L"Combo1"), CB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(ComboItem(L"Combo1", 1), kUsb.description);
  EXPECT_EQ(form->Text(L"Combo1"), kLan.description);
  EXPECT_EQ(form->Text(L"Text27"), L"192.168.1.23");
  EXPECT_EQ(form->Text(L"Text28"), L"3C:52:82:1A:2B:3C");
  EXPECT_EQ(form->Text(L"Label1"), L"");
  EXPECT_EQ(form->Text(L"Text25"), L"Text25");
  EXPECT_EQ(form->Text(L"Text26"), kScriptTemplate);
  EXPECT_FALSE(IsWindowVisible(Ctl(L"Text25")));
  EXPECT_FALSE(IsWindowVisible(Ctl(L"Text26")));
  int unskinned = !GetPropW(hwnd(), L"PROCADDR");  // start-up step 10: the skin on the window and every control
  EnumChildWindows(hwnd(), [](HWND child, LPARAM n) { return *reinterpret_cast<int*>(n) += !GetPropW(child, L"PROCADDR"), TRUE; },
                   reinterpret_cast<LPARAM>(&unskinned));
  EXPECT_EQ(unskinned, 0);

  Pick(L"Combo1", 1);
  EXPECT_EQ(form->Text(L"Text27"), L"10.20.30.40");
  EXPECT_EQ(form->Text(L"Text28"), L"00:E0:4C:68:00:01");

  // The boxes never show another adapter's values: one without IPv4, then one gone since start-up.
  wmi.adapters[0].ipAddress = std::monostate{};
  Pick(L"Combo1", 0);
  EXPECT_EQ(form->Text(L"Text27"), L"");
  EXPECT_EQ(form->Text(L"Text28"), L"3C:52:82:1A:2B:3C");
  Pick(L"Combo1", 1);
  wmi.adapters.pop_back();
  Pick(L"Combo1", 1);
  EXPECT_EQ(form->Text(L"Text27"), L"");
  EXPECT_EQ(form->Text(L"Text28"), L"");
}

TEST_F(Form1Test, ControlsSitWhereTheLayoutPutsThemInBothRooms) {
  Start();
  struct Expect {
    const wchar_t* name;
    const wchar_t* parent;
    RECT rect;  // pixels at 96 DPI, in the container's client area
  };
  const Expect expected[] = {
      {L"Combo1", nullptr, {64, 83, 64 + 265, 83 + 20}},
      {L"Command10", nullptr, {24, 120, 24 + 93, 120 + 55}},
      {L"Command13", nullptr, {120, 184, 120 + 93, 184 + 55}},
      {L"zivududi1", nullptr, {320, 120, 320 + 69, 120 + 31}},
      {L"Command4", nullptr, {240, 200, 240 + 149, 200 + 37}},
      {L"Text28", nullptr, {80, 320, 80 + 145, 320 + 18}},
      {L"Frame3", nullptr, {584, 0, 584 + 177, 161}},
      {L"Frame1", nullptr, {584, 160, 584 + 177, 160 + 161}},
      {L"Command1", nullptr, {592, 328, 592 + 101, 328 + 29}},
      {L"Text11", L"Frame3", {64, 40, 64 + 105, 40 + 18}},
      {L"Text5", L"Frame1", {64, 136, 64 + 105, 136 + 18}},
      {L"Text26", nullptr, {824, 216, 824 + 705, 216 + 185}},
  };
  for (const Expect& e : expected) {
    const HWND control = Ctl(e.name);
    const HWND parent = e.parent ? Ctl(e.parent) : form->hwnd();
    EXPECT_EQ(GetParent(control), parent) << ToCodePage(e.name, CP_UTF8);
    const RECT r = Place(e.name);
    EXPECT_EQ(r.left, e.rect.left) << ToCodePage(e.name, CP_UTF8);
    EXPECT_EQ(r.top, e.rect.top) << ToCodePage(e.name, CP_UTF8);
    EXPECT_EQ(r.right, e.rect.right) << ToCodePage(e.name, CP_UTF8);
    EXPECT_EQ(r.bottom, e.rect.bottom) << ToCodePage(e.name, CP_UTF8);
  }
  // Labels are windows of their container, at their place in it.
  const auto label = [&](const wchar_t* name, const wchar_t* container) {
    const Form1::LabelPlace place = form->FindLabel(name);
    EXPECT_NE(place.label, nullptr) << ToCodePage(name, CP_UTF8);
    EXPECT_EQ(place.container, container ? Ctl(container) : form->hwnd()) << ToCodePage(name, CP_UTF8);
    return Place(name);
  };
  const RECT status = label(L"Label1", nullptr);
  EXPECT_EQ(status.left, 0);
  EXPECT_EQ(status.top, 248);
  EXPECT_EQ(status.right, 412);  // where Frame4 begins; its text is still centred on 417
  EXPECT_GE(status.bottom, 248 + 25);
  EXPECT_EQ(label(L"Label28", nullptr).left, 8);
  EXPECT_EQ(label(L"Label21", L"Frame1").left, 20);  // profile 4's name label starts further right
  EXPECT_EQ(label(L"Label2", L"Frame2").left, 8);
  const RECT tall = label(L"Label15", L"Frame3");     // profile 2's address label is taller
  EXPECT_GE(tall.bottom - tall.top, 25);
  EXPECT_EQ(label(L"Label20", L"Frame4").top, 136);
}

TEST_F(Form1Test, FontsAndColoursOfTheWindow) {
  Start();
  LOGFONTW button{}, status{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Ctl(L"Command10"), WM_GETFONT, 0, 0)), sizeof button, &button);
  const Label* statusLine = form->FindLabel(L"Label1").label;
  ASSERT_NE(statusLine, nullptr);
  GetObjectW(statusLine->font, sizeof status, &status);
  EXPECT_STREQ(button.lfFaceName, L"宋体");
  EXPECT_EQ(button.lfHeight, -12);  // 9 pt at 96 DPI
  EXPECT_EQ(button.lfCharSet, 134);
  EXPECT_EQ(button.lfWeight, FW_NORMAL);
  EXPECT_STREQ(status.lfFaceName, L"宋体");
  EXPECT_EQ(status.lfHeight, -21);  // 15.75 pt
  EXPECT_EQ(statusLine->colour, 0x000000FFu);
  EXPECT_EQ(statusLine->format & (DT_CENTER | DT_RIGHT), static_cast<UINT>(DT_CENTER));
  EXPECT_EQ(form->FindLabel(L"Label27").label->colour, CLR_INVALID);  // others keep the system's colour

  // What the window answers its controls' colour requests with.
  const HDC dc = CreateCompatibleDC(nullptr);
  const auto ask = [&](UINT message, const wchar_t* control) {
    SetTextColor(dc, 0x123456);
    SetBkMode(dc, OPAQUE);
    return reinterpret_cast<HBRUSH>(
        SendMessageW(form->hwnd(), message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(Ctl(control))));
  };
  LOGBRUSH brush{};
  GetObjectW(ask(WM_CTLCOLOREDIT, L"Text27"), sizeof brush, &brush);
  EXPECT_EQ(brush.lbColor, 0x00E8BF88u);
  EXPECT_EQ(GetBkColor(dc), 0x00E8BF88u);
  GetObjectW(ask(WM_CTLCOLORLISTBOX, L"Combo1"), sizeof brush, &brush);
  EXPECT_EQ(brush.lbColor, 0x00E8BF88u);
  EXPECT_EQ(GetTextColor(dc), GetSysColor(COLOR_WINDOWTEXT));  // said with the background, never left as it was
  // A box inside a group box asks its group box, which hands the request to the window.
  SetBkColor(dc, 0);
  GetObjectW(reinterpret_cast<HBRUSH>(SendMessageW(Ctl(L"Frame2"), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                                   reinterpret_cast<LPARAM>(Ctl(L"Text6")))),
             sizeof brush, &brush);
  EXPECT_EQ(brush.lbColor, 0x00E8BF88u);
  EXPECT_EQ(GetBkColor(dc), 0x00E8BF88u);
  DeleteDC(dc);

  // The window's own background, painted.
  RedrawWindow(form->hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  const HDC screen = GetDC(form->hwnd());
  EXPECT_EQ(GetPixel(screen, 5, 115) & 0xFFFFFF, 0x00E8BF88u);
  ReleaseDC(form->hwnd(), screen);
}

TEST_F(Form1Test, GroupBoxesAndTheirRowsShowTheWindowColour) {
  Start();
  SetWindowPos(form->hwnd(), nullptr, 0, 0, TwipsToPixels(kExpandedWidth, 96), TwipsToPixels(kExpandedHeight, 96),
               SWP_NOMOVE | SWP_NOZORDER);
  SetCursorPos(0, 0);
  RedrawWindow(form->hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  test::Drain();
  const auto shot = test::CaptureWindow(form->hwnd());
  ASSERT_TRUE(shot.has_value());
  POINT origin{0, 0};
  ClientToScreen(form->hwnd(), &origin);
  RECT outer{};
  GetWindowRect(form->hwnd(), &outer);
  const auto at = [&](const wchar_t* container, int x, int y) {  // a point of a container's client area
    POINT p{x, y};
    MapWindowPoints(container ? Ctl(container) : form->hwnd(), HWND_DESKTOP, &p, 1);
    return shot->At(p.x - outer.left, p.y - outer.top);
  };
  constexpr uint32_t kRgb = 0x88BFE8;  // the window colour as the screen holds it
  for (const wchar_t* frame : {L"Frame1", L"Frame2", L"Frame3", L"Frame4"}) {
    EXPECT_EQ(at(frame, 30, 36), kRgb) << "between two rows of " << ToCodePage(frame, CP_UTF8);
    EXPECT_EQ(at(frame, 150, 150), kRgb) << "below the last box of " << ToCodePage(frame, CP_UTF8);
  }
  // The status line, empty after start-up, shows only the window colour across its width.
  for (int x = 0; x < 407; x += 37) EXPECT_EQ(at(nullptr, x, 260), kRgb) << x;
  // The banner is its bitmap, copied pixel for pixel at the window's top left.
  const HBITMAP banner = static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(2), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  ASSERT_NE(banner, nullptr);
  const HDC memory = CreateCompatibleDC(nullptr);
  const HGDIOBJ old = SelectObject(memory, banner);
  for (POINT p : {POINT{0, 0}, POINT{60, 30}, POINT{200, 40}, POINT{406, 77}}) {
    const COLORREF c = GetPixel(memory, p.x, p.y);  // 0x00BBGGRR
    const uint32_t rgb = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    EXPECT_EQ(at(nullptr, p.x, p.y), rgb) << p.x << "," << p.y;
  }
  SelectObject(memory, old);
  DeleteDC(memory);
  DeleteObject(banner);
}

TEST_F(Form1Test, ANewCaptionRepaintsItsRowWithNothingOfTheOldLeft) {
  Start();
  SetCursorPos(0, 0);
  const auto row = [&] {  // the status line's row, as the screen shows it
    RedrawWindow(form->hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    const auto shot = test::CaptureWindow(form->hwnd());
    POINT p{0, 248};
    ClientToScreen(form->hwnd(), &p);
    RECT outer{};
    GetWindowRect(form->hwnd(), &outer);
    std::vector<uint32_t> pixels;
    for (int y = 0; y < 25; ++y) {
      for (int x = 0; x < 400; ++x) pixels.push_back(shot->At(p.x - outer.left + x, p.y - outer.top + y));
    }
    return pixels;
  };
  const std::vector<uint32_t> empty = row();
  form->SetText(L"Label1", L"提示：IP地址格式错误！");
  EXPECT_EQ(form->Text(L"Label1"), L"提示：IP地址格式错误！");
  EXPECT_NE(row(), empty);  // something was drawn
  form->SetText(L"Label1", L"");
  EXPECT_EQ(row(), empty);  // and all of it went again
}

// What assistive technology reads: each caption is a Static window holding it, never a tab stop, and
// the box it names follows it directly, so a screen reader names the box after it.
TEST_F(Form1Test, EveryLabelIsAStaticWindowWithItsCaptionRightBeforeItsBox) {
  Start();
  const auto rows = ControlLayout();
  int labels = 0;
  for (size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].kind != ControlKind::Label && rows[i].kind != ControlKind::Status) continue;
    ++labels;
    const std::string name = test::Utf8(rows[i].name);
    const HWND label = Ctl(rows[i].name);
    wchar_t className[16] = {};
    GetClassNameW(label, className, 16);
    EXPECT_STREQ(className, L"Static") << name;
    const LONG style = GetWindowLongW(label, GWL_STYLE);
    EXPECT_EQ(style & SS_TYPEMASK, SS_OWNERDRAW) << name;
    EXPECT_FALSE(style & WS_TABSTOP) << name;
    EXPECT_EQ(WindowText(label), rows[i].caption) << name;
    if (rows[i].kind == ControlKind::Label && i + 1 < rows.size() && rows[i + 1].kind == ControlKind::Text) {
      EXPECT_EQ(GetWindow(label, GW_HWNDNEXT), Ctl(rows[i + 1].name)) << name;
    }
  }
  EXPECT_EQ(labels, 3 + 24 + 2);  // the window's three, six in each group box, the status line and the clock
  EXPECT_EQ(GetWindow(Ctl(L"Label27"), GW_HWNDNEXT), Ctl(L"Combo1"));
  form->SetText(L"Label1", L"清除成功！");
  EXPECT_EQ(WindowText(Ctl(L"Label1")), L"清除成功！");
  // A group box is a container of its own, the parent of its labels and boxes.
  wchar_t frameClass[32] = {};
  GetClassNameW(Ctl(L"Frame4"), frameClass, 32);
  EXPECT_STREQ(frameClass, L"ThunderRT6Frame");
  EXPECT_EQ(GetParent(Ctl(L"Label16")), Ctl(L"Frame4"));
}

// The labels as the window paints them: over the window's colour, text in its colour, the status line's
// text centred in the full width of its line, and no caption running out of its window.
TEST_F(Form1Test, LabelsPaintTheirContainerUnderTheirCaptionAndHoldTheirWholeCaption) {
  Start();
  Click(L"Command4");  // expanded: every label within the client area
  form->SetText(L"Label1", L"提示：IP地址格式错误！");
  struct Case {
    const wchar_t* name;
    COLORREF text;
  };
  for (const Case& c : {Case{L"Label1", 0x000000FF}, Case{L"Label27", GetSysColor(COLOR_BTNTEXT)},
                        Case{L"Label20", GetSysColor(COLOR_BTNTEXT)}, Case{L"Label21", GetSysColor(COLOR_BTNTEXT)}}) {
    const std::string name = test::Utf8(c.name);
    RECT client{};
    GetClientRect(Ctl(c.name), &client);
    test::Canvas canvas(client.right, client.bottom);
    canvas.Print(Ctl(c.name));
    // The large font is smoothed, so its edges blend the two colours.
    EXPECT_GT(canvas.Count(client, c.text), 0) << name;
    EXPECT_GT(canvas.Count(client, kFormColour), client.right * client.bottom / 2) << name;
    EXPECT_EQ(canvas.Count(client, test::kSentinel), 0) << name << ": painted all over";
    if (c.text != 0x000000FF) {
      EXPECT_EQ(canvas.Count(client, c.text) + canvas.Count(client, kFormColour), client.right * client.bottom) << name;
    }
  }

  // Centred on the line's 417 pixels, though the window stops at Frame4.
  const Label& status = *form->FindLabel(L"Label1").label;
  test::Canvas line(417, 40);
  line.Print(Ctl(L"Label1"));
  SIZE extent{};
  {
    const HDC dc = line.dc();
    const HGDIOBJ old = SelectObject(dc, status.font);
    GetTextExtentPoint32W(dc, L"提示：IP地址格式错误！", 13, &extent);
    SelectObject(dc, old);
  }
  const auto ink = line.Differing({0, 0, 412, Place(L"Label1").bottom - Place(L"Label1").top}, kFormColour);
  ASSERT_TRUE(ink.has_value());
  const int left = (417 - extent.cx) / 2;
  EXPECT_GE(ink->left, left);
  EXPECT_LE(ink->right, left + extent.cx);

  // Each caption drawn unclipped at its label's place lies inside the label's window.
  for (const auto& row : ControlLayout()) {
    if (row.kind != ControlKind::Label || !*row.caption) continue;
    const RECT place = Place(row.name);
    test::Canvas canvas(place.left + 300, place.top + 60);
    const HGDIOBJ old = SelectObject(canvas.dc(), form->FindLabel(row.name).label->font);
    SetBkMode(canvas.dc(), TRANSPARENT);
    RECT at{place.left, place.top, place.left + 300, place.top + 60};
    DrawTextW(canvas.dc(), row.caption, -1, &at, DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    SelectObject(canvas.dc(), old);
    const auto drawn = canvas.Differing(canvas.bounds(), test::kSentinel);
    RECT outside{};
    EXPECT_TRUE(drawn && !SubtractRect(&outside, &*drawn, &place)) << test::Utf8(row.name) << " " << ::testing::PrintToString(*drawn) << ::testing::PrintToString(place);
  }
}

// A screen reader hears the outcome: every write of the status line is announced as a name change.
TEST_F(Form1Test, TheStatusLineAnnouncesEachOutcome) {
  Start();
  static std::vector<HWND> named;
  named.clear();
  const HWINEVENTHOOK hook = SetWinEventHook(
      EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr,
      [](HWINEVENTHOOK, DWORD, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
        if (object == OBJID_WINDOW && child == CHILDID_SELF) named.push_back(hwnd);
      },
      GetCurrentProcessId(), GetCurrentThreadId(), WINEVENT_OUTOFCONTEXT);
  ASSERT_NE(hook, nullptr);
  const HWND status = Ctl(L"Label1");
  form->SetText(L"Label1", L"提示：保存成功！");
  form->SetText(L"Label1", L"提示：保存成功！");  // the same outcome again
  test::PumpUntil([&] { return std::count(named.begin(), named.end(), status) >= 2; }, 1000);
  UnhookWinEvent(hook);
  EXPECT_GE(std::count(named.begin(), named.end(), status), 2);
}

TEST_F(Form1Test, ScriptFileHoldsTheTemplateInGbk) {
  Start();
  const auto bytes = folder.Read(L"HQ.bat");
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(*bytes, ":\xBB\xF1\xC8\xA1\xCD\xF8\xC2\xE7\xC1\xAC\xBD\xD3\xC3\xFB\xB3\xC6\r\n"  // ":获取网络连接名称"
                    ":scanEthernetAdapter\r\n"
                    "@\"%SystemRoot%\\System32\\netsh.exe\" interface show interface >\"%~dp0network.txt\"\r\n");
}

TEST_F(Form1Test, ClosingTheWindowDeletesTheGeneratedFiles) {
  Start();
  folder.Write(L"network.txt", "本地连接\r\n");
  ASSERT_TRUE(folder.Exists(L"HQ.bat"));
  SendMessageW(form->hwnd(), WM_CLOSE, 0, 0);
  EXPECT_EQ(closed, 1);
  EXPECT_FALSE(IsWindow(form->hwnd()));
  EXPECT_FALSE(folder.Exists(L"HQ.bat"));
  EXPECT_FALSE(folder.Exists(L"network.txt"));
}

TEST_F(Form1Test, CloseButtonDeletesTheGeneratedFilesAndEnds) {
  Start();
  folder.Write(L"network.txt", "x\r\n");
  const HWND window = form->hwnd();
  Click(L"Command3");
  EXPECT_EQ(closed, 1);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(folder.Exists(L"HQ.bat"));
  EXPECT_FALSE(folder.Exists(L"network.txt"));
  EXPECT_TRUE(folder.Exists(L""));  // the folder itself stays
}

TEST_F(Form1Test, StartsQuietlyWithoutAdaptersWmiOrScript) {
  wmi.failOn = {L"Connect winmgmts:", L"Connect winmgmts://./root/cimv2"};
  starter.fail = true;
  Start();
  EXPECT_TRUE(IsWindowVisible(form->hwnd()));
  EXPECT_EQ(SendMessageW(Ctl(L"Combo1"), CB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(form->Text(L"Text27"), L"");
  EXPECT_EQ(form->Text(L"Text28"), L"");
  EXPECT_EQ(form->Text(L"Label1"), L"");
  // No message box or other window of ours came up.
  int windows = 0;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND h, LPARAM count) {
        if (IsWindowVisible(h)) ++*reinterpret_cast<int*>(count);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  EXPECT_EQ(windows, 1);
}

TEST_F(Form1Test, TabAndShiftTabMoveThroughTheControlsAndIntoGroupBoxes) {
  Start();
  const auto tab = [&](bool shift) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
    MSG msg{GetFocus(), WM_KEYDOWN, VK_TAB, 0x000F0001, 0, {}};
    EXPECT_TRUE(IsDialogMessageW(form->hwnd(), &msg));
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    return GetFocus();
  };
  SetFocus(Ctl(L"Combo1"));
  EXPECT_EQ(tab(false), Ctl(L"Command10"));
  EXPECT_EQ(tab(true), Ctl(L"Combo1"));
  SetFocus(Ctl(L"Text28"));
  EXPECT_EQ(tab(false), Ctl(L"Text1"));  // into the first group box
  EXPECT_EQ(tab(false), Ctl(L"Text6"));
  EXPECT_EQ(tab(true), Ctl(L"Text1"));
}

}  // namespace
}  // namespace quilnet
