// The skin attached to real window trees: families, properties, hooks, teardown.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <thread>

#include "controls/button/Zivududi.h"
#include "platform/Subclass.h"
#include "skin/MSkinner.h"
#include "skin/SkinFixture.h"
#include "skin/SkinProps.h"
#include "support/Pump.h"

namespace quilnet::skin::test {
namespace {

using button::Container;
using button::Zivududi;

const Names kButtonProps = {L"PROCADDR", L"OLDSTYLE", L"OLDSTATE", L"MOUSEFLAG", L"TIMERID", L"ALPHALEVEL", L"HDC0",
                            L"HDC1",     L"HDC2",     L"HDC3",     L"BMP0",      L"BMP1",    L"BMP2",       L"BMP3"};
const Names kStateProps = {L"PROCADDR", L"OLDSTATE", L"MOUSEFLAG"};

TEST(SkinFamilies, ClassNamesFallIntoTheirFamiliesWhateverTheirCase) {
  const std::pair<const wchar_t*, Family> cases[] = {
      {L"#32770", Family::Form},          {L"ThunderRT6FormDC", Family::Form},       {L"FORM", Family::Form},
      {L"Button", Family::PushButton},    {L"ThunderCommandButton", Family::PushButton},
      {L"ComboBox", Family::Combo},       {L"combo", Family::Combo},                 {L"ComboLBox", Family::ComboList},
      {L"ThunderRT6DriveListBox", Family::DriveList}, {L"ThunderCheckBox", Family::CheckBox},
      {L"ThunderRT6OptionButton", Family::Option},    {L"ProgressBarWndClass", Family::Progress},
      {L"SysHeader32", Family::Header},   {L"DBListWndClass", Family::DataList},
      {L"ApexGrid", Family::Grid},        {L"APEXGRIDOLEDB32", Family::Grid},        {L"MyApexGrid", Family::Other},
      {L"apexgri", Family::Other},        {L"Buttons", Family::Other},               {L"Edit", Family::Other},
      {L"", Family::Other},               {L"Combo Box", Family::Other},
  };
  for (const auto& [name, family] : cases) EXPECT_EQ(FamilyOfClass(name), family) << Narrow(name);
}

struct Member {
  const wchar_t* className;
  DWORD style;
  const Names* props;  // beside PROCADDR
};
const Names kNone = {L"PROCADDR"};
const Names kHeaderProps = {L"PROCADDR", L"MOUSEFLAG", L"HDINDEX", L"HMINDEX"};
const Member kTree[] = {
    {L"Button", BS_PUSHBUTTON, &kButtonProps},          {L"Button", BS_AUTOCHECKBOX, &kButtonProps},
    {L"ThunderRT6CommandButton", BS_DEFPUSHBUTTON, &kButtonProps},
    {L"ThunderRT6ComboBox", CBS_DROPDOWNLIST, &kStateProps}, {L"ThunderRT6DriveListBox", CBS_DROPDOWNLIST, &kStateProps},
    {L"ThunderRT6CheckBox", BS_AUTOCHECKBOX, &kStateProps},  {L"ThunderRT6OptionButton", BS_AUTORADIOBUTTON, &kStateProps},
    {L"MSVB_Lib_Header", 0, &kHeaderProps},             {L"ProgressBar20WndClass", 0, &kNone},
    {L"DataListWndClass", 0, &kNone},                   {L"ApexGridOleDB32", 0, &kNone},
    {L"ThunderRT6TextBox", 0, &kNone},                  {L"Edit", 0, &kNone},
};

class SkinTreeTest : public SkinWindowTest {
 protected:
  void Build() {
    int y = 0;
    for (const Member& m : kTree) members_.push_back(Child(form_, m.className, m.style, 4, y += 2, 75, 23, L"确定"));
    frame_ = Child(form_, L"ThunderRT6Frame", 0, 100, 4, 100, 60);
    inFrame_ = Child(frame_, L"ThunderRT6CommandButton", BS_PUSHBUTTON, 4, 4, 60, 20, L"取消");
  }
  std::vector<HWND> members_;
  HWND frame_ = nullptr, inFrame_ = nullptr;
};

TEST_F(SkinTreeTest, FormAndEveryDescendantCarryTheirFamilysPropertiesOnce) {
  Build();
  ASSERT_EQ(SkinForm(form_), 1);
  ASSERT_NE(CurrentSurfaces(), nullptr);
  for (size_t i = 0; i < members_.size(); ++i) EXPECT_EQ(SkinPropsOf(members_[i]), *kTree[i].props) << i;
  EXPECT_EQ(SkinPropsOf(form_), kNone);
  EXPECT_EQ(SkinPropsOf(inFrame_), kButtonProps);  // a grandchild too
  EXPECT_EQ(ReadProp(members_[7], kHdIndex), -1);
  // Push-button types draw in the skin; a check box of class "button" keeps its own painting.
  EXPECT_EQ(GetWindowLongPtrW(members_[0], GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  EXPECT_EQ(GetWindowLongPtrW(members_[1], GWL_STYLE) & BS_TYPEMASK, BS_AUTOCHECKBOX);
  EXPECT_EQ(ReadProp(members_[2], kOldStyle) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  EXPECT_EQ(AttachedWindowCount(), static_cast<int>(members_.size()) + 3);

  const LONG_PTR formProc = GetWindowLongPtrW(form_, GWLP_WNDPROC), buttonProc = GetWindowLongPtrW(members_[0], GWLP_WNDPROC);
  EXPECT_EQ(SkinForm(form_), 0);
  EXPECT_EQ(AttachWindow(members_[0]), 0);
  EXPECT_EQ(AttachWindow(nullptr), 0);
  EXPECT_EQ(GetWindowLongPtrW(form_, GWLP_WNDPROC), formProc);
  EXPECT_EQ(GetWindowLongPtrW(members_[0], GWLP_WNDPROC), buttonProc);
  EXPECT_EQ(AttachedWindowCount(), static_cast<int>(members_.size()) + 3);
}

TEST_F(SkinTreeTest, DestroyingTheFormLeavesNothingBehindAndALaterSkinFormBuildsAgain) {
  long objects = 0;
  // The first round also fills the system's caches for these controls; the second must end where it began.
  for (int round = 0; round < 2; ++round) {
    if (round == 1) objects = GdiObjectCount();  // with one empty form
    members_.clear();
    destroyed.clear();
    Build();
    ASSERT_EQ(SkinForm(form_), 1);
    ASSERT_TRUE(CurrentSurfaces() && *CurrentSurfaces());
    SetFocus(members_[2]);  // a fade running when the window goes
    ASSERT_NE(ReadProp(members_[2], kTimerId), 0);
    DestroyWindow(form_);
    EXPECT_EQ(AttachedWindowCount(), 0);
    EXPECT_EQ(CurrentSurfaces(), nullptr);
    form_ = NewForm();
  }
  EXPECT_EQ(GdiObjectCount(), objects);
  size_t recorded = 3;  // the form, the frame and the button in it; standard classes have no recorder
  for (const Member& m : kTree) recorded += wcscmp(m.className, L"Button") != 0 && wcscmp(m.className, L"Edit") != 0;
  ASSERT_EQ(destroyed.size(), recorded);
  for (const Destroyed& seen : destroyed) {
    EXPECT_TRUE(seen.ownProcedure) << seen.window;
    EXPECT_EQ(seen.props, Names{});
    EXPECT_FALSE(seen.region);
    EXPECT_FALSE(seen.timer);
  }
}

// Start-up skins the form before it shows: nothing is painted that nobody can see, and all of it is
// painted when it shows.
TEST_F(SkinTreeTest, AFormNotShownYetIsPaintedOnlyWhenItShows) {
  static int framesPainted = 0;
  framesPainted = 0;
  ShowWindow(form_, SW_HIDE);
  Build();
  const HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, [](int code, WPARAM w, LPARAM l) -> LRESULT {
    if (reinterpret_cast<const CWPSTRUCT*>(l)->message == WM_NCPAINT) ++framesPainted;
    return CallNextHookEx(nullptr, code, w, l);
  }, nullptr, GetCurrentThreadId());
  ASSERT_EQ(SkinForm(form_), 1);
  EXPECT_EQ(framesPainted, 0);
  ShowWindow(form_, SW_SHOWNA);
  UpdateWindow(form_);
  EXPECT_GT(framesPainted, 0);
  UnhookWindowsHookEx(hook);
}

// A hook above the skin that keeps WM_DESTROY to itself: the skin still lets go, at WM_NCDESTROY.
TEST_F(SkinTreeTest, AHookThatSwallowsDestroyLeavesNothingBehind) {
  long objects = 0;
  for (int round = 0; round < 2; ++round) {
    if (round == 1) objects = GdiObjectCount();
    members_.clear();
    Build();
    ASSERT_EQ(SkinForm(form_), 1);
    const auto swallow = [](const WindowMessage& m, const NextProcedure& next) { return m.message == WM_DESTROY ? 0 : next(); };
    for (HWND window : {form_, members_[0], inFrame_}) AddProcSubclass(window, L"SWALLOW", swallow);
    DestroyWindow(form_);
    form_ = NewForm();
  }
  EXPECT_EQ(GdiObjectCount(), objects);  // and TearDown finds nothing attached, no skin bitmaps
}

TEST_F(SkinWindowTest, WindowsOfOtherThreadsAreNeverAttached) {
  HWND theirs = nullptr;
  const UniqueHandle made(CreateEventW(nullptr, TRUE, FALSE, nullptr)), done(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  std::thread other([&] {
    theirs = CreateWindowExW(0, L"Button", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    SetEvent(made.get());
    WaitForSingleObject(done.get(), INFINITE);
    DestroyWindow(theirs);
  });
  WaitForSingleObject(made.get(), INFINITE);
  EXPECT_EQ(SkinForm(theirs), 0);
  EXPECT_TRUE(SkinPropsOf(theirs).empty());
  SetEvent(done.get());
  other.join();
}

// The message box, read from inside its own modal loop.
struct Box {
  HWND owner = nullptr, box = nullptr;
  bool boxAttached = false, okAttached = false;
  LONG_PTR okType = 0;
} box;

TEST_F(SkinWindowTest, MessageBoxOwnedByTheFormIsSkinnedWhenItTakesTheActivation) {
  ASSERT_EQ(SkinForm(form_), 1);
  SetActiveWindow(form_);
  box = {form_};
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) {
    const HWND found = GetLastActivePopup(box.owner);
    if (found == box.owner || box.box) return;
    box.box = found;
    const HWND ok = GetDlgItem(found, IDOK);
    box.boxAttached = GetPropW(found, kProcAddr) != nullptr;
    box.okAttached = GetPropW(ok, kProcAddr) != nullptr;
    box.okType = GetWindowLongPtrW(ok, GWL_STYLE) & BS_TYPEMASK;
    PostMessageW(found, WM_COMMAND, IDOK, 0);
  });
  MessageBoxW(form_, L"Quilnet", L"提示！", MB_OK);
  KillTimer(nullptr, timer);
  ASSERT_NE(box.box, nullptr);
  EXPECT_TRUE(box.boxAttached);
  EXPECT_TRUE(box.okAttached);
  EXPECT_EQ(box.okType, BS_OWNERDRAW);
  EXPECT_EQ(AttachedWindowCount(), 1);  // the box and its buttons went with it
}

TEST_F(SkinWindowTest, DialogIsSkinnedWhenItsOwnerGoesIdle) {
  ASSERT_EQ(SkinForm(form_), 1);
  // Another window has the activation, so the form never hears of the dialog's: only the idle hook
  // can find it.
  const UniqueWindow other(NewForm(400, 40, 100, 100));
  SetActiveWindow(other.get());
  std::vector<WORD> t = {LOWORD(WS_POPUP | WS_CAPTION), HIWORD(WS_POPUP | WS_CAPTION), 0, 0, 1, 10, 10, 100, 50, 0, 0, 0,
                         LOWORD(WS_CHILD | WS_VISIBLE), HIWORD(WS_CHILD | WS_VISIBLE), 0, 0, 5, 5, 40, 14, IDOK, 0xFFFF, 0x0080, 0, 0};
  box = {};
  static int ticks;
  ticks = 0;
  const INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<DLGTEMPLATE*>(t.data()),
                                                 form_, [](HWND dialog, UINT message, WPARAM, LPARAM) -> INT_PTR {
    if (message == WM_INITDIALOG) SetTimer(dialog, 7, 20, nullptr);
    if (message == WM_TIMER && (GetPropW(dialog, kProcAddr) || ++ticks > 100)) {
      box.boxAttached = GetPropW(dialog, kProcAddr) != nullptr;
      box.okAttached = GetPropW(GetDlgItem(dialog, IDOK), kProcAddr) != nullptr;
      EndDialog(dialog, 5);
    }
    return message == WM_INITDIALOG;
  }, 0);
  EXPECT_EQ(result, 5);
  EXPECT_TRUE(box.boxAttached);
  EXPECT_TRUE(box.okAttached);
}

TEST_F(SkinWindowTest, OpeningADropDownListAttachesTheList) {
  const HWND combo = Child(form_, L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL, 4, 4, 120, 200);
  SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"以太网"));
  ASSERT_EQ(SkinForm(form_), 1);
  COMBOBOXINFO info{sizeof info};
  ASSERT_TRUE(GetComboBoxInfo(combo, &info));
  EXPECT_EQ(FamilyOf(info.hwndList), Family::ComboList);
  EXPECT_FALSE(GetPropW(info.hwndList, kProcAddr));
  SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
  ::quilnet::test::Drain();
  EXPECT_TRUE(GetPropW(info.hwndList, kProcAddr));
  SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
}

// Multi-style buttons on the form, whose hover hooks sit on the form's chain under the skin, and two
// plain buttons that hook the form the same way with hooks that count what reaches them; each unhooks
// the form as it goes. The multi-style button's hook is the last added, so it runs first.
struct HoverButtons {
  HWND form;
  std::vector<HWND> buttons;
  std::unique_ptr<Zivududi> multi;
  std::map<HWND, int> heard;  // messages each plain button's hook on the form has seen
  HoverButtons(HWND f, const std::function<HWND(HWND)>& child) : form(f) {
    for (int i = 0; i < 2; ++i) {
      const HWND b = child(f);
      buttons.push_back(b);
      AddSubclassHook(f, reinterpret_cast<UINT_PTR>(b), [this, b](const WindowMessage& m, const NextProcedure& next) {
        if (m.message == WM_USER + 1) ++heard[b];
        return next();
      });
      AddSubclassHook(b, 1, [f](const WindowMessage& m, const NextProcedure& next) {
        if (m.message == WM_DESTROY) RemoveSubclassHook(f, reinterpret_cast<UINT_PTR>(m.hwnd));
        return next();
      });
    }
    multi = Zivududi::CreateNew(f, {60, 4, 135, 27}, 7, Container{});
  }
  // The form's whole chain answers: its own procedure, and the hook of every button still there.
  ::testing::AssertionResult Working() {
    heard.clear();
    if (SendMessageW(form, WM_GETTEXTLENGTH, 0, 0) != 4) return ::testing::AssertionFailure() << "form's own procedure";
    SendMessageW(form, WM_USER + 1, 0, 0);
    for (HWND b : buttons) {
      if (IsWindow(b) && heard[b] != 1) return ::testing::AssertionFailure() << "hook of a live button";
      if (IsWindow(b) && SendMessageW(b, WM_GETTEXTLENGTH, 0, 0) != 1) return ::testing::AssertionFailure() << "button";
    }
    if (multi && IsWindow(multi->hWnd()) &&
        SendMessageW(multi->hWnd(), WM_GETTEXTLENGTH, 0, 0) != static_cast<LRESULT>(multi->Caption().size())) {
      return ::testing::AssertionFailure() << "multi-style button";
    }
    return ::testing::AssertionSuccess();
  }
};

HWND destroyFromBox = nullptr;

TEST_F(SkinWindowTest, TeardownInEveryOrderLeavesHoverHooksAndSkinChainsWhole) {
  const auto button = [&](HWND f) { return Child(f, L"Button", BS_PUSHBUTTON, 4, 4, 40, 20, L"A"); };
  HoverButtons bystander(form_, button);
  ASSERT_EQ(SkinForm(form_), 1);
  for (int order = 0; order < 3; ++order) {
    const HWND f = NewForm(60, 60);
    HoverButtons hover(f, button);
    ASSERT_TRUE(hover.multi);
    const HWND multi = hover.multi->hWnd();
    const LONG_PTR multiStyle = GetWindowLongPtrW(multi, GWL_STYLE);
    ASSERT_EQ(SkinForm(f), 1);
    // Attached as a window of no family of its own: nothing of a push button's.
    EXPECT_EQ(FamilyOf(multi), Family::Other);
    EXPECT_EQ(SkinPropsOf(multi), Names{L"PROCADDR"});
    EXPECT_EQ(GetWindowLongPtrW(multi, GWL_STYLE), multiStyle);
    ASSERT_TRUE(hover.Working());
    if (order == 1) {
      // One button first; the multi-style button's hook is the last to leave the form's chain.
      for (HWND b : hover.buttons) {
        DestroyWindow(b);
        EXPECT_TRUE(hover.Working());
      }
      hover.multi.reset();
      EXPECT_TRUE(hover.Working());
    }
    if (order == 2) {
      SetActiveWindow(f);
      destroyFromBox = f;
      const UINT_PTR timer = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) {
        if (GetLastActivePopup(destroyFromBox) != destroyFromBox) DestroyWindow(destroyFromBox);
      });
      MessageBoxW(f, L"Quilnet", L"提示！", MB_OK);
      KillTimer(nullptr, timer);
    }
    if (IsWindow(f)) {
      EXPECT_TRUE(hover.Working());
    }
    DestroyWindow(f);
    EXPECT_FALSE(IsWindow(f));
    EXPECT_TRUE(bystander.Working()) << "order " << order;
    EXPECT_EQ(AttachedWindowCount(), 4) << "order " << order;  // the bystander form and its three buttons
  }
}

}  // namespace
}  // namespace quilnet::skin::test
