// Where the picture and the caption go, found on the surface: the picture by its own pixels, the caption
// by the rectangle it was drawn in (glyphs differ from system to system).
#include <functional>
#include <string>
#include <vector>

#include "controls/button/ButtonTestKit.h"
#include "platform/Gdi.h"

namespace quilnet::button {
namespace {

constexpr COLORREF kRed = 0x0000FF, kMask = 0xE0E0E0, kNavy = 0x800000;

// A bitmap of its own colours, drawn cell by cell.
UniqueBitmap MakeBitmap(int w, int h, const std::function<COLORREF(int, int)>& colourAt) {
  test::Canvas paint(w, h);
  UniqueBitmap bitmap(CreateCompatibleBitmap(paint.dc(), w, h));
  const UniqueDc dc(CreateCompatibleDC(paint.dc()));
  const HGDIOBJ old = SelectObject(dc.get(), bitmap.get());
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) SetPixel(dc.get(), x, y, colourAt(x, y));
  }
  SelectObject(dc.get(), old);
  return bitmap;
}

class ButtonCaptionTest : public ButtonDrawTest {
 protected:
  // Two CJK glyphs of a 9-point face are 24 pixels wide everywhere; the line is 16 pixels high with Wine's
  // fallback face (SimSun on Windows makes it 12, where these numbers do not hold).
  void SetUp() override {
    const HGDIOBJ old = SelectObject(canvas.dc(), font.get());
    SIZE size{};
    GetTextExtentPoint32W(canvas.dc(), kCaption, 2, &size);
    TEXTMETRICW metrics{};
    GetTextMetricsW(canvas.dc(), &metrics);
    SelectObject(canvas.dc(), old);
    ASSERT_EQ(size.cx, 24);
    if (metrics.tmHeight != 16) GTEST_SKIP() << "a line of " << metrics.tmHeight << " pixels";
  }
  // A flat face, so the picture stands out.
  ButtonLook Flat(const UniqueBitmap& picture, int w, int h) {
    ButtonLook look = Look(FlatHotRaised, Normal, 0x808080);
    look.caption = kCaption;
    look.font = font.get();
    if (picture) look.picture = {ButtonPicture::Kind::Bitmap, picture.get(), nullptr, w, h};
    return look;
  }
  POINT FindRed() const {
    for (int y = 0; y < kH; ++y) {
      for (int x = 0; x < kW; ++x) {
        if (canvas.At(x, y) == kRed) return {x, y};
      }
    }
    return {-1, -1};
  }

  static constexpr const wchar_t* kCaption = L"保存";
  UniqueFont font = MakeFont(L"宋体", 9, 96, GB2312_CHARSET);
  UniqueBitmap red16 = MakeBitmap(16, 16, [](int, int) { return kRed; });
};

TEST_F(ButtonCaptionTest, PictureAndCaptionPlaces) {
  // Width 93, height 55, picture 16 × 16, caption 24 × 16.
  struct Row {
    int pictureAlign, captionAlign;
    bool accessKey;
    RECT expected;  // picture left, top; caption left, top
  };
  const std::vector<Row> rows = {
      {LeftEdge, Center, false, {4, 19, 42, 19}},      {LeftOfCaption, Center, false, {26, 19, 45, 19}},
      {LeftOfCaption, Center, true, {26, 19, 48, 19}}, {RightEdge, Center, false, {73, 19, 34, 19}},
      {RightEdge, Right, false, {73, 19, 49, 19}},     {RightOfCaption, Center, false, {50, 19, 23, 19}},
      {RightOfCaption, Left, false, {28, 19, 4, 19}},  {Behind, Center, false, {38, 19, 34, 19}},
      {TopEdge, Center, false, {38, 4, 34, 29}},       {AboveCaption, Center, false, {38, 11, 34, 29}},
      {BottomEdge, Center, false, {38, 35, 34, 9}},    {BelowCaption, Center, false, {38, 27, 34, 9}},
      {LeftOfCaption, Right, false, {45, 19, 65, 19}}, {LeftOfCaption, Left, false, {4, 19, 24, 19}},
      {LeftEdge, Right, false, {4, 19, 65, 19}},
  };
  for (const Row& r : rows) {
    canvas.Fill(test::kSentinel);
    ButtonLook look = Flat(red16, 16, 16);
    look.pictureAlign = r.pictureAlign;
    look.captionAlign = r.captionAlign;
    look.hasAccessKey = r.accessKey;
    Draw(look);
    const RECT& e = r.expected;
    const POINT picture = FindRed();
    EXPECT_EQ(picture.x, e.left) << r.pictureAlign << "/" << r.captionAlign;
    EXPECT_EQ(picture.y, e.top) << r.pictureAlign << "/" << r.captionAlign;
    EXPECT_EQ(memory.captionRect.left, e.right) << r.pictureAlign << "/" << r.captionAlign;
    EXPECT_EQ(memory.captionRect.top, e.bottom) << r.pictureAlign << "/" << r.captionAlign;
    EXPECT_EQ(memory.captionRect.right - memory.captionRect.left, 24);
  }
}

