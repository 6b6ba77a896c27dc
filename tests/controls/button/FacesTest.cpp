// The faces, pixel by pixel where the colours are fixed: the window's own style 4 in every state, and
// every other style by its frame, fill and corner colours.
#include <string>
#include <utility>
#include <vector>

#include "controls/button/ButtonTestKit.h"

namespace quilnet::button {
namespace {

struct Pixel {
  int x, y;
  Colour colour;  // a system-colour reference is read from the system
};

COLORREF Expected(Colour c) { return (c & 0x80000000) ? GetSysColor(static_cast<int>(c & 0xFF)) : c; }

struct Scene {
  std::string name;
  int style, state;
  Colour back;
  void (*setUp)(ButtonLook&);
  std::vector<Pixel> pixels;
};

void Plain(ButtonLook&) {}
void Disabled(ButtonLook& l) { l.enabled = false; }
void Focused(ButtonLook& l) { l.hasFocus = true; }
void Default(ButtonLook& l) { l.displayAsDefault = true; }
void FocusedInactive(ButtonLook& l) { l.hasFocus = true, l.parentActive = false; }
void Checked(ButtonLook& l) { l.checkBoxMode = true, l.value = true; }

constexpr Colour kDots = 0xBE965F;
const std::vector<Pixel> kStyle4Corners{{1, 1, kDots}, {91, 1, kDots}, {1, 53, kDots}, {91, 53, kDots}};

std::vector<Pixel> Plus(std::vector<Pixel> a, const std::vector<Pixel>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// Rows 2 to 27 ramp from back+0.05 down towards back, rows 28 on from back−0.02 towards back−0.15.
const std::vector<Pixel> kBevelNormal = Plus(
    {{46, 0, 0x707070}, {0, 27, 0x707070}, {92, 27, 0x707070}, {46, 54, 0x707070}, {46, 1, kWhite},
     {1, 27, kWhite}, {91, 27, kWhite}, {46, 53, kWhite}, {46, 2, 0xF0F0F0}, {46, 27, 0xEAEAEA},
     {46, 28, 0xDEDEDE}, {46, 40, 0xD7D7D7}, {46, 52, 0xCFCFCF}},
    kStyle4Corners);
const std::vector<Pixel> kBevelFocusFrames = Plus(
    {{46, 0, 0xA77532}, {0, 27, 0xA77532}, {46, 1, 0xFBD848}, {1, 27, 0xFBD848}, {46, 2, 0xF0F0F0}},
    kStyle4Corners);

TEST_F(ButtonDrawTest, RoundedBevelInEveryState) {
  const std::vector<Scene> scenes = {
      {"normal", RoundedBevel, Normal, 0xE3E3E3, Plain, kBevelNormal},
      {"hot", RoundedBevel, Hot, 0xE3E3E3, Plain,
       Plus({{46, 0, 0xA77532}, {92, 27, 0xA77532}, {46, 1, kWhite}, {1, 27, kWhite}, {46, 2, 0xFFF7E4},
             {46, 27, 0xFFF4DB}, {46, 28, 0xFFE9C1}, {46, 52, 0xFFE6B9},
             // the side bands, outer column to inner
             {2, 2, 0xFFF7E4}, {2, 3, 0xFFF0D2}, {2, 10, 0xFFF0D2}, {5, 10, 0xFFF7E4}, {2, 40, 0xFBD997},
             {5, 40, 0xFFE4AF}, {87, 10, 0xFFF7E4}, {90, 10, 0xFFF1D3}, {87, 40, 0xFFE4AF}, {90, 40, 0xFCDA97}},
            kStyle4Corners)},
      {"down", RoundedBevel, Down, 0xE3E3E3, Plain,
       Plus({{46, 0, 0x5C411D}, {0, 27, 0x5C411D}, {92, 27, 0x5C411D}, {46, 54, 0x5C411D}, {46, 1, 0xB39C71},
             {46, 2, 0xD6C6A9}, {46, 3, 0xECD9B9}, {46, 10, 0xF6E4C2}, {46, 40, 0xF0D29A}, {46, 53, 0xF0D29A},
             {1, 2, 0xCFB073}, {1, 10, 0xEBCD96}, {5, 10, 0xF3E1BF}, {1, 40, 0xE1B053}, {5, 40, 0xEDCF97},
             {87, 10, 0xF3E1BF}, {91, 10, 0xEBCD96}, {87, 40, 0xEDCF97}, {91, 40, 0xE1B053}},
            kStyle4Corners)},
      {"disabled", RoundedBevel, Hot, 0xE3E3E3, Disabled,
       {{46, 27, 0xEBEBEB}, {46, 0, 0xA3A3A3}, {46, 1, kWhite}, {1, 1, 0xDBDBDB}, {91, 53, 0xDBDBDB}}},
      {"focused", RoundedBevel, Normal, 0xE3E3E3, Focused, kBevelFocusFrames},
      {"default", RoundedBevel, Normal, 0xE3E3E3, Default, kBevelFocusFrames},
      {"focused, window inactive", RoundedBevel, Normal, 0xE3E3E3, FocusedInactive, kBevelNormal},
      {"hot and focused", RoundedBevel, Hot, 0xE3E3E3, Focused, {{46, 0, 0xA77532}, {46, 1, kWhite}}},
      {"checked", RoundedBevel, Normal, 0xE3E3E3, Checked, {{46, 0, 0x5C411D}, {46, 1, 0xB39C71}}},
      {"on the window colour", RoundedBevel, Normal, kWindowColour, Plain, {{46, 2, 0xF5CC95}, {46, 0, 0x707070}}},
  };
  for (const Scene& s : scenes) {
    canvas.Fill(test::kSentinel);
    ButtonLook look = Look(s.style, s.state, s.back);
    s.setUp(look);
    Draw(look);
    for (const Pixel& p : s.pixels) {
      EXPECT_EQ(canvas.At(p.x, p.y), Expected(p.colour)) << s.name << " at " << p.x << "," << p.y;
    }
  }
}

TEST_F(ButtonDrawTest, RoundedBevelFocusRectangleOnlyWithShowFocusRect) {
  ButtonLook look = Look(RoundedBevel, Normal, 0xE3E3E3);
  look.hasFocus = true;
  test::Canvas without(kW, kH);
  Redraw(without.dc(), kW, kH, look, memory);
  look.showFocusRect = true;
  Draw(look);
  int changed = 0;
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) {
      if (canvas.At(x, y) == without.At(x, y)) continue;
      ++changed;
      const bool onOutline = (x == 2 || x == 90 || y == 2 || y == 52) && x >= 2 && x <= 90 && y >= 2 && y <= 52;
      EXPECT_TRUE(onOutline) << x << "," << y;
    }
  }
  EXPECT_GT(changed, 100);
}

TEST_F(ButtonDrawTest, EveryOtherStyleByFrameFillAndCorners) {
  constexpr Colour kGray = 0x808080, kText = kGrayText;
  const std::vector<Scene> scenes = {
      {"0 normal", Raised3D, Normal, kGray, Plain, {{46, 27, kGray}}},
      {"0 down", Raised3D, Down, kGray, Plain, {{46, 1, 0x99A8AC}, {46, 0, kBlack}, {46, 27, kGray}}},
      {"1 down", RaisedSoft, Down, kGray, Plain, {{46, 0, kText}, {0, 27, kText}, {46, 54, kWhite}, {92, 27, kWhite}}},
      {"2 normal", RoundedFrame, Normal, 0xE7EBEC, Plain, {{46, 0, 0x743C00}, {1, 1, 0xC0884C}, {91, 53, 0xC0884C}}},
      {"2 hot", RoundedFrame, Hot, 0xE7EBEC, Plain, {{46, 1, 0xCFF0FF}, {46, 2, 0x89D8FD}, {46, 53, 0x0097E5}}},
      {"2 down", RoundedFrame, Down, kGray, Plain, {{46, 27, 0x737373}, {46, 1, 0x575757}, {46, 0, 0x743C00}}},
      {"3 normal", ContainerShade, Normal, kGray, Plain, {{46, 27, kGray}, {0, 0, kGray}}},
      {"3 hot", ContainerShade, Hot, kGray, Plain, {{46, 0, 0xC3CECE}, {1, 1, 0xBCC7C7}, {46, 53, 0xC6D2D7}}},
      {"3 down", ContainerShade, Down, kGray, Plain, {{46, 27, 0xDDE4E5}, {46, 0, 0x929D9D}, {1, 1, 0x788182}}},
      {"5 normal", SolidBlue, Normal, 0xAA6D00, Plain,
       {{46, 0, 0xF6BA4C}, {46, 27, 0xAA6D00}, {89, 27, 0x808080}, {90, 27, 0xA0A0A0}, {91, 27, 0xC0C0C0},
        {92, 27, kWindowColour}}},
      {"5 hot", SolidBlue, Hot, 0xAA6D00, Plain, {{46, 27, 0xAA6D00}, {90, 27, 0xA0A0A0}}},
      {"5 down", SolidBlue, Down, 0xAA6D00, Plain,
       {{1, 1, kWindowColour}, {46, 3, 0xF6BA4C}, {46, 27, 0xAA6D00}, {92, 27, 0xF6BA4C}}},
      {"6 normal", SplitShade, Normal, 0xE1D6D5, Plain,
       {{46, 0, 0xAEA3A2}, {46, 1, kWhite}, {1, 1, 0xEEE3E2}, {46, 54, 0xA19695}}},
      {"6 hot", SplitShade, Hot, 0xE1D6D5, Plain, {{46, 0, 0xAEA3A2}, {46, 54, 0xA19695}}},
      {"6 down", SplitShade, Down, 0xE1D6D5, Plain, {{46, 0, 0xA69B9A}, {1, 1, 0xEEE3E2}}},
      {"7 normal", PaleBlueGloss, Normal, 0xFFD1AD, Plain, {{46, 0, 0xA87A56}}},
      {"7 hot", PaleBlueGloss, Hot, 0xFFD1AD, Plain, {{46, 1, 0xDFFEFF}, {46, 20, 0x67D7FF}, {46, 0, 0xA87A56}}},
      {"7 down", PaleBlueGloss, Down, 0xFFD1AD, Plain, {{46, 20, 0x468FFF}, {46, 0, 0xA87A56}}},
      {"8 normal", SplitGloss, Normal, kGray, Plain, {{0, 0, kGray}, {46, 27, kGray}}},
      {"8 hot", SplitGloss, Hot, kGray, Plain, {{46, 0, 0xCA9E61}, {46, 1, kWhite}, {1, 1, 0xFFEAAE}}},
      {"8 down", SplitGloss, Down, kGray, Plain, {{46, 0, 0xCA9E61}, {46, 2, 0xF1DEB0}}},
      {"9 normal", FaceGradient, Normal, kGray, Plain, {{46, 0, 0xE0E0E0}, {46, 54, kGray}}},
      {"9 hot", FaceGradient, Hot, kGray, Plain, {{46, 27, 0xEED2C1}, {46, 0, 0xC56A31}}},
      {"9 down", FaceGradient, Down, kGray, Plain, {{46, 27, 0xE2B598}, {46, 0, 0x6F4B4B}}},
      {"10 normal", PaleBlueBand, Normal, 0xFFD1AD, Plain, {{46, 0, 0xAB7D59}, {1, 1, 0x80522E}, {46, 5, 0xFFD1AD}}},
      {"10 hot", PaleBlueBand, Hot, 0xFFD1AD, Plain, {{46, 0, 0xB88A66}, {1, 1, 0x80522E}, {46, 5, 0xFFDEBA}}},
      {"10 down", PaleBlueBand, Down, 0xFFD1AD, Plain, {{46, 0, 0xA37551}, {46, 5, 0xF7C9A5}}},
      {"11 normal", FlatHotRaised, Normal, kGray, Plain, {{0, 0, kGray}, {46, 27, kGray}}},
      {"12 normal", FlatHotThin, Normal, kGray, Plain, {{0, 0, kGray}, {46, 27, kGray}}},
      {"12 down", FlatHotThin, Down, kGray, Plain, {{46, 0, kText}, {92, 27, kWhite}}},
      {"13 normal", HotGradient, Normal, 0xFCE1CA, Plain, {{0, 0, 0xFFEED7}}},
      {"13 hot", HotGradient, Hot, 0xFCE1CA, Plain, {{46, 0, 0x800000}, {46, 1, 0xCBF4FF}}},
      {"13 down", HotGradient, Down, 0xFCE1CA, Plain, {{46, 0, 0x800000}, {46, 27, 0x6EB2FE}}},
      {"14 normal", GlossyRounded, Normal, 0xD0D0D0, Plain, {{46, 27, 0xEAE7E8}, {46, 1, 0x6A6A6A}, {0, 0, kWindowColour}}},
      {"14 hot", GlossyRounded, Hot, 0xD0D0D0, Plain, {{46, 27, 0xE2A66A}}},
      {"14 down", GlossyRounded, Down, 0xD0D0D0, Plain, {{46, 27, 0xCC9B6A}}},
      {"15 normal", HorizontalGradient, Normal, 0xE6CAA7, Plain, {{46, 0, 0x7D807E}, {1, 27, 0xE6CAA7}, {91, 27, 0xF9DDBA}}},
      {"15 hot", HorizontalGradient, Hot, 0xE6CAA7, Plain, {{1, 27, 0xE6CAA7}}},
      {"15 down", HorizontalGradient, Down, 0xE6CAA7, Plain, {{1, 27, 0xD9BD9A}, {46, 0, 0x7D807E}}},
  };
  for (const Scene& s : scenes) {
    canvas.Fill(test::kSentinel);
    ButtonLook look = Look(s.style, s.state, s.back);
    s.setUp(look);
    Draw(look);
    for (const Pixel& p : s.pixels) {
      EXPECT_EQ(canvas.At(p.x, p.y), Expected(p.colour)) << s.name << " at " << p.x << "," << p.y;
    }
  }
}

// A face composed in memory (onto a 32-bpp surface of exactly its size) has every pixel the face drawn
// step by step has (onto a larger surface, which is never composed into): every style, state and look,
// at the window's size and at sizes where the rims meet, overlap or stick out, and with a colour that
// cannot be translated, which the face draws with GDI's own brush halfway through.
TEST_F(ButtonDrawTest, ComposedFaceIsTheFaceDrawnStepByStep) {
  constexpr Colour kNoSuchSystemColour = 0x80000099;
  const std::pair<void (*)(ButtonLook&), Colour> looks[] = {
      {Plain, kWindowColour},       {Disabled, kWindowColour},        {Focused, kWindowColour},
      {Default, kWindowColour},     {FocusedInactive, kWindowColour}, {Checked, kWindowColour},
      {Plain, kNoSuchSystemColour}, {Disabled, kNoSuchSystemColour}};
  for (const SIZE size : {SIZE{kW, kH}, SIZE{36, 24}, SIZE{20, 12}, SIZE{2, 2}}) {
    test::Canvas composed(size.cx, size.cy), stepByStep(size.cx + 1, size.cy + 1);
    for (int style = 0; style < 16; ++style) {
      for (int state = Normal; state <= Down; ++state) {
        for (const auto& [setUp, back] : looks) {
          ButtonLook look = Look(style, state, back), same = look;
          setUp(look);
          setUp(same);
          look.showFocusRect = same.showFocusRect = true;
          DrawMemory memory1, memory2;
          Redraw(composed.dc(), size.cx, size.cy, look, memory1);
          Redraw(stepByStep.dc(), size.cx, size.cy, same, memory2);
          int differing = 0;
          for (int y = 0; y < size.cy; ++y) {
            for (int x = 0; x < size.cx; ++x) differing += composed.At(x, y) != stepByStep.At(x, y);
          }
          EXPECT_EQ(differing, 0) << "style " << style << ", state " << state << ", back " << std::hex << back
                                  << std::dec << ", " << size.cx << "x" << size.cy;
        }
      }
    }
  }
}

TEST_F(ButtonDrawTest, StylesThatTakeTheContainersColourAndTheCaptionColour) {
  ButtonLook look = Look(ContainerShade, Down, 0x808080);
  look.surfaceBackColor = kButtonFace;
  Draw(look);
  EXPECT_EQ(look.surfaceBackColor, kWindowColour);
  EXPECT_EQ(look.foreColor, kWhite);
  look.buttonState = Hot;
  Draw(look);
  EXPECT_EQ(look.foreColor, GetSysColor(COLOR_BTNTEXT));
  // Any other style leaves both alone.
  look = Look(RoundedBevel);
  look.surfaceBackColor = 0x010203;
  look.foreColor = 0x0000FF;
  Draw(look);
  EXPECT_EQ(look.surfaceBackColor, 0x010203u);
  EXPECT_EQ(look.foreColor, 0x0000FFu);
}

TEST_F(ButtonDrawTest, WindowShapes) {
  const struct {
    int style;
    WindowShape shape;
  } rows[] = {{Raised3D, {false, 0}},      {RoundedFrame, {true, 3}}, {ContainerShade, {true, 4}},
              {RoundedBevel, {true, 3}},   {SplitGloss, {true, 3}},   {PaleBlueBand, {true, 4}},
              {GlossyRounded, {true, 18}}, {HorizontalGradient, {false, 0}}, {99, {false, 0}}};
  for (const auto& r : rows) EXPECT_EQ(ShapeOfStyle(r.style), r.shape) << r.style;
  RECT box{};
  GetRgnBox(MakeShapeRegion({true, 3}, kW, kH).get(), &box);
  EXPECT_EQ(box.right, kW);
  EXPECT_EQ(box.bottom, kH);
  const UniqueRegion rounded = MakeShapeRegion({true, 18}, kW, kH);
  EXPECT_FALSE(PtInRegion(rounded.get(), 0, 0));
  EXPECT_TRUE(PtInRegion(rounded.get(), 46, 0));
}

}  // namespace
}  // namespace quilnet::button
