// Colour arithmetic and gradients, read back from a 32-bpp surface.
#include <gtest/gtest.h>

#include <vector>

#include "controls/button/ButtonPrimitives.h"
#include "support/Canvas.h"

namespace quilnet::button {
namespace {

using test::Canvas;
using test::kSentinel;

TEST(ButtonColours, ShiftRoundsHalvesToEvenAndStaysWithinAChannel) {
  const struct {
    Colour colour;
    float amount;
    Colour expected;
  } rows[] = {
      {0xF0F0F0, 0.2f, 0xFFFFFF},   // capped at 255
      {0x101010, -0.2f, 0x000000},  // floored at 0
      {0xD4D4D4, 0.06f, 0xE3E3E3},  // the rounded bevel's default face
      {0x030201, 0.1f, 0x1C1C1A},   // 26.5 → 26, 27.5 → 28, 28.5 → 28
      {0x808080, -0.5f, 0x000000},  // 0.5 → 0
      {0x818181, -0.5f, 0x020202},  // 1.5 → 2
  };
  for (const auto& r : rows) EXPECT_EQ(ShiftColour(r.colour, r.amount), r.expected) << std::hex << r.colour;
}

TEST(ButtonColours, MixRoundsHalvesToEven) {
  EXPECT_EQ(MixColour(0x000000, 0x030501), 0x020200u);  // 1.5 → 2, 2.5 → 2, 0.5 → 0
  EXPECT_EQ(MixColour(kWhite, 0xE3E3E3), 0xF1F1F1u);
}

TEST(ButtonColours, SystemColoursAreTranslatedAndBadOnesBecomeMinusOne) {
  EXPECT_EQ(TranslateColour(kButtonFace), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(ShiftColour(kGrayText, 0), GetSysColor(COLOR_GRAYTEXT));
  EXPECT_EQ(TranslateColour(0x7F000000), CLR_INVALID);
  EXPECT_EQ(TranslateColour(0x800000FF), CLR_INVALID);
}

// Red only: 0 → 200 over three steps is 0, 66, 133, 200 (truncated, not rounded).
TEST(ButtonGradient, FourDirectionsAndTruncatingSteps) {
  const struct {
    int direction, w, h;
    std::vector<std::vector<int>> rows;  // red of each pixel, top row first
  } cases[] = {
      {kHorizontal, 4, 2, {{0, 66, 133, 200}, {0, 66, 133, 200}}},
      {kVertical, 2, 4, {{0, 0}, {66, 66}, {133, 133}, {200, 200}}},
      {kDiagonalDown, 3, 2, {{0, 66, 133}, {66, 133, 200}}},
      {kDiagonalUp, 3, 2, {{66, 133, 200}, {0, 66, 133}}},
      {7, 2, 2, {{0, 0}, {0, 0}}},  // an unknown direction leaves black
  };
  for (const auto& c : cases) {
    Canvas canvas(8, 8);
    Gradient(canvas.dc(), 1, 2, c.w, c.h, 0x000000, 0x0000C8, c.direction);
    for (int y = 0; y < c.h; ++y) {
      for (int x = 0; x < c.w; ++x) {
        EXPECT_EQ(canvas.At(1 + x, 2 + y), static_cast<COLORREF>(c.rows[y][x])) << c.direction << " " << x << "," << y;
      }
    }
    EXPECT_EQ(canvas.At(1 + c.w, 2), kSentinel);
    EXPECT_EQ(canvas.At(1, 2 + c.h), kSentinel);
  }
}

TEST(ButtonGradient, DescendingStepsTruncateTowardsZero) {
  Canvas canvas(4, 1);
  Gradient(canvas.dc(), 0, 0, 4, 1, 0x0000C8, 0x000000, kHorizontal);
  EXPECT_EQ(canvas.At(1, 0), 134u);  // 200 − 66.7 → 200 − 66
  EXPECT_EQ(canvas.At(2, 0), 67u);
}

TEST(ButtonGradient, OnePixelHighTakesHalfOfEachColourAndNothingForNoSize) {
  Canvas canvas(6, 3);
  Gradient(canvas.dc(), 0, 1, 5, 1, 0xFF0001, 0x010203, kVertical);
  // Halves truncated apart: 1/2 + 3/2 is 1 where the rounded mean would be 2.
  EXPECT_EQ(canvas.At(0, 1), 0x7F0101u);
  EXPECT_EQ(canvas.At(4, 1), 0x7F0101u);
  Gradient(canvas.dc(), 0, 0, 0, 3, kBlack, kBlack, kVertical);
  Gradient(canvas.dc(), 0, 0, 3, -1, kBlack, kBlack, kVertical);
  EXPECT_EQ(canvas.At(0, 0), kSentinel);
}

TEST(ButtonPrimitives, LineLeavesItsEndPointAndFrameItsInside) {
  Canvas canvas(10, 10);
  const HGDIOBJ ownPen = GetCurrentObject(canvas.dc(), OBJ_PEN), ownBrush = GetCurrentObject(canvas.dc(), OBJ_BRUSH);
  {
    // One operation's pen and brush: a colour asked for again after another is drawn in its own colour,
    // a slanting line too, and a line back to front leaves its end point as well.
    DrawingObjects objects(canvas.dc());
    Line(objects, 1, 1, 5, 1, 0x0000FF);
    Line(objects, 1, 8, 5, 8, 0x00FF00);
    Line(objects, 1, 9, 5, 9, 0x0000FF);
    Line(objects, 9, 9, 7, 7, 0x00FF00);
    Line(objects, 9, 2, 9, 0, 0xFF0000);
  }
  EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_PEN), ownPen);
  EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_BRUSH), ownBrush);
  EXPECT_EQ(canvas.At(8, 8), 0x00FF00u);
  EXPECT_EQ(canvas.At(7, 7), kSentinel);
  EXPECT_EQ(canvas.At(9, 1), 0xFF0000u);
  EXPECT_EQ(canvas.At(9, 0), kSentinel);
  EXPECT_EQ(canvas.At(4, 1), 0x0000FFu);
  EXPECT_EQ(canvas.At(5, 1), kSentinel);
  EXPECT_EQ(canvas.At(1, 8), 0x00FF00u);
  EXPECT_EQ(canvas.At(1, 9), 0x0000FFu);
  FrameBox(canvas.dc(), {2, 3, 4, 5}, 0x00FF00);
  EXPECT_EQ(canvas.At(2, 3), 0x00FF00u);
  EXPECT_EQ(canvas.At(5, 7), 0x00FF00u);
  EXPECT_EQ(canvas.At(3, 4), kSentinel);
  EXPECT_EQ(canvas.At(6, 3), kSentinel);
}

}  // namespace
}  // namespace quilnet::button
