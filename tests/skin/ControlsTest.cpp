// The control painters on real controls, read back from the screen. Controls whose classes only exist
// in other runtimes (check and option buttons, drive lists, progress bars, data lists, grids) are
// standard controls registered again under those names, so every painter runs on a live control.
#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "skin/Controls.h"
#include "skin/SkinFixture.h"
#include "skin/TestRouting.h"
#include "support/Pump.h"

namespace quilnet::skin::test {
namespace {

using ::quilnet::test::Drain;

constexpr const wchar_t* kHostClass = L"QuilnetSkinHost";

// Registers `name` as a copy of the standard class `base`, with its procedure.
void Superclass(const wchar_t* base, const wchar_t* name) {
  WNDCLASSEXW wc{sizeof wc};
  ASSERT_TRUE(GetClassInfoExW(nullptr, base, &wc)) << "no class";
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = name;
  RegisterClassExW(&wc);
}

class ControlsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    Superclass(L"Button", L"ThunderRT6CheckBox");
    Superclass(L"Button", L"ThunderRT6OptionButton");
    Superclass(L"ComboBox", L"ThunderRT6DriveListBox");
    Superclass(PROGRESS_CLASSW, L"ProgressBar20WndClass");
    Superclass(L"ListBox", L"DataListWndClass");
    Superclass(L"ListBox", L"ApexGridXYZ");
    WNDCLASSEXW host{sizeof host};
    host.lpfnWndProc = DefWindowProcW;
    host.hInstance = GetModuleHandleW(nullptr);
    host.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    host.lpszClassName = kHostClass;
    RegisterClassExW(&host);
  }

  void SetUp() override {
    ASSERT_NE(CurrentSurfaces(), nullptr);
    // Keep the real pointer off the controls: only the messages a test sends move them.
    SetCursorPos(1200, 1000);
    host_.reset(CreateWindowExW(0, kHostClass, L"", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 20, 20, 460, 320,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    ASSERT_TRUE(host_);
  }

  // A skinned child control of the host.
  HWND Make(const wchar_t* className, DWORD style, DWORD exStyle = 0, RECT at = {10, 10, 170, 210},
            const wchar_t* text = L"") {
    HWND control = CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, at.left, at.top,
                                   at.right - at.left, at.bottom - at.top, host_.get(), nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
    EXPECT_TRUE(control) << "cannot make the control";
    EXPECT_TRUE(SkinControl(control));
    UpdateWindow(host_.get());
    Drain();
    return control;
  }

  // The control as the screen shows it, frame included.
  static std::unique_ptr<Canvas> Shot(HWND control) {
    Drain();
    const WindowBox box = GetWindowBox(control);
    auto canvas = std::make_unique<Canvas>(box.width, box.height);
    const ClientDc screen(control, ClientDc::Area::WholeWindow);
    BitBlt(canvas->dc(), 0, 0, box.width, box.height, screen.get(), 0, 0, SRCCOPY);
    return canvas;
  }

  static const SkinSurfaces& Skin() { return *CurrentSurfaces(); }
  static COLORREF SkinPixel(HDC surface, int x, int y) { return GetPixel(surface, x, y); }
  static int MenuCheck() { return GetSystemMetrics(SM_CXMENUCHECK); }

  UniqueWindow host_;
};

// --- drop buttons and borders of combo boxes -------------------------------------------------------

TEST_F(ControlsTest, DropButtonShowsEachStateWithTheArrowCentred) {
  struct Case {
    const wchar_t* className;
    int state;
    bool enabled;
    bool dropped;
    COLORREF buttonEdge;  // the button's left column, mid height
    COLORREF face;        // its face on the first row below the frame
    COLORREF arrow;       // the arrow's top middle pixel
  };
  const COLORREF hotFace = SkinPixel(Skin().DropButtonSkin(), 2, 1), pressedFace = SkinPixel(Skin().DropButtonSkin(), 6, 1);
  ASSERT_EQ(hotFace, 0xFDEEC1u);
  ASSERT_EQ(pressedFace, 0xE2B561u);
  const Case cases[] = {
      {L"ComboBox", kNormal, true, false, kWhite, kWhite, 0x5F5519},
      {L"ComboBox", kHot, true, false, 0xD1A04E, hotFace, 0x5F5519},
      {L"ComboBox", kPressed, true, false, 0xD1A04E, pressedFace, 0x5F5519},
      {L"ComboBox", kNormal, false, false, kWhite, kWhite, 0xACA584},
      // An open list keeps the button down whatever is asked.
      {L"ComboBox", kNormal, true, true, 0xD1A04E, pressedFace, 0x5F5519},
      {L"ThunderRT6DriveListBox", kHot, true, false, 0xD1A04E, hotFace, 0x5F5519},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "state " << c.state << (c.enabled ? "" : " disabled") << (c.dropped ? " dropped" : ""));
    HWND combo = Make(c.className, CBS_DROPDOWNLIST);
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"192.168.1.1"));
    EnableWindow(combo, c.enabled);
    if (c.dropped) SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    PaintDropButton(combo, nullptr, c.state, true);
    const auto shot = Shot(combo);
    const int w = shot->width(), h = shot->height();
    const int bw = GetSystemMetrics(SM_CXVSCROLL) + 1, bh = h - 2, left = w - bw - 1;
    EXPECT_EQ(shot->At(left, h / 2), c.buttonEdge);
    EXPECT_EQ(shot->At(left + 2, 2), c.face);
    const int ax = left + CentreOffset(bw, 7), ay = 1 + CentreOffset(bh, 4);
    EXPECT_EQ(shot->At(ax + 3, ay), c.arrow);
    EXPECT_EQ(shot->At(ax + 3, ay + 3), c.arrow);
    // Beside the arrow's point the face shows through the key colour.
    EXPECT_EQ(shot->At(ax, ay + 3), shot->At(ax - 1, ay + 3));
    EXPECT_EQ(shot->At(0, 0), c.enabled ? kBorderColour : kDisabledBorderColour);
    EXPECT_EQ(ControlProp(combo, kOldStateProp), c.dropped ? kPressed : c.state);
    if (c.dropped) SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    DestroyWindow(combo);
  }
}

