// The control painters on real controls, read back from the screen. Controls whose classes only exist
// in other runtimes (check and option buttons, drive lists, progress bars, data lists, grids) are
// standard controls registered again under those names, so every painter runs on a live control.
#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "skin/ControlPainters.h"
#include "skin/MSkinner.h"
#include "skin/ForeignControls.h"
#include "skin/SkinFixture.h"
#include "support/Messages.h"
#include "support/Pump.h"

namespace quilnet::skin::test {
namespace {

using ::quilnet::test::Drain;

constexpr const wchar_t* kHostClass = L"QuilnetSkinHost";

// Registers `name` as a copy of the standard class `base`, with its procedure.
class ControlsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterSkinClasses();
    WNDCLASSEXW host{sizeof host};
    host.lpfnWndProc = DefWindowProcW;
    host.hInstance = GetModuleHandleW(nullptr);
    host.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    host.lpszClassName = kHostClass;
    RegisterClassExW(&host);
  }

  void SetUp() override {
    // Keep the real pointer off the controls: only the messages a test sends move them.
    SetCursorPos(1200, 1000);
    host_.reset(CreateWindowExW(0, kHostClass, L"", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 20, 20, 460, 320,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    ASSERT_TRUE(host_);
    // The host is skinned first, so the skin's bitmaps exist before any control is made.
    ASSERT_EQ(SkinForm(host_.get()), 1);
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

  // The control as the screen shows it, frame included; with `settle`, after every queued paint.
  static std::unique_ptr<Canvas> Shot(HWND control, bool settle = true) {
    if (settle) Drain();
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
    Drain();
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
    EXPECT_EQ(ReadProp(combo, kOldState), c.dropped ? kPressed : c.state);
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
  EXPECT_EQ(ReadProp(combo, kMouseFlag), 1);
  EXPECT_EQ(edge(), 0xD1A04Eu);
  // The same state again paints nothing: what is on the screen stays.
  {
    const ClientDc dc(combo, ClientDc::Area::WholeWindow);
    FillBox(dc.get(), {left, 1, 1, h - 2}, 0x123456);
  }
  SendMessageW(combo, WM_MOUSEMOVE, 0, MAKELPARAM(22, 5));
  EXPECT_EQ(edge(), 0x123456u);
  SendMessageW(combo, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(ReadProp(combo, kMouseFlag), 0);
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
    EXPECT_EQ(ReadProp(editable, kOldState), move.state) << move.x << "," << move.y;
  }
  const auto shot = Shot(editable);
  EXPECT_TRUE(shot->FrameOf({0, 0, box.width, box.height}, kBorderColour));

  HWND simple = Make(L"ComboBox", CBS_SIMPLE, 0, {200, 10, 360, 110});
  // Its list is a child window; attachment skins it as well.
  EnumChildWindows(simple, [](HWND child, LPARAM) { return static_cast<BOOL>(SkinControl(child)); }, 0);
  RedrawWindow(simple, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PaintDropButton(simple, nullptr, kHot, true);
  EXPECT_EQ(ReadProp(simple, kOldState), kNormal);
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
      {L"ApexGridOleDB32", WS_BORDER, 0, false, kDisabledBorderColour, 0},
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

// --- check boxes and option buttons ----------------------------------------------------------------

TEST_F(ControlsTest, CheckBoxSquareShowsStateAndMark) {
  const int cw = MenuCheck(), ch = GetSystemMetrics(SM_CYMENUCHECK);
  constexpr COLORREF kInside = 0xFFFFFFFF;  // whatever the inside of the square shows there
  struct Case {
    DWORD style;
    int check, state;
    bool enabled;
    COLORREF frame;
    COLORREF markTop, markBottom;  // a pixel of the mark's first and of its last row
  };
  const Case cases[] = {
      {BS_AUTOCHECKBOX, BST_UNCHECKED, kNormal, true, kBorderColour, kInside, kInside},
      {BS_AUTOCHECKBOX, BST_CHECKED, kNormal, true, kBorderColour, 0x1DB754, 0x029135},
      {BS_AUTOCHECKBOX, BST_CHECKED, kHot, true, kBorderColour, 0x1DB754, 0x029135},
      {BS_AUTOCHECKBOX, BST_UNCHECKED, kPressed, true, kPressedCheckBorder, kInside, kInside},
      {BS_AUTOCHECKBOX, BST_CHECKED, kHot, false, kDisabledBorderColour, 0x8CDAA8, 0x7EC798},
      {BS_AUTO3STATE, BST_INDETERMINATE, kNormal, true, kBorderColour, 0x1BB451, 0x069639},
      {BS_AUTO3STATE, BST_INDETERMINATE, kNormal, false, kDisabledBorderColour, 0x8BD9A6, 0x80C99A},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "check " << c.check << " state " << c.state << (c.enabled ? "" : " disabled"));
    HWND box = Make(L"ThunderRT6CheckBox", c.style | (c.enabled ? 0 : WS_DISABLED), 0, {10, 10, 130, 33}, L"DHCP");
    SendMessageW(box, BM_SETCHECK, c.check, 0);
    Drain();  // the control's own repaint first: its WM_PAINT shows the normal look
    PaintCheckBox(box, c.state, true);
    const auto shot = Shot(box);
    const int top = CentreOffset(shot->height(), ch);
    // Inside the frame: white, or the option bitmap's hot or pressed band stretched over it.
    Canvas inside(cw - 2, ch - 2, kWhite);
    if (c.enabled && c.state != kNormal) {
      const Box band = c.state == kHot ? kCheckHotBand : kCheckPressedBand;
      StretchBlt(inside.dc(), 0, 0, cw - 2, ch - 2, Skin().OptionSkin(), band.x, band.y, band.width, band.height, SRCCOPY);
    }
    const auto expect = [&](int x, int y, COLORREF colour) {
      EXPECT_EQ(shot->At(x, top + y), colour == kInside ? inside.At(x - 1, y - 1) : colour) << x << "," << y;
    };
    EXPECT_TRUE(shot->FrameOf({0, top, cw, top + ch}, c.frame));
    expect(1, 1, kInside);
    expect(cw - 2, ch - 2, kInside);
    const bool square = c.check == BST_INDETERMINATE;
    const int mw = square ? 7 : 9, mh = square ? 7 : 8;
    const int mx = CentreOffset(cw, mw), my = CentreOffset(ch, mh);
    expect(mx + mw - 1, my, c.markTop);
    expect(mx + (square ? 0 : 3), my + mh - 1, c.markBottom);
    if (!square) expect(mx, my, kInside);  // the mark's key colour
    DestroyWindow(box);
  }
}

TEST_F(ControlsTest, OptionCircleIsTheStateTileWithTheDotWhenChecked) {
  const int size = MenuCheck();
  ASSERT_EQ(size % 2, 1) << "an odd box centres the dot exactly";
  ASSERT_EQ(GetSystemMetrics(SM_CYMENUCHECK), size);
  struct Case {
    int state;
    bool checked, enabled;
  };
  const Case cases[] = {{kNormal, false, true}, {kHot, true, true}, {kPressed, false, true}, {kPressed, true, true},
                        {kNormal, true, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "state " << c.state << (c.checked ? " checked" : "") << (c.enabled ? "" : " disabled"));
    HWND option = Make(L"ThunderRT6OptionButton", BS_AUTORADIOBUTTON | (c.enabled ? 0 : WS_DISABLED), 0, {10, 10, 130, 32},
                       L"静态");
    SendMessageW(option, BM_SETCHECK, c.checked ? BST_CHECKED : BST_UNCHECKED, 0);
    Drain();
    PaintOptionButton(option, c.state, true);
    const auto shot = Shot(option);
    const int top = CentreOffset(shot->height(), size);
    // The tile at the box's size, magenta where nothing is drawn, and the dot in the middle.
    Canvas expected(size, size, kKeyColour);
    DrawNineGrid(expected.dc(), {0, 0, size, size}, Skin().OptionSkin(), OptionTile(c.enabled ? c.state : kDisabled),
                 kOptionMargins, kKeyColour);
    const Box dot = c.enabled ? kOptionDot : kOptionDotDisabled;
    if (c.checked) DrawTransparent(expected.dc(), {(size - 5) / 2, (size - 5) / 2, 5, 5}, Skin().GlyphSkin(), dot.x, dot.y, kKeyColour);
    int drawn = 0;
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        if (expected.At(x, y) == kKeyColour) continue;
        ++drawn;
        ASSERT_EQ(shot->At(x, top + y), expected.At(x, y)) << x << "," << y;
      }
    }
    EXPECT_GT(drawn, size * size / 2);
    if (c.checked) {
      EXPECT_EQ(shot->At(size / 2, top + size / 2), SkinPixel(Skin().GlyphSkin(), dot.x + 2, dot.y + 2));
    }
    EXPECT_EQ(ReadProp(option, kOldState), c.state);
    DestroyWindow(option);
  }
}

TEST_F(ControlsTest, ClickRepaintsEveryMarkUnderTheParent) {
  HWND first = Make(L"ThunderRT6OptionButton", BS_AUTORADIOBUTTON | WS_GROUP, 0, {10, 10, 130, 32}, L"自动");
  HWND second = Make(L"ThunderRT6OptionButton", BS_AUTORADIOBUTTON, 0, {10, 40, 130, 62}, L"静态");
  HWND box = Make(L"ThunderRT6CheckBox", BS_AUTOCHECKBOX | WS_GROUP, 0, {10, 70, 130, 92}, L"DNS");
  SendMessageW(first, BM_SETCHECK, BST_CHECKED, 0);
  const auto click = [](HWND button) {
    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  };
  // The dot's middle pixel, and the ring's top middle pixel in the normal tile.
  const COLORREF dot = SkinPixel(Skin().GlyphSkin(), kOptionDot.x + 2, kOptionDot.y + 2);
  const COLORREF inside = SkinPixel(Skin().OptionSkin(), 6, 6), ring = SkinPixel(Skin().OptionSkin(), 6, 0);
  const int middle = MenuCheck() / 2;
  // Read at once, before any repaint the click queued: the marks are right straight after the click.
  const auto circle = [](HWND option, int x, int y) {
    const auto shot = Shot(option, false);
    return shot->At(x, CentreOffset(shot->height(), MenuCheck()) + y);
  };
  Drain();
  EXPECT_EQ(circle(first, middle, middle), dot);
  click(second);
  EXPECT_EQ(SendMessageW(first, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(circle(second, middle, middle), dot);
  EXPECT_EQ(circle(first, middle, middle), inside);
  EXPECT_EQ(circle(first, middle, 0), ring);
  EXPECT_EQ(ReadProp(second, kOldState), kNormal);

  click(box);
  const auto shot = Shot(box, false);
  const int top = CentreOffset(shot->height(), GetSystemMetrics(SM_CYMENUCHECK));
  EXPECT_EQ(shot->At(CentreOffset(MenuCheck(), 9) + 8, top + CentreOffset(GetSystemMetrics(SM_CYMENUCHECK), 8)), 0x1DB754u);
  EXPECT_EQ(circle(second, middle, middle), dot);
}

// --- headers -----------------------------------------------------------------------------------------

class HeaderTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    header_ = Make(WC_HEADERW, HDS_BUTTONS | HDS_HORZ, 0, {10, 10, 330, 34});
    const wchar_t* captions[] = {L"地址", L"掩码"};
    const int widths[] = {100, 80};
    for (int i = 0; i < 2; ++i) {
      HDITEMW item{};
      item.mask = HDI_TEXT | HDI_WIDTH;
      item.pszText = const_cast<wchar_t*>(captions[i]);
      item.cxy = widths[i];
      SendMessageW(header_, HDM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    RedrawWindow(header_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  }

  // The item's left and right three columns (where no caption reaches) as the state's tile draws them.
  ::testing::AssertionResult ItemLooks(const Canvas& shot, int index, int state) const {
    RECT r{};
    SendMessageW(header_, HDM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
    const int iw = r.right - r.left, h = shot.height();
    Canvas tile(iw, h);
    DrawNineGrid(tile.dc(), {0, 0, iw, h}, Skin().HeaderSkin(), HeaderTile(state), kHeaderMargins);
    for (int y = 0; y < h; ++y) {
      for (int x : {0, 1, 2, iw - 3, iw - 2, iw - 1}) {
        if (shot.At(r.left + x, y) != tile.At(x, y)) {
          return ::testing::AssertionFailure() << "item " << index << " is not in state " << state << " at (" << x << ", "
                                               << y << ")";
        }
      }
    }
    return ::testing::AssertionSuccess();
  }

  HWND header_ = nullptr;
};

TEST_F(HeaderTest, ItemsFollowPressAndHoverAndTheBackgroundFillsTheRest) {
  struct Step {
    UINT message;
    int x;
    WPARAM keys;
    int pressed, hot;    // "HDINDEX" and "HMINDEX" afterwards
    int first, second;   // the items' states on the screen afterwards (-1: not looked at)
  };
  const Step steps[] = {
      {WM_MOUSEMOVE, 50, 0, -1, 0, kHot, kNormal},
      {WM_MOUSEMOVE, 150, 0, -1, 1, kNormal, kHot},
      // A point on the boundary belongs to the left item.
      // (The control draws its own divider-drag line at the boundary then.)
      {WM_LBUTTONDOWN, 100, MK_LBUTTON, 0, 1, kPressed, -1},
      // Released away from the header (the pointer is elsewhere): normal again.
      {WM_LBUTTONUP, 100, 0, -1, 1, kNormal, kHot},
      {WM_MOUSELEAVE, 0, 0, -1, -1, kNormal, kNormal},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(testing::Message() << ::quilnet::test::MessageName(step.message) << " at " << step.x);
    SendMessageW(header_, step.message, step.keys, MAKELPARAM(step.x, 5));
    EXPECT_EQ(ReadProp(header_, kHdIndex), step.pressed);
    EXPECT_EQ(ReadProp(header_, kHmIndex), step.hot);
    const auto shot = Shot(header_);
    EXPECT_TRUE(ItemLooks(*shot, 0, step.first));
    if (step.second >= 0) {
      EXPECT_TRUE(ItemLooks(*shot, 1, step.second));
    }
  }
  // Beyond the last item: the face column stretched.
  const auto shot = Shot(header_);
  Canvas background(1, shot->height());
  StretchBlt(background.dc(), 0, 0, 1, shot->height(), Skin().HeaderSkin(), 1, 0, 1, 20, SRCCOPY);
  for (int y = 0; y < shot->height(); ++y) ASSERT_EQ(shot->At(250, y), background.At(0, y)) << y;
}

// --- progress bars -----------------------------------------------------------------------------------

TEST_F(ControlsTest, ProgressBarFillsItsShareOfThirtyThousand) {
  struct Case {
    DWORD style;
    int position;
    double share;
  };
  const Case cases[] = {{0, 15000, 0.5}, {0, 0, 0}, {0, 30000, 1}, {PBS_VERTICAL, 15000, 0.5}, {PBS_VERTICAL | PBS_SMOOTH, 7500, 0.25}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "style " << c.style << " at " << c.position);
    // Bordered, as the control this class name comes from is.
    HWND bar = Make(L"ProgressBar20WndClass", c.style | WS_BORDER, 0, {10, 10, 211, 41});
    SendMessageW(bar, PBM_SETRANGE32, 0, 30000);
    SendMessageW(bar, PBM_SETPOS, c.position, 0);
    RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    const auto shot = Shot(bar);
    RECT client{};
    GetClientRect(bar, &client);
    const int bx = (shot->width() - client.right) / 2, by = (shot->height() - client.bottom) / 2;
    EXPECT_TRUE(shot->FrameOf(shot->bounds(), kBorderColour));
    RECT filled{bx, by, bx + client.right, by + client.bottom};
    if (c.style & PBS_VERTICAL) {
      filled.top = filled.bottom - RoundHalfEven(client.bottom * c.share);
    } else {
      filled.right = filled.left + RoundHalfEven(client.right * c.share);
    }
    EXPECT_EQ(shot->Count({bx, by, bx + client.right, by + client.bottom}, kBarColour),
              (filled.right - filled.left) * (filled.bottom - filled.top));
    if (c.share > 0) {
      EXPECT_TRUE(shot->AllOf(filled, kBarColour));
    }
    DestroyWindow(bar);
  }
}

}  // namespace
}  // namespace quilnet::skin::test
