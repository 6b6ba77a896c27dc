// Skinned push buttons on the screen: state images, rounded corners, the fade, and no leak.
#include <memory>

#include "platform/Gdi.h"
#include "skin/MSkinner.h"
#include "skin/PushButton.h"
#include "skin/SkinFixture.h"
#include "skin/SkinProps.h"
#include "support/Pump.h"

namespace quilnet::skin::test {
namespace {

constexpr int kW = 75, kH = 23;

class SkinButtonTest : public SkinWindowTest {
 protected:
  void SetUp() override {
    SkinWindowTest::SetUp();
    button_ = Child(form_, L"Button", BS_PUSHBUTTON, 10, 10, kW, kH, L"确定");
    ASSERT_EQ(SkinForm(form_), 1);
  }
  INT_PTR Prop(const wchar_t* name) const { return ReadProp(button_, name); }
  COLORREF StateImageAt(int state, int x, int y) const {
    return GetPixel(reinterpret_cast<HDC>(GetPropW(button_, StateDcName(state))), x, y);
  }
  void Tick() const { SendMessageW(button_, WM_TIMER, Prop(kTimerId), 0); }
  void Repaint() const { RedrawWindow(button_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }
  // The screen shows the image of `state` whole: its tile through the nine-grid, and its caption in the
  // text colour, inside the inset only.
  void ExpectShows(int state, COLORREF text) const {
    Canvas tile(kW, kH);
    DrawNineGrid(tile.dc(), {0, 0, kW, kH}, skin_.ButtonSkin(), ButtonTile(state), kButtonMargins);
    int inked = 0;
    for (int y = 0; y < kH; ++y) {
      for (int x = 0; x < kW; ++x) {
        const bool corner = (x < 1 || x > kW - 2) && (y < 1 || y > kH - 2);
        const bool inset = x >= kTextInset && x < kW - kTextInset && y >= kTextInset && y < kH - kTextInset;
        const COLORREF shown = ScreenAt(button_, x, y);
        if (!inset && !corner) {
          ASSERT_EQ(shown, tile.At(x, y)) << "state " << state << " (" << x << ", " << y << ")";
        }
        inked += inset && shown == text;
      }
    }
    EXPECT_GT(inked, 20) << "caption of state " << state;
  }

  HWND button_ = nullptr;
};

TEST_F(SkinButtonTest, EachStateShowsItsTileCaptionAndRoundedCorners) {
  const struct {
    const char* name;
    void (*enter)(HWND);
    int state;
    COLORREF text, border;
  } states[] = {
      {"normal", [](HWND) {}, kNormal, kButtonTextColour, 0xD58F1B},
      {"hot", [](HWND b) { SendMessageW(b, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5)); }, kHot, kButtonTextColour, 0xD58F1B},
      {"pressed", [](HWND b) { SendMessageW(b, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)); }, kPressed, kButtonTextColour, 0xD58F1B},
      {"disabled", [](HWND b) { EnableWindow(b, FALSE); }, kDisabled, kDisabledTextColour, 0xE8C387},
  };
  for (const auto& s : states) {
    s.enter(button_);
    Repaint();
    EXPECT_EQ(Prop(kOldState), s.state) << s.name;
    EXPECT_EQ(ScreenAt(button_, 0, kH / 2), s.border) << s.name;
    ExpectShows(s.state, s.text);
    EXPECT_EQ(Prop(kTimerId), 0) << "a paint ends the fade";
  }
  // Clipped to a rectangle with 3 x 3 rounded corners of the window's size.
  const UniqueRegion region = MakeRectRegion(0, 0, 1, 1);
  ASSERT_EQ(GetWindowRgn(button_, region.get()), COMPLEXREGION);
  RECT box{};
  GetRgnBox(region.get(), &box);
  EXPECT_EQ(box, (RECT{0, 0, kW, kH}));
  for (const POINT corner : {POINT{0, 0}, POINT{kW - 1, 0}, POINT{0, kH - 1}, POINT{kW - 1, kH - 1}}) {
    EXPECT_FALSE(PtInRegion(region.get(), corner.x, corner.y)) << corner.x << "," << corner.y;
  }
  EXPECT_TRUE(PtInRegion(region.get(), 1, 1));
}

// Each step from where the one before left the button, as its properties and the screen show it.
TEST_F(SkinButtonTest, SpaceLeaveResizeAndDisabledAtAttachmentFollowTheirTransitions) {
  const struct Step { const char* name; UINT message; WPARAM wParam; int state; bool fading; } steps[] = {
      {"space down", WM_KEYDOWN, VK_SPACE, kPressed, false}, {"other key up", WM_KEYUP, 'A', kPressed, false},
      {"space up", WM_KEYUP, VK_SPACE, kNormal, true},       {"pointer in", WM_MOUSEMOVE, 0, kHot, true},
      {"pointer leaves", WM_MOUSELEAVE, 0, kNormal, true}};
  for (const Step& s : steps) {
    SendMessageW(button_, s.message, s.wParam, 0);
    EXPECT_EQ(Prop(kOldState) * 10 + (Prop(kTimerId) != 0), s.state * 10 + s.fading) << s.name;
    EXPECT_EQ(Prop(kAlphaLevel) * 10 + Prop(kMouseFlag), s.message == WM_MOUSEMOVE) << s.name;
  }
  // A new size: new images and region, corners rounded at the new size.
  SetWindowPos(button_, nullptr, 0, 0, 90, 30, SWP_NOMOVE | SWP_NOZORDER);
  const UniqueRegion region = MakeRectRegion(0, 0, 1, 1);
  GetWindowRgn(button_, region.get());
  EXPECT_TRUE(PtInRegion(region.get(), 89, 15) && !PtInRegion(region.get(), 89, 29));
  Repaint();
  EXPECT_EQ(ScreenAt(button_, 89, 15), 0xD58F1Bu);

  const HWND disabled = Child(form_, L"Button", BS_PUSHBUTTON | WS_DISABLED, 10, 50, kW, kH, L"取消");
  ASSERT_EQ(AttachWindow(disabled), 1);
  RedrawWindow(disabled, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(ReadProp(disabled, kOldState) == kDisabled && ScreenAt(disabled, 0, kH / 2) == 0xE8C387u, true);
}

// A copy of the button's picture is what its paint shows, enabled or not; without a font of its own its
// caption is in the surface's font.
TEST_F(SkinButtonTest, PrintClientShowsThePaintedPictureAndNoFontMeansTheSurfacesOwn) {
  for (const BOOL enabled : {TRUE, FALSE}) {
    EnableWindow(button_, enabled);
    Repaint();
    Canvas printed(kW, kH);
    SendMessageW(button_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(printed.dc()), PRF_CLIENT);
    for (int y = 1; y < kH - 1; ++y) {
      for (int x = 1; x < kW - 1; ++x) ASSERT_EQ(printed.At(x, y), ScreenAt(button_, x, y)) << x << "," << y;
    }
  }
  const auto image = [&](HFONT font) {
    const HWND other = Child(form_, L"Button", BS_PUSHBUTTON, 10, 40, kW, kH, L"确定");
    SendMessageW(other, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    EXPECT_EQ(AttachWindow(other), 1);
    auto canvas = std::make_unique<Canvas>(kW, kH);
    BitBlt(canvas->dc(), 0, 0, kW, kH, reinterpret_cast<HDC>(ReadProp(other, StateDcName(kNormal))), 0, 0, SRCCOPY);
    return canvas;
  };
  const auto none = image(nullptr), system = image(static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
  EXPECT_TRUE(none->SameAs(*system));
  EXPECT_FALSE(none->SameAs(*image(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)))));
}

TEST_F(SkinButtonTest, OtherButtonTypesKeepTheirOwnPainting) {
  const HWND check = Child(form_, L"Button", BS_AUTOCHECKBOX, 10, 40, kW, kH, L"选项");
  ASSERT_EQ(AttachWindow(check), 1);
  Canvas canvas(kW, kH);
  canvas.Print(check);
  EXPECT_EQ(canvas.Count(canvas.bounds(), 0xD58F1B), 0) << "no skin border";
  EXPECT_EQ(GetWindowLongPtrW(check, GWL_STYLE) & BS_TYPEMASK, BS_AUTOCHECKBOX);
}

TEST_F(SkinButtonTest, FadeBlendsEachTickOverThePictureAndStopsAfterTheBlendAt255) {
  // Pressed shows at once; the release fades normal in from 60 over it.
  SendMessageW(button_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(button_, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  ASSERT_NE(Prop(kTimerId), 0);
  EXPECT_EQ(Prop(kAlphaLevel), kReleaseAlpha);
  const int x = kW / 2, y = kH / 2;
  const COLORREF pressed = StateImageAt(kPressed, x, y), normal = StateImageAt(kNormal, x, y);
  ASSERT_EQ(ScreenAt(button_, x, y), pressed);
  ASSERT_NE(pressed, normal);
  Tick();
  const auto blend = [](COLORREF s, COLORREF d, int a, int shift) {
    return static_cast<COLORREF>((((s >> shift & 0xFF) * a + (d >> shift & 0xFF) * (255 - a) + 127) / 255) << shift);
  };
  EXPECT_EQ(ScreenAt(button_, x, y), blend(normal, pressed, 60, 0) | blend(normal, pressed, 60, 8) | blend(normal, pressed, 60, 16));
  EXPECT_EQ(Prop(kAlphaLevel), kReleaseAlpha + kFadeStep);
  // Another timer of the window is passed on and steps nothing.
  SendMessageW(button_, WM_TIMER, 9, 0);
  EXPECT_EQ(Prop(kAlphaLevel), kReleaseAlpha + kFadeStep);
  // A paint in mid fade ends it and shows the image whole.
  Repaint();
  EXPECT_EQ(ScreenAt(button_, x, y), normal);
  EXPECT_EQ(Prop(kTimerId), 0);

  // From 0 (the focus changing): 86 blends, the last at 255, then at rest with the alpha back at 0.
  SetFocus(form_);
  ASSERT_EQ(Prop(kAlphaLevel), 0);
  int ticks = 0;
  while (Prop(kTimerId) != 0 && ticks < 1000) {
    if (++ticks == 86) {
      EXPECT_EQ(Prop(kAlphaLevel), 255);
    }
    Tick();
  }
  EXPECT_EQ(ticks, 86);
  EXPECT_EQ(Prop(kAlphaLevel), 0);
  // The real timer gets there too.
  SetFocus(button_);
  ASSERT_NE(Prop(kTimerId), 0);
  EXPECT_TRUE(::quilnet::test::PumpUntil([&] { return Prop(kTimerId) == 0; }, 20000));
  EXPECT_EQ(ScreenAt(button_, x, y), StateImageAt(kNormal, x, y));
}

// A leak of one object per attachment would use up a Windows process's default quota of 10,000 GDI
// objects; the count finds even one.
TEST_F(SkinButtonTest, ManyAttachmentsAndFadeTicksLeaveNoObjectBehind) {
  const HWND spare = Child(form_, L"Button", BS_PUSHBUTTON, 10, 40, kW, kH);
  ShowWindow(spare, SW_HIDE);
  const auto cycles = [&](int attachments, int ticks) {
    for (int i = 0; i < attachments; ++i) {
      ASSERT_EQ(AttachWindow(spare), 1);
      ASSERT_EQ(DetachWindow(spare), 1);
    }
    for (int i = 0; i < ticks; ++i) {
      if (Prop(kTimerId) == 0) SetFocus(i % 2 ? button_ : form_);  // a fade from 0 again
      Tick();
    }
  };
  cycles(10, 200);  // caches the system fills once
  const long objects = GdiObjectCount();
  cycles(10000, 70000);
  EXPECT_EQ(GdiObjectCount(), objects);
  SetFocus(form_);
  SendMessageW(button_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  ExpectShows(kPressed, kButtonTextColour);
  SendMessageW(button_, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

TEST_F(SkinButtonTest, LettingGoRestoresTheTypeButKeepsLaterChanges) {
  // A new caption goes into the images.
  Canvas before(kW, kH), after(kW, kH);
  BitBlt(before.dc(), 0, 0, kW, kH, reinterpret_cast<HDC>(Prop(L"HDC0")), 0, 0, SRCCOPY);
  SetWindowTextW(button_, L"新的");
  BitBlt(after.dc(), 0, 0, kW, kH, reinterpret_cast<HDC>(Prop(L"HDC0")), 0, 0, SRCCOPY);
  EXPECT_FALSE(after.SameAs(before));
  EnableWindow(button_, FALSE);
  SendMessageW(button_, BM_SETSTYLE, BS_DEFPUSHBUTTON, FALSE);  // a dialog making it its default
  EXPECT_EQ(GetWindowLongPtrW(button_, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  ASSERT_EQ(DetachWindow(button_), 1);
  const LONG_PTR style = GetWindowLongPtrW(button_, GWL_STYLE);
  EXPECT_EQ(style & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  EXPECT_TRUE(style & WS_DISABLED);
  EXPECT_EQ(SkinPropsOf(button_, true), Names{});
}

}  // namespace
}  // namespace quilnet::skin::test
