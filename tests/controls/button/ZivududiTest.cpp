// The multi-style button on real windows: input by real messages and a real pointer, persistence,
// access keys, hover hooks on the button and its parent, and a quiet idle window.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "controls/button/Zivududi.h"
#include "platform/Gdi.h"
#include "platform/Subclass.h"
#include "support/Canvas.h"
#include "support/DebugTrace.h"
#include "support/Messages.h"
#include "support/Pump.h"

// Freed objects are overwritten, so that a button read after its host destroyed it reads garbage rather
// than what it last held.
void* operator new(std::size_t size) {
  if (void* p = HeapAlloc(GetProcessHeap(), 0, size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { HeapFree(GetProcessHeap(), 0, p); }
void operator delete(void* p, std::size_t size) noexcept {
  if (p) std::memset(p, 0xDD, size);
  HeapFree(GetProcessHeap(), 0, p);
}

namespace quilnet::button {
namespace {

using test::Pump;
using Log = std::vector<std::wstring>;

constexpr int kId = 7;
constexpr RECT kBounds{20, 20, 113, 75};
// Low on the right of the display, where no other test's window (centred or near the origin) lies:
// another program's window over it would paint it.
constexpr POINT kParentAt{940, 780};

LRESULT CALLBACK ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// One parent window with two standard tab stops around the buttons, and recorders for what reaches it.
class ButtonTest : public ::testing::Test {
 public:
  void SetUp() override {
    current = this;
    WNDCLASSW wc{};
    wc.lpfnWndProc = ParentProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"QuilnetButtonTestParent";
    RegisterClassW(&wc);
    parent = CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                             kParentAt.x, kParentAt.y, 320, 200, nullptr, nullptr, wc.hInstance, nullptr);
    before = CreateWindowExW(0, L"Button", L"before", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 200, 10, 80, 24, parent,
                             reinterpret_cast<HMENU>(1), nullptr, nullptr);
    SetForegroundWindow(parent);
    SetActiveWindow(parent);
    PointerOff();
  }
  void TearDown() override {
    buttons.clear();
    DestroyWindow(parent);
    current = nullptr;
  }

  Zivududi& Make(const PropertyBag& bag = {}, RECT bounds = kBounds, int id = kId) {
    Container container;
    container.propertyChanged = [this](std::wstring_view name) { changed.emplace_back(name); };
    buttons.push_back(Zivududi::CreateFromBag(parent, bounds, id, bag, container));
    Zivududi& b = *buttons.back();
    b.events.MouseEnter = [this] { events.push_back(L"MouseEnter"); };
    b.events.MouseLeave = [this] { events.push_back(L"MouseLeave"); };
    b.events.MouseUp = [this](short, short, float, float) { events.push_back(L"MouseUp"); };
    b.events.KeyDown = [this](short key, short) { events.push_back(L"KeyDown " + std::to_wstring(key)); };
    b.events.KeyUp = [this](short key, short) { events.push_back(L"KeyUp " + std::to_wstring(key)); };
    after = CreateWindowExW(0, L"Button", L"after", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 200, 40, 80, 24, parent,
                            reinterpret_cast<HMENU>(2), nullptr, nullptr);
    return b;
  }
  static PropertyBag Bag(std::initializer_list<std::pair<const wchar_t*, PropertyBag::Value>> values) {
    PropertyBag bag;
    for (const auto& [key, value] : values) bag.Write(key, value, std::wstring(L"\x1"));
    return bag;
  }
  // The real pointer on the middle of the button, or well away from the parent; then the messages run
  // until the button has seen it (the display reports a move a little later).
  void PointerOn(int dx = 0) {
    RECT r{};
    GetWindowRect(buttons.front()->hwnd(), &r);
    SetCursorPos((r.left + r.right) / 2 + dx, (r.top + r.bottom) / 2);
    test::PumpUntil([this] { return buttons.front()->Look().mouseInside; }, 1000);
    Pump(100);
  }
  void PointerOff() {
    SetCursorPos(10, 10);
    test::PumpUntil([this] { return buttons.empty() || !buttons.front()->Look().mouseInside; }, 1000);
    Pump(100);
  }
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageW(buttons.front()->hwnd(), message, wParam, lParam);
  }
  void Key(UINT message, WPARAM key) { Send(message, key, message == WM_KEYUP ? 0xC0000001 : 1); }
  int Clicks(int id = kId) const { return static_cast<int>(std::count(clicks.begin(), clicks.end(), id)); }
  int State() const { return buttons.front()->Look().buttonState; }

  static inline ButtonTest* current = nullptr;
  HWND parent = nullptr;
  HWND before = nullptr;
  HWND after = nullptr;
  std::vector<std::unique_ptr<Zivududi>> buttons;
  std::vector<int> clicks;
  bool destroyOnClick = false;
  int parentMessages = 0;
  Log events;
  Log changed;
};

LRESULT CALLBACK ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (ButtonTest::current) {
    if (message == WM_APP) ++ButtonTest::current->parentMessages;
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) ButtonTest::current->clicks.push_back(LOWORD(wParam));
    if (message == WM_COMMAND && ButtonTest::current->destroyOnClick) ButtonTest::current->buttons.clear();
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST_F(ButtonTest, AccessKeyOfCaptions) {
  const struct {
    const wchar_t* caption;
    const wchar_t* key;
  } rows[] = {
      {L"", L""},       {L"X", L""},        {L"&", L""},          {L"&Save", L"s"},     {L"Sa&Ve", L"v"},
      {L"ab&", L""},    {L"&&ab", L""},     {L"&&a&x", L"x"},     {L"&&a&&b&c", L""},   {L"&&a&", L""},
      {L"a&&", L""},    {L"&&&X", L"x"},    {L"自&动", L"动"},
  };
  for (const auto& row : rows) EXPECT_EQ(AccessKeyOf(row.caption), row.key) << "caption " << testing::PrintToString(std::wstring(row.caption));
}

TEST_F(ButtonTest, AccessKeyFromTheMessageLoopClicksAndTogglesAsTheModeSays) {
  Zivududi& b = Make(Bag({{L"Caption", std::wstring(L"&&a&x")}, {L"CheckBoxMode", true}}));
  const struct {
    WPARAM key;
    bool taken;
    bool value;
    int clicks;
  } rows[] = {{'y', false, false, 0}, {'X', true, true, 1}, {'x', true, false, 2}, {'a', false, false, 2}};
  for (const auto& row : rows) {
    const MSG msg{parent, WM_SYSCHAR, row.key, 0};
    EXPECT_EQ(TranslateAccessKey(parent, msg), row.taken) << row.key;
    Pump(20);
    EXPECT_EQ(b.Value(), row.value) << row.key;
    EXPECT_EQ(Clicks(), row.clicks) << row.key;
  }
  // Escape and Enter as access keys of a check box neither toggle nor click.
  for (int key : {VK_ESCAPE, VK_RETURN}) b.AccessKeyPress(key);
  Pump(20);
  EXPECT_FALSE(b.Value());
  EXPECT_EQ(Clicks(), 2);
}

TEST_F(ButtonTest, ReadingMissingKeysGivesTheReadingDefaults) {
  const Zivududi& b = Make();
  EXPECT_EQ(b.ButtonStyle(), RaisedSoft);
  EXPECT_FALSE(b.ShowFocusRect());
  EXPECT_EQ(b.Caption(), L"zivududi");
  EXPECT_EQ(b.BackColor(), TranslateColour(kButtonFace));
  EXPECT_EQ(b.ForeColor(), TranslateColour(kButtonText));
  EXPECT_EQ(b.MaskColor(), 0xE0E0E0u);
  EXPECT_EQ(b.PictureAlign(), LeftOfCaption);
  EXPECT_EQ(b.CaptionAlign(), Center);
  EXPECT_TRUE(b.Enabled());
}

TEST_F(ButtonTest, PropertiesSurviveWritingAndReadingBack) {
  const struct {
    PropertyBag stored;
    const wchar_t* key;  // written under this key (lower case), or nothing when at its default
    bool written;
  } rows[] = {
      {Bag({{L"ButtonStyle", 4}}), L"buttonstyle", true},
      {Bag({{L"ButtonStyle", 1}}), L"buttonstyle", false},
      {Bag({{L"BUTTONSTYLE", 0}}), L"buttonstyle", true},
      {Bag({{L"ShowFocusRect", true}}), L"showfocusrect", true},
      {Bag({{L"Caption", std::wstring(L"保存")}}), L"caption", true},
      {Bag({{L"UseMaskColor", true}}), L"usemaskcolor", true},
      {Bag({{L"BackColor", ColourValue{0x00E8BF88}}}), L"backcolor", true},
      {Bag({{L"Font", FontDesc{L"宋体", 9, GB2312_CHARSET}}}), L"font", true},
      {Bag({{L"PictureSize", 3}, {L"CheckBoxMode", true}, {L"Value", true}}), L"picturesize", true},
  };
  for (const auto& row : rows) {
    PropertyBag written;
    Make(row.stored).WriteProperties(written);
    EXPECT_EQ(written.Find(row.key) != nullptr, row.written) << testing::PrintToString(std::wstring(row.key));
    PropertyBag again;
    Make(written).WriteProperties(again);
    EXPECT_EQ(again.Stored().size(), written.Stored().size());
    for (const auto& [key, value] : written.Stored()) {
      EXPECT_TRUE(again.Find(key) && *again.Find(key) == value) << testing::PrintToString(key);
    }
    EXPECT_EQ(buttons.back()->Caption(), buttons[buttons.size() - 2]->Caption());
    EXPECT_EQ(buttons.back()->ButtonStyle(), buttons[buttons.size() - 2]->ButtonStyle());
    EXPECT_EQ(buttons.back()->Value(), buttons[buttons.size() - 2]->Value());
  }
  // The caption defaults differ: "zivududi1" is written as nothing and reads back as "zivududi".
  PropertyBag written;
  Make(Bag({{L"Caption", std::wstring(L"zivududi1")}})).WriteProperties(written);
  EXPECT_EQ(written.Find(L"Caption"), nullptr);
  EXPECT_EQ(Make(written).Caption(), L"zivududi");
}

TEST_F(ButtonTest, NewButtonAndStyleChangeTakeTheStyleDefaults) {
  Container container;
  container.ambient.displayName = L"Command9";
  container.propertyChanged = [this](std::wstring_view name) { changed.emplace_back(name); };
  buttons.push_back(Zivududi::CreateNew(parent, kBounds, kId, container));
  Zivududi& b = *buttons.back();
  EXPECT_EQ(b.ButtonStyle(), Raised3D);
  EXPECT_EQ(b.Caption(), L"Command9");
  EXPECT_EQ(WindowText(b.hwnd()), L"Command9");
  EXPECT_EQ(b.HostSurface().FontDescription().name, L"Tahoma");
  EXPECT_TRUE(b.ShowFocusRect());
  b.SetBackColor(0x123456);
  b.SetButtonStyle(SolidBlue);
  EXPECT_EQ(b.BackColor(), 0xAA6D00u);
  EXPECT_EQ(b.ForeColor(), 0xFFFFFFu);
  b.SetButtonStyle(RoundedBevel);
  EXPECT_EQ(b.BackColor(), 0xE3E3E3u);
  EXPECT_FALSE(b.ShowFocusRect());
  // Outside check-box mode a value is refused without a word; the picture for hovering fills both.
  changed.clear();
  b.SetValue(true);
  EXPECT_FALSE(b.Value());
  EXPECT_TRUE(changed.empty());
  b.SetPictureHover({ButtonPicture::Kind::Icon, nullptr, LoadIconW(nullptr, IDI_APPLICATION), 32, 32});
  EXPECT_EQ(b.Picture().kind, ButtonPicture::Kind::Icon);
  b.SetMousePointer(11);
  EXPECT_EQ(changed, (Log{L"Picture", L"PictureHover", L"MousePointer"}));
  // The window text is the caption, both ways.
  SetWindowTextW(b.hwnd(), L"&Go");
  EXPECT_EQ(b.Caption(), L"&Go");
  EXPECT_EQ(b.AccessKeys(), L"g");
}

// A few steps of input, by real messages and the real pointer.
enum Step { On, Off, LDown, LUp, LUpAtEdge, SpaceDown, SpaceUp, AltSpace, KeyAUp, Enter, Deactivate, Activate };

TEST_F(ButtonTest, InputStateMachine) {
  const struct {
    const char* name;
    bool checkBox;
    std::vector<Step> steps;
    int state;
    int clicks;
    bool value;
    Log events;
  } rows[] = {
      {"click inside", false, {On, LDown, LUp}, Down, 1, false, {L"MouseEnter", L"MouseUp"}},
      {"release on the edge", false, {LDown, LUpAtEdge}, Normal, 0, false, {L"MouseUp"}},
      {"check box click", true, {On, LDown, LUp}, Down, 1, true, {L"MouseEnter", L"MouseUp"}},
      {"space away from the pointer", false, {SpaceDown, SpaceUp}, Normal, 1, false, {L"KeyDown 32", L"KeyUp 32"}},
      {"space under the pointer", false, {On, SpaceDown, SpaceUp}, Hot, 1, false,
       {L"MouseEnter", L"KeyDown 32", L"KeyUp 32"}},
      {"space held while leaving", false, {On, SpaceDown, Off}, Down, 0, false, {L"MouseEnter", L"KeyDown 32"}},
      {"space toggles a check box", true, {SpaceDown}, Down, 0, true, {L"KeyDown 32"}},
      {"alt with space", false, {AltSpace, SpaceUp}, Normal, 0, false, {}},
      {"other key up", false, {KeyAUp}, Normal, 0, false, {}},
      {"enter", false, {Enter}, Normal, 1, false, {L"KeyDown 13"}},
      {"deactivated while held", false, {On, LDown, Deactivate, Activate}, Normal, 0, false, {L"MouseEnter"}},
  };
  for (const auto& row : rows) {
    Zivududi& b = Make(Bag({{L"CheckBoxMode", row.checkBox}}));
    SetFocus(b.hwnd());
    events.clear();
    clicks.clear();
    for (Step step : row.steps) {
      switch (step) {
        case On: PointerOn(); break;
        case Off: PointerOff(); break;
        case LDown: Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 20)); break;
        case LUp: Send(WM_LBUTTONUP, 0, MAKELPARAM(40, 20)); break;
        case LUpAtEdge: Send(WM_LBUTTONUP, 0, MAKELPARAM(0, 20)); break;
        case SpaceDown: Key(WM_KEYDOWN, VK_SPACE); break;
        case SpaceUp: Key(WM_KEYUP, VK_SPACE); break;
        case AltSpace: Send(WM_SYSKEYDOWN, VK_SPACE, 0x20000001); break;
        case KeyAUp: Key(WM_KEYUP, 'A'); break;
        case Enter: Key(WM_KEYDOWN, VK_RETURN); break;
        case Deactivate: SendMessageW(parent, WM_ACTIVATE, WA_INACTIVE, 0); break;
        case Activate: SendMessageW(parent, WM_ACTIVATE, WA_ACTIVE, 0); break;
      }
    }
    EXPECT_EQ(State(), row.state) << row.name;
    EXPECT_EQ(Clicks(), row.clicks) << row.name;
    EXPECT_EQ(b.Value(), row.value) << row.name;
    EXPECT_EQ(SendMessageW(b.hwnd(), BM_GETCHECK, 0, 0), row.value ? BST_CHECKED : BST_UNCHECKED) << row.name;
    EXPECT_EQ(events, row.events) << row.name;
    EXPECT_FALSE(b.Look().mouseDown) << row.name;
    Send(WM_KEYUP, VK_SPACE, 0xC0000001);
    ReleaseCapture();
    PointerOff();
    buttons.clear();
  }
}

TEST_F(ButtonTest, DoubleClickPressesAgainAndClicksOnRelease) {
  Zivududi& b = Make();
  b.events.MouseDown = [this](short, short, float, float) { events.push_back(L"MouseDown"); };
  b.events.DblClick = [this] { events.push_back(L"DblClick"); };
  test::MessageRecorder recorder;
  recorder.Ignore({WM_SETFOCUS, WM_KILLFOCUS, WM_IME_SETCONTEXT, WM_IME_NOTIFY, WM_CTLCOLORBTN, WM_GETDLGCODE});
  const test::MessageSpy onButton(b.hwnd(), recorder), onParent(parent, recorder);
  for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
    Send(message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(40, 20));
  }
  // The mouse is let go before the parent hears of each click: its handler may open a window.
  const WPARAM clicked = MAKEWPARAM(kId, BN_CLICKED);
  const test::ExpectedMessage expected[] = {
      {WM_LBUTTONDOWN}, {WM_LBUTTONUP},   {WM_CAPTURECHANGED}, {WM_COMMAND, test::kWParam, clicked},
      {WM_LBUTTONDBLCLK}, {WM_LBUTTONUP}, {WM_CAPTURECHANGED}, {WM_COMMAND, test::kWParam, clicked}};
  EXPECT_TRUE(recorder.Matches(expected));
  EXPECT_EQ(events, (Log{L"MouseDown", L"MouseUp", L"MouseDown", L"DblClick", L"MouseUp"}));
  EXPECT_EQ(State(), Down);
}

