// Every drawing path, counted exactly: one GDI object left behind shows.
#include <vector>

#include "controls/button/ButtonTestKit.h"
#include "platform/Gdi.h"
#include "support/GdiCount.h"

namespace quilnet::button {
namespace {

using test::GdiObjectCount;

TEST_F(ButtonDrawTest, EveryDrawingPathLeavesNoObjectBehind) {
  const UniqueFont font = MakeFont(L"宋体", 9, 96, GB2312_CHARSET);
  const UniqueBitmap bitmap(CreateCompatibleBitmap(canvas.dc(), 16, 16));
  ICONINFO parts{TRUE, 0, 0, bitmap.get(), bitmap.get()};
  const UniqueIcon icon(CreateIconIndirect(&parts));
  const ButtonPicture bitmapPicture{ButtonPicture::Kind::Bitmap, bitmap.get(), nullptr, 16, 16};
  const ButtonPicture iconPicture{ButtonPicture::Kind::Icon, nullptr, icon.get(), 16, 16};

  // Between them: every primitive, the region of the glossy corners, text with its font selected and put
  // back, masked and plain bitmaps, icons, and the gray pictures of both.
  std::vector<ButtonLook> looks;
  const auto add = [&](int style, int state, const ButtonPicture& picture, void (*tweak)(ButtonLook&)) {
    ButtonLook look = Look(style, state, 0xE3E3E3);
    look.caption = L"保存(&S)";
    look.hasAccessKey = true;
    look.font = font.get();
    look.picture = picture;
    tweak(look);
    looks.push_back(look);
  };
  add(RoundedBevel, Down, bitmapPicture, [](ButtonLook& l) { l.useMaskColor = true; });
  add(RoundedBevel, Normal, iconPicture, [](ButtonLook& l) { l.enabled = false; });
  add(GlossyRounded, Hot, iconPicture, [](ButtonLook& l) { l.checkBoxMode = l.value = true; });
  add(Raised3D, Normal, bitmapPicture, [](ButtonLook& l) { l.displayAsDefault = true, l.enabled = false; });

  for (ButtonLook look : looks) Draw(look);  // what the drawing keeps between calls is made now
  const long before = GdiObjectCount();
  for (ButtonLook look : looks) Draw(look);
  EXPECT_EQ(GdiObjectCount(), before);
}

}  // namespace
}  // namespace quilnet::button
