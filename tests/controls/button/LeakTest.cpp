// Every drawing path, more times than the process can hold GDI objects: anything left behind would run
// the table dry long before the end and the last drawing would come out wrong.
#include <memory>
#include <vector>

#include "controls/button/ButtonTestKit.h"
#include "platform/Gdi.h"

namespace quilnet::button {
namespace {

TEST_F(ButtonDrawTest, EveryPathDrawnMoreTimesThanTheHandleTableHoldsLeavesNothing) {
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

  std::vector<std::unique_ptr<test::Canvas>> first;
  for (ButtonLook look : looks) {
    first.push_back(std::make_unique<test::Canvas>(kW, kH));
    Redraw(first.back()->dc(), kW, kH, look, memory);
  }
  const DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  constexpr int kRounds = 66'000;
  for (int round = 0; round < kRounds; ++round) {
    for (ButtonLook look : looks) Draw(look);
  }
  EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), before);
  for (size_t i = 0; i < looks.size(); ++i) {
    ButtonLook look = looks[i];
    Draw(look);
    EXPECT_TRUE(canvas.SameAs(*first[i])) << "look " << i;
  }
}

}  // namespace
}  // namespace quilnet::button
