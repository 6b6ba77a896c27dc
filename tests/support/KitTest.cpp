// The test kit itself: a comparison that cannot fail would let every test built on it pass.
#include <gtest/gtest.h>

#include "platform/Handles.h"
#include "support/Canvas.h"
#include "support/Messages.h"

namespace quilnet::test {
namespace {

class KitTest : public ::testing::Test {
 protected:
  UniqueWindow window{CreateWindowExW(0, L"Static", L"", SS_BLACKRECT | WS_POPUP, 0, 0, 20, 10, nullptr, nullptr,
                                      nullptr, nullptr)};
  MessageRecorder recorder;
};

TEST_F(KitTest, RecorderMatchesInOrderSkipsOnlyOptionalEntriesAndShowsTheWholeSequence) {
  ASSERT_TRUE(window);
  MessageSpy spy(window.get(), recorder, 7);
  const auto run = [&] {
    SetWindowTextW(window.get(), L"a");
    SendMessageW(window.get(), WM_GETFONT, 0, 0);
  };
  const ExpectedMessage good[] = {{WM_SETTEXT, kFrom | kWindow, 0, 0, window.get(), 7},
                                  {WM_ENABLE, kOptional},
                                  {WM_GETFONT, kWParam, 0}};
  const ExpectedMessage missing[] = {{WM_SETTEXT}, {WM_ENABLE}, {WM_GETFONT}};
  const ExpectedMessage shorter[] = {{WM_SETTEXT}};
  const ExpectedMessage wrongParam[] = {{WM_SETTEXT}, {WM_GETFONT, kWParam, 1}};
  run();
  EXPECT_TRUE(recorder.Matches(good));
  for (const auto& table : {std::span<const ExpectedMessage>(missing), std::span<const ExpectedMessage>(shorter),
                            std::span<const ExpectedMessage>(wrongParam)}) {
    run();
    const ::testing::AssertionResult result = recorder.Matches(table, "step");
    EXPECT_FALSE(result);
    EXPECT_NE(std::string(result.message()).find("1: WM_GETFONT"), std::string::npos) << result.message();
    EXPECT_TRUE(recorder.messages().empty());
  }
}

TEST_F(KitTest, CanvasKeepsTheSentinelWhereNothingDrawsAndFindsEveryStrayPixel) {
  ASSERT_TRUE(window);
  Canvas canvas(40, 30);
  canvas.Print(window.get(), 5, 6);  // a rectangle of 20 x 10 in one colour
  const COLORREF drawn = canvas.At(5, 6);
  EXPECT_NE(drawn, kSentinel);
  EXPECT_TRUE(canvas.AllOf({5, 6, 25, 16}, drawn));
  EXPECT_TRUE(canvas.FrameOf({4, 5, 26, 17}, kSentinel));
  EXPECT_TRUE(canvas.Untouched({0, 16, 40, 30}));
  EXPECT_EQ(canvas.Differing(canvas.bounds(), kSentinel), (std::optional<RECT>{RECT{5, 6, 25, 16}}));
  canvas.Set(39, 29, RGB(1, 2, 3));
  EXPECT_FALSE(canvas.Untouched({0, 16, 40, 30}));
  EXPECT_FALSE(canvas.FrameOf({0, 0, 40, 30}, kSentinel));
  EXPECT_EQ(canvas.At(39, 29), RGB(1, 2, 3));
}

}  // namespace
}  // namespace quilnet::test