TEST_F(ButtonTest, AHostMayDestroyTheButtonFromItsOwnEvents) {
  const struct {
    const char* name;
    void (*input)(ButtonTest& t, Zivududi& b);
  } rows[] = {
      {"click", [](ButtonTest& t, Zivududi&) { t.destroyOnClick = true, t.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(9, 9)), t.Send(WM_LBUTTONUP, 0, MAKELPARAM(9, 9)); }},
      {"enter", [](ButtonTest& t, Zivududi&) { t.destroyOnClick = true, t.Key(WM_KEYDOWN, VK_RETURN); }},
      {"space", [](ButtonTest& t, Zivududi&) { t.destroyOnClick = true, t.Key(WM_KEYDOWN, VK_SPACE), t.Key(WM_KEYUP, VK_SPACE); }},
      {"BM_CLICK pressing", [](ButtonTest& t, Zivududi& b) { b.events.MouseDown = [&t](short, short, float, float) { t.buttons.clear(); }, t.Send(BM_CLICK); }},
      {"double click", [](ButtonTest& t, Zivududi& b) {
         t.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(9, 9)), t.Send(WM_LBUTTONUP, 0, MAKELPARAM(9, 9));
         b.events.MouseDown = [&t](short, short, float, float) { t.buttons.clear(); };
         t.Send(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(9, 9));
       }},
      {"entering", [](ButtonTest& t, Zivududi& b) {
         b.events.MouseEnter = [&t] { t.buttons.clear(); };
         RECT r{};
         GetWindowRect(b.hwnd(), &r);
         SetCursorPos(r.left + 9, r.top + 9);
         test::PumpUntil([&t] { return t.buttons.empty(); }, 1000);
       }},
  };
  for (const auto& row : rows) {
    Zivududi& b = Make();
    const HWND hwnd = b.hwnd();
    row.input(*this, b);
    EXPECT_TRUE(buttons.empty()) << row.name;
    EXPECT_FALSE(IsWindow(hwnd)) << row.name;
    destroyOnClick = false;
    PointerOff();
  }
}

