#include <gtest/gtest.h>

#include "app/Twips.h"

namespace quilnet {
namespace {

TEST(TwipsToPixels, FifteenTwipsAPixelAt96Dpi) {
  EXPECT_EQ(TwipsToPixels(6195, 96), 413);
  EXPECT_EQ(TwipsToPixels(4515, 96), 301);
  EXPECT_EQ(TwipsToPixels(11595, 96), 773);
  EXPECT_EQ(TwipsToPixels(5820, 96), 388);
}

TEST(TwipsToPixels, TiesGoToTheEvenPixel) {
  // At 96 DPI: 37.5 twips = 2.5 px -> 2, 52.5 -> 3.5 px -> 4. At 144 DPI a twip is 0.1 px.
  EXPECT_EQ(TwipsToPixels(25, 144), 2);  // 2.5
  EXPECT_EQ(TwipsToPixels(35, 144), 4);  // 3.5
  EXPECT_EQ(TwipsToPixels(6195, 144), 620);  // 619.5
  EXPECT_EQ(TwipsToPixels(4515, 144), 452);  // 451.5
  EXPECT_EQ(TwipsToPixels(4515, 120), 376);  // 376.25
}

TEST(TwipsToPixels, RectangleKeepsEdgesOfRoundedPositionAndSize) {
  const RECT r = TwipsToPixels(960, 1250, 3975, 300, 96);
  EXPECT_EQ(r.left, 64);
  EXPECT_EQ(r.top, 83);  // 83.33
  EXPECT_EQ(r.right, 64 + 265);
  EXPECT_EQ(r.bottom, 83 + 20);
}

}  // namespace
}  // namespace quilnet