TEST_F(ButtonCaptionTest, CaptionOnlyPressedOffsetsAndAWideCaption) {
  const struct {
    int style, state, captionAlign;
    bool accessKey;
    int dx, dy;  // from the caption's plain place
  } rows[] = {
      {FlatHotRaised, Normal, Left, false, 0, 0},  {FlatHotRaised, Normal, Right, false, 0, 0},
      {FlatHotRaised, Normal, Center, true, 3, 0}, {Raised3D, Down, Center, false, 1, 1},
      {SplitGloss, Down, Center, false, 1, 1},     {SolidBlue, Down, Center, false, 1, 2},
      {SolidBlue, Normal, Center, false, -2, -2},  {GlossyRounded, Hot, Center, false, 0, -1},
      {RoundedBevel, Down, Center, false, 0, 0},
  };
  for (const auto& r : rows) {
    ButtonLook look = Look(r.style, r.state, 0x808080);
    look.caption = kCaption;
    look.font = font.get();
    look.captionAlign = r.captionAlign;
    look.hasAccessKey = r.accessKey;
    Draw(look);
    const int plainX = r.captionAlign == Left ? 4 : r.captionAlign == Right ? 65 : 34;
    EXPECT_EQ(memory.captionRect.left, plainX + r.dx) << r.style << " " << r.state;
    EXPECT_EQ(memory.captionRect.top, 19 + r.dy) << r.style << " " << r.state;
  }
  // Wider than the button, the caption goes left of a picture kept at the right.
  ButtonLook look = Flat(red16, 16, 16);
  look.caption = L"abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyz";
  look.pictureAlign = RightOfCaption;
  SIZE wide{};
  const HGDIOBJ old = SelectObject(canvas.dc(), font.get());
  GetTextExtentPoint32W(canvas.dc(), look.caption.c_str(), static_cast<int>(look.caption.size()), &wide);
  SelectObject(canvas.dc(), old);
  ASSERT_GT(wide.cx, kW);
  Draw(look);
  EXPECT_EQ(memory.captionRect.left, 93 - wide.cx - 16 - 4);
}

TEST_F(ButtonCaptionTest, BitmapsAreCroppedMaskedAndGrayedWhenDisabled) {
  // Mask colour on the left half, red on the right; the 20 × 20 one has navy beyond 16.
  const auto halves = [](int x, int y) { return x >= 16 || y >= 16 ? kNavy : x < 8 ? kMask : kRed; };
  const UniqueBitmap big = MakeBitmap(20, 20, halves), small = MakeBitmap(16, 16, halves);
  const struct {
    const char* name;
    const UniqueBitmap& bitmap;
    int size, pictureSize;
    bool mask, enabled;
    std::vector<std::pair<POINT, COLORREF>> pixels;  // picture at (38, 19)
  } rows[] = {
      {"cropped", big, 20, Small16, false, true, {{{38, 19}, kMask}, {{46, 19}, kRed}, {{53, 34}, kRed}, {{54, 19}, 0x808080}}},
      {"masked", small, 16, Actual, true, true, {{{38, 19}, 0x808080}, {{45, 34}, 0x808080}, {{46, 19}, kRed}}},
      {"disabled", small, 16, Actual, true, false, {{{38, 19}, 0xE0E0E0}, {{46, 19}, 0x555555}, {{53, 34}, 0x555555}}},
  };
  for (const auto& r : rows) {
    canvas.Fill(test::kSentinel);
    ButtonLook look = Flat(r.bitmap, r.size, r.size);
    look.caption.clear();
    look.pictureAlign = Behind;
    look.pictureSize = r.pictureSize;
    look.useMaskColor = r.mask;
    look.maskColor = kMask;
    look.enabled = r.enabled;
    Draw(look);
    for (const auto& [at, colour] : r.pixels) EXPECT_EQ(canvas.At(at.x, at.y), colour) << r.name << " " << at.x << "," << at.y;
  }
}

TEST_F(ButtonCaptionTest, DisabledIconIsGrayWhereOpaqueAndShowsTheFaceWhereNot) {
  // Opaque red on the right half; the left half is transparent (mask 1, colour black).
  const UniqueBitmap colour = MakeBitmap(16, 16, [](int x, int) { return x < 8 ? kBlack : kRed; });
  const UniqueBitmap mask(CreateBitmap(16, 16, 1, 1, nullptr));
  {
    const UniqueDc dc(CreateCompatibleDC(nullptr));
    const HGDIOBJ old = SelectObject(dc.get(), mask.get());
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 16; ++x) SetPixel(dc.get(), x, y, x < 8 ? kWhite : kBlack);
    }
    SelectObject(dc.get(), old);
  }
  ICONINFO info{TRUE, 0, 0, mask.get(), colour.get()};
  const UniqueIcon icon(CreateIconIndirect(&info));
  ASSERT_TRUE(icon);
  for (const bool enabled : {true, false}) {
    ButtonLook look = Look(FlatHotRaised, Normal, 0x808080);
    look.picture = {ButtonPicture::Kind::Icon, nullptr, icon.get(), 16, 16};
    look.pictureAlign = Behind;
    look.enabled = enabled;
    Draw(look);
    EXPECT_EQ(canvas.At(38, 19), 0x808080u) << enabled;
    EXPECT_EQ(canvas.At(46, 19), enabled ? kRed : 0x555555u) << enabled;
  }
}

}  // namespace
}  // namespace quilnet::button