TEST_F(ButtonTest, AHandlerThatThrowsIsAnsweredByTheWindowBaseWithATrace) {
  Zivududi& b = Make();
  b.events.KeyDown = [](short, short) { throw std::runtime_error("handler"); };
  const test::DebugTrace trace;
  Key(WM_KEYDOWN, 'A');
  EXPECT_TRUE(trace.Has(L"message 0x0100 failed"));
}

TEST_F(ButtonTest, TheCursorFollowsMousePointerAndHandPointer) {
  Zivududi& b = Make();
  const HICON icon = LoadIconW(nullptr, IDI_APPLICATION);
  const struct {
    int pointer;
    bool hand;
    HCURSOR cursor;  // nullptr: the button's custom icon
  } rows[] = {{0, false, LoadCursorW(nullptr, IDC_ARROW)}, {11, false, LoadCursorW(nullptr, IDC_WAIT)},
              {11, true, LoadCursorW(nullptr, IDC_HAND)}, {99, false, nullptr}};
  for (const auto& row : rows) {
    if (row.pointer == 99) b.SetMouseIcon(icon);
    b.SetMousePointer(row.pointer);
    b.SetHandPointer(row.hand);
    SetCursor(nullptr);
    Send(WM_SETCURSOR, reinterpret_cast<WPARAM>(b.hwnd()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), row.cursor ? row.cursor : b.MouseIcon()) << row.pointer << row.hand;
  }
}

