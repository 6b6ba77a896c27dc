// The window at 144 dots per inch (its driver sets the display so): every twip converts at that
// resolution, with ties going to the even pixel, and the size toggle still tells its two sizes apart.
#include <gtest/gtest.h>

#include "app/Form1.h"
#include "app/Layout.h"
#include "support/Canvas.h"
#include "support/FormFixture.h"

namespace quilnet {
namespace {

void ExpectRect(const RECT& r, int left, int top, int width, int height, const char* what) {
  EXPECT_EQ(r.left, left) << what;
  EXPECT_EQ(r.top, top) << what;
  EXPECT_EQ(r.right - r.left, width) << what;
  EXPECT_EQ(r.bottom - r.top, height) << what;
}

using WindowAt144Dpi = test::WindowTest;

TEST_F(WindowAt144Dpi, SizesPlacesAndFontsFollowTheResolution) {
  Start();
  const Form1& form = *this->form;

  RECT outer{};
  GetWindowRect(form.hwnd(), &outer);
  ExpectRect(outer, outer.left, outer.top, 620, 452, "window");  // 619.5 and 451.5 pixels
  ExpectRect(Place(L"Combo1"), 96, 125, 398, 30, "Combo1");      // 397.5 wide
  ExpectRect(Place(L"Command10"), 36, 180, 140, 82, "Command10");  // 139.5, 82.5
  ExpectRect(Place(L"Frame1"), 876, 240, 266, 242, "Frame1");     // 265.5, 241.5
  ExpectRect(Place(L"Text11"), 96, 60, 158, 27, "Text11");        // 157.5
  const Form1::LabelPlace status = form.FindLabel(L"Label1");
  ASSERT_NE(status.label, nullptr);
  const RECT statusLine = Place(L"Label1");  // 625.5 wide, cut at Frame4 (618); at least 37.5 high
  ExpectRect({statusLine.left, statusLine.top, statusLine.right, statusLine.top + 38}, 0, 372, 618, 38, "Label1");
  EXPECT_GE(statusLine.bottom - statusLine.top, 38);

  LOGFONTW button{}, line{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(form.Control(L"Command10"), WM_GETFONT, 0, 0)), sizeof button,
             &button);
  GetObjectW(status.label->font, sizeof line, &line);
  EXPECT_EQ(button.lfHeight, -18);  // 9 pt
  EXPECT_EQ(line.lfHeight, -32);    // 15.75 pt is 31.5 pixels

  // The size toggle knows the compact width at this resolution too, though 620 pixels are 6200 twips.
  const HWND toggle = form.Control(L"Command4");
  SendMessageW(toggle, BM_CLICK, 0, 0);
  GetWindowRect(form.hwnd(), &outer);
  ExpectRect(outer, outer.left, outer.top, 1160, 582, "expanded");  // 1159.5 and 582 pixels
  SendMessageW(toggle, BM_CLICK, 0, 0);
  GetWindowRect(form.hwnd(), &outer);
  ExpectRect(outer, outer.left, outer.top, 620, 452, "compact again");
}

// Sizes given in pixels at 96 DPI grow with the resolution: the open list below a combo's field, and the
// gap the group box's caption leaves in its top edge (its text 12 pixels in, the gap 3 pixels wider).
TEST_F(WindowAt144Dpi, PixelSizesScaleWithTheResolution) {
  Start();
  RECT field{}, dropped{};
  GetWindowRect(Ctl(L"Combo2"), &field);
  SendMessageW(Ctl(L"Combo2"), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
  // Wine reports the list from the field's top and takes the field's first height (about a line of
  // the font) off it: 238 here, and 158 were the 160 pixels not scaled.
  EXPECT_NEAR(dropped.bottom - dropped.top, 240, field.bottom - field.top + 2);

  const HWND frame = Ctl(L"Frame2");
  RECT client{};
  GetClientRect(frame, &client);
  test::Canvas canvas(client.right, client.bottom);
  canvas.Print(frame);
  int edge = 0;  // the row of the top edge: the first one that is not the frame's colour at x = 4
  while (edge < client.bottom && canvas.At(4, edge) == kFormColour) ++edge;
  ASSERT_LT(edge, client.bottom);
  int gap = 4;
  while (gap < client.right && canvas.At(gap, edge) != kFormColour) ++gap;
  EXPECT_EQ(gap, 9);
  const auto caption = canvas.Differing({gap, 0, client.right, edge}, kFormColour);
  ASSERT_TRUE(caption.has_value());
  EXPECT_GE(caption->left, 12);
}

}  // namespace
}  // namespace quilnet