TEST_F(ControlsTest, ComboFollowsThePointerAndSkipsTheStateItShows) {
  HWND combo = Make(L"ComboBox", CBS_DROPDOWNLIST);
  const int h = GetWindowBox(combo).height;
  const int left = GetWindowBox(combo).width - GetSystemMetrics(SM_CXVSCROLL) - 2;
  const auto edge = [&] { return Shot(combo)->At(left, h / 2); };
  EXPECT_EQ(edge(), kWhite);
  SendMessageW(combo, WM_MOUSEMOVE, 0, MAKELPARAM(20, 5));
  EXPECT_EQ(ControlProp(combo, kMouseFlagProp), 1);
  EXPECT_EQ(edge(), 0xD1A04Eu);
  // The same state again paints nothing: what is on the screen stays.
  {
    const ClientDc dc(combo, ClientDc::Area::WholeWindow);
    FillBox(dc.get(), {left, 1, 1, h - 2}, 0x123456);
  }
  SendMessageW(combo, WM_MOUSEMOVE, 0, MAKELPARAM(22, 5));
  EXPECT_EQ(edge(), 0x123456u);
  SendMessageW(combo, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(ControlProp(combo, kMouseFlagProp), 0);
  EXPECT_EQ(edge(), kWhite);
}

TEST_F(ControlsTest, EditableComboPressesOnlyOverItsButtonAndSimpleOneHasNone) {
  HWND editable = Make(L"ComboBox", CBS_DROPDOWN);
  const WindowBox box = GetWindowBox(editable);
  struct Move {
    int x, y;
    WPARAM keys;
    int state;
  };
  const Move moves[] = {{5, 5, 0, kNormal}, {box.width - 5, 5, 0, kHot}, {box.width - 5, 5, MK_LBUTTON, kPressed},
                        {box.width - 1, 5, 0, kNormal}, {box.width - 5, 1, 0, kNormal}};
  for (const Move& move : moves) {
    SendMessageW(editable, WM_MOUSEMOVE, move.keys, MAKELPARAM(move.x, move.y));
    EXPECT_EQ(ControlProp(editable, kOldStateProp), move.state) << move.x << "," << move.y;
  }
  const auto shot = Shot(editable);
  EXPECT_TRUE(shot->FrameOf({0, 0, box.width, box.height}, kBorderColour));

  HWND simple = Make(L"ComboBox", CBS_SIMPLE, 0, {200, 10, 360, 110});
  // Its list is a child window; attachment skins it as well.
  EnumChildWindows(simple, [](HWND child, LPARAM) { return static_cast<BOOL>(SkinControl(child)); }, 0);
  RedrawWindow(simple, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PaintDropButton(simple, nullptr, kHot, true);
  EXPECT_EQ(ControlProp(simple, kOldStateProp), kNormal);
  const auto simpleShot = Shot(simple);
  EXPECT_TRUE(simpleShot->FrameOf({0, 0, simpleShot->width(), simpleShot->height()}, kBorderColour));
  EXPECT_EQ(simpleShot->Count(simpleShot->bounds(), 0xD1A04E), 0);
}

// --- flat borders ------------------------------------------------------------------------------------

TEST_F(ControlsTest, SunkenEdgesAndListBordersBecomeOneFlatPixel) {
  struct Case {
    const wchar_t* className;
    DWORD style, exStyle;
    bool enabled;
    COLORREF frame;
    int whiteRings;  // rings inside the frame that are white all round
  };
  const Case cases[] = {
      {L"Edit", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, true, kBorderColour, 1},
      {L"Edit", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, false, kDisabledBorderColour, 1},
      // A plain border outside the edge: both rings of the edge go.
      {L"Edit", ES_AUTOHSCROLL | WS_BORDER, WS_EX_CLIENTEDGE, true, kBorderColour, 2},
      {L"ListBox", WS_VSCROLL, WS_EX_CLIENTEDGE, true, kBorderColour, 1},
      {L"ComboBox", CBS_DROPDOWNLIST, 0, true, kBorderColour, 1},
      {L"ComboBox", CBS_DROPDOWNLIST, 0, false, kDisabledBorderColour, 1},
      {L"ThunderRT6DriveListBox", CBS_DROPDOWNLIST, 0, true, kBorderColour, 1},
      {L"DataListWndClass", WS_BORDER, 0, true, kBorderColour, 1},
      {L"ApexGridXYZ", WS_BORDER, 0, false, kDisabledBorderColour, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.className << " style " << std::hex << c.style << " ex " << c.exStyle
                                    << (c.enabled ? "" : " disabled"));
    HWND control = Make(c.className, c.style | (c.enabled ? 0 : WS_DISABLED), c.exStyle, {10, 10, 170, 90});
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    const auto shot = Shot(control);
    const int w = shot->width(), h = shot->height();
    EXPECT_TRUE(shot->FrameOf({0, 0, w, h}, c.frame));
    for (int d = 1; d <= c.whiteRings; ++d) EXPECT_TRUE(shot->FrameOf({d, d, w - d, h - d}, kWhite)) << "ring " << d;
    DestroyWindow(control);
  }
}

TEST_F(ControlsTest, EdgeColourFollowsEnabling) {
  HWND edit = Make(L"Edit", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, {10, 10, 170, 34});
  EnableWindow(edit, FALSE);
  auto shot = Shot(edit);
  EXPECT_TRUE(shot->FrameOf(shot->bounds(), kDisabledBorderColour));
  EnableWindow(edit, TRUE);
  shot = Shot(edit);
  EXPECT_TRUE(shot->FrameOf(shot->bounds(), kBorderColour));
}

}  // namespace
}  // namespace quilnet::skin::test