TEST_F(ButtonTest, PrintingTheClientGivesThePixelsOfThePaint) {
  Zivududi& b = Make(Bag({{L"ButtonStyle", HorizontalGradient}, {L"Caption", std::wstring(L"&Go")}}));
  UpdateWindow(b.hwnd());
  test::Drain();
  test::Canvas painted(93, 55), printed(93, 55);
  const HDC screen = GetDC(b.hwnd());
  BitBlt(painted.dc(), 0, 0, 93, 55, screen, 0, 0, SRCCOPY);
  ReleaseDC(b.hwnd(), screen);
  printed.Print(b.hwnd());
  EXPECT_TRUE(printed.SameAs(painted));
}

TEST_F(ButtonTest, WithoutLeaveTrackingNothingIsHookedAndNothingHovers) {
  const size_t states = LiveSubclassStates();
  Container container;
  container.leaveTracker = nullptr;
  buttons.push_back(Zivududi::CreateFromBag(parent, kBounds, kId, {}, container));
  EXPECT_EQ(LiveSubclassStates(), states);
  RECT r{};
  GetWindowRect(buttons.front()->hwnd(), &r);
  SetCursorPos(r.left + 9, r.top + 9);
  Pump(300);
  EXPECT_EQ(State(), Normal);
}

TEST_F(ButtonTest, ArrowsMoveTheFocusAlongTheTabStops) {
  Zivududi& b = Make();
  const struct {
    WPARAM key;
    HWND* to;
  } rows[] = {{VK_RIGHT, &after}, {VK_DOWN, &after}, {VK_LEFT, &before}, {VK_UP, &before}};
  for (const auto& row : rows) {
    SetFocus(b.hwnd());
    EXPECT_TRUE(b.Look().hasFocus);
    Key(WM_KEYDOWN, row.key);
    EXPECT_EQ(GetFocus(), *row.to) << row.key;
    EXPECT_FALSE(b.Look().hasFocus);
  }
}

TEST_F(ButtonTest, BmClickClicksAnEnabledButtonOnly) {
  Zivududi& b = Make();
  Send(BM_CLICK);
  EXPECT_EQ(clicks, std::vector<int>{kId});
  b.SetEnabled(false);
  Send(BM_CLICK);
  EXPECT_EQ(clicks.size(), 1u);
  EXPECT_EQ(Send(WM_GETDLGCODE) & (DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON), DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON);
}

TEST_F(ButtonTest, HoverRaisesEnterAndLeaveOnce) {
  Make();
  for (int round = 0; round < 2; ++round) {
    events.clear();
    PointerOn();
    EXPECT_EQ(State(), Hot);
    PointerOn(5);
    PointerOff();
    EXPECT_EQ(State(), Normal);
    EXPECT_EQ(events, (Log{L"MouseEnter", L"MouseLeave"}));
  }
}

TEST_F(ButtonTest, AWindowGoneBeforeItsParentLeavesNoHookThere) {
  Zivududi& b = Make();
  DestroyWindow(b.hwnd());
  SendMessageW(parent, WM_ACTIVATE, WA_INACTIVE, 0);
  EXPECT_TRUE(b.Look().parentActive);
}

LRESULT CALLBACK CountPaints(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR count) {
  if (message == WM_PAINT) ++*reinterpret_cast<int*>(count);
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

TEST_F(ButtonTest, AnIdleButtonIsNotPainted) {
  for (int style : {Raised3D, RoundedBevel, GlossyRounded}) {
    Zivududi& b = Make(Bag({{L"ButtonStyle", style}}));
    int paints = 0;
    SetWindowSubclass(b.hwnd(), CountPaints, 1, reinterpret_cast<DWORD_PTR>(&paints));
    Pump(300);
    EXPECT_LE(paints, 1) << style;
    paints = 0;
    Pump(500);
    EXPECT_EQ(paints, 0) << style;
    RemoveWindowSubclass(b.hwnd(), CountPaints, 1);
  }
}

// A procedure set with GWLP_WNDPROC on the parent, above the buttons' hooks, as a skin would set one.
WNDPROC foreignPrevious = nullptr;
int foreignSeen = 0;
LRESULT CALLBACK ForeignProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP) ++foreignSeen;
  return CallWindowProcW(foreignPrevious, hwnd, message, wParam, lParam);
}

TEST_F(ButtonTest, ParentChainSurvivesEveryUnhookOrder) {
  for (bool foreign : {false, true}) {
    std::vector<int> order{0, 1, 2};
    do {
      for (int i = 0; i < 3; ++i) Make({}, RECT{10, 10 + 60 * i, 90, 60 + 60 * i}, 10 + i);
      if (foreign) {
        foreignPrevious = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ForeignProc)));
      }
      std::vector<std::unique_ptr<Zivududi>> made = std::move(buttons);
      buttons.clear();
      for (int i : order) {
        made[i].reset();
        SendMessageW(parent, WM_ACTIVATE, WA_INACTIVE, 0);  // reaches the buttons still there, and only them
        for (const auto& b : made) {
          if (b) {
            EXPECT_FALSE(b->Look().parentActive);
          }
        }
        SendMessageW(parent, WM_ACTIVATE, WA_ACTIVE, 0);
      }
      parentMessages = foreignSeen = 0;
      SendMessageW(parent, WM_APP, 0, 0);
      EXPECT_EQ(parentMessages, 1) << foreign << order[0] << order[1] << order[2];
      EXPECT_EQ(foreignSeen, foreign ? 1 : 0);
      if (foreign) SetWindowLongPtrW(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(foreignPrevious));
      SendMessageW(parent, WM_APP, 0, 0);
      EXPECT_EQ(parentMessages, 2) << foreign << order[0] << order[1] << order[2];
      for (HWND child = GetWindow(parent, GW_CHILD); child;) {
        const HWND next = GetWindow(child, GW_HWNDNEXT);
        if (child != before) DestroyWindow(child);
        child = next;
      }
    } while (std::next_permutation(order.begin(), order.end()));
  }
}

}  // namespace
}  // namespace quilnet::button
