// The skin's drawing primitives on real GDI: pixels read back from sentinel-filled 32-bpp targets.
#include <algorithm>
#include <cctype>
#include <functional>
#include <string>
#include <vector>

#include "platform/Gdi.h"
#include "platform/Handles.h"
#include "platform/SystemLibrary.h"
#include "skin/SkinFixture.h"

namespace quilnet::skin::test {
namespace {

// Every pixel of `target` outside the box still holds the sentinel.
void ExpectUntouchedOutside(const Canvas& target, const Box& box) {
  for (int y = 0; y < target.height(); ++y) {
    for (int x = 0; x < target.width(); ++x) {
      const bool inside = x >= box.x && x < box.x + box.width && y >= box.y && y < box.y + box.height;
      if (!inside) {
        ASSERT_EQ(target.At(x, y), kSentinel) << "(" << x << ", " << y << ")";
      }
    }
  }
}

TEST_F(SkinTest, NineGridWithoutMarginsIsOneStretchOfTheWholeSource) {
  const Box from = ButtonTile(kHot);
  // Shrinking drops whole rows and columns: no colour appears that the tile does not have.
  for (const Box& to : {Box{0, 0, 75, 23}, Box{0, 0, 7, 21}, Box{0, 0, 30, 90}, Box{0, 0, 5, 9}}) {
    Canvas drawn(to.width, to.height), stretched(to.width, to.height);
    SetStretchBltMode(stretched.dc(), COLORONCOLOR);
    DrawNineGrid(drawn.dc(), to, skin_.ButtonSkin(), from, {});
    StretchBlt(stretched.dc(), 0, 0, to.width, to.height, skin_.ButtonSkin(), from.x, from.y, from.width, from.height, SRCCOPY);
    for (int y = 0; y < to.height; ++y) {
      for (int x = 0; x < to.width; ++x) ASSERT_EQ(drawn.At(x, y), stretched.At(x, y)) << to.width << "x" << to.height << " (" << x << ", " << y << ")";
    }
  }
}

TEST_F(SkinTest, ButtonTileAt75x23KeepsItsCornersAndStretchesOnlyTheMiddle) {
  HDC button = skin_.ButtonSkin();
  const Box to{5, 4, 75, 23};
  Canvas target(85, 31);
  DrawNineGrid(target.dc(), to, button, ButtonTile(kNormal), kButtonMargins);
  ExpectUntouchedOutside(target, to);
  const auto at = [&](int x, int y) { return target.At(to.x + x, to.y + y); };
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 3; ++x) {
      EXPECT_EQ(at(x, y), At(button, x, y)) << "top left " << x << "," << y;
      EXPECT_EQ(at(72 + x, y), At(button, 4 + x, y)) << "top right " << x << "," << y;
      EXPECT_EQ(at(x, 20 + y), At(button, x, 18 + y)) << "bottom left " << x << "," << y;
      EXPECT_EQ(at(72 + x, 20 + y), At(button, 4 + x, 18 + y)) << "bottom right " << x << "," << y;
    }
    // Top and bottom edges: the tile's centre column, stretched across.
    for (int x = 3; x < 72; ++x) {
      EXPECT_EQ(at(x, y), At(button, 3, y));
      EXPECT_EQ(at(x, 20 + y), At(button, 3, 18 + y));
    }
  }
  // Each middle row is one of the tile's rows 3 to 17, whole (border, rim, and its face colour all the
  // way across), taken in order from the first to the last.
  const auto isRow = [&](int y, int s) {
    for (int x = 0; x < 3; ++x) {
      if (at(x, y) != At(button, x, s) || at(74 - x, y) != At(button, 6 - x, s)) return false;
    }
    for (int x = 3; x < 72; ++x) {
      if (at(x, y) != At(button, 3, s)) return false;
    }
    return true;
  };
  int source = 3;
  for (int y = 3; y < 20; ++y) {
    while (source <= 17 && !isRow(y, source)) ++source;
    ASSERT_LE(source, 17) << "row " << y << " is no source row after the previous one";
  }
  EXPECT_TRUE(isRow(3, 3));
  EXPECT_TRUE(isRow(19, 17));
  EXPECT_EQ(at(3, 3), 0xFCF8F1u);
  EXPECT_EQ(at(3, 19), 0xEAD0B1u);
}

TEST_F(SkinTest, TransparentCopiesLeaveEveryKeyPixelAndCopyTheRestExactly) {
  struct Case {
    const char* name;
    HDC source;
    Box from;   // source rectangle
    bool nine;  // through DrawNineGrid with the key colour (same size: every slice unscaled)
  };
  const Case cases[] = {
      {"whole glyph bitmap", skin_.GlyphSkin(), {0, 0, kGlyphSkinWidth, kGlyphSkinHeight}, false},
      {"disabled check mark", skin_.GlyphSkin(), kCheckMarkDisabled, false},
      {"option dot", skin_.GlyphSkin(), kOptionDot, false},
      {"arrow", skin_.DropButtonSkin(), kArrow, false},
      {"pressed option disc", skin_.OptionSkin(), OptionTile(kPressed), true},
  };
  for (const Case& c : cases) {
    const Box to{3, 2, c.from.width, c.from.height};
    Canvas before(24, 28), target(24, 28);
    Pattern(before);
    Pattern(target);
    if (c.nine) {
      DrawNineGrid(target.dc(), to, c.source, c.from, kOptionMargins, kKeyColour);
    } else {
      DrawTransparent(target.dc(), to, c.source, c.from.x, c.from.y, kKeyColour);
    }
    int kept = 0;
    for (int y = 0; y < 28; ++y) {
      for (int x = 0; x < 24; ++x) {
        const bool inside = x >= to.x && x < to.x + to.width && y >= to.y && y < to.y + to.height;
        const COLORREF source = inside ? At(c.source, c.from.x + x - to.x, c.from.y + y - to.y) : kKeyColour;
        const COLORREF expected = source == kKeyColour ? before.At(x, y) : source;
        kept += inside && source == kKeyColour;
        ASSERT_EQ(target.At(x, y), expected) << c.name << " (" << x << ", " << y << ")";
      }
    }
    EXPECT_GT(kept, 0) << c.name;
  }
}

TEST_F(SkinTest, StretchedDiscKeepsItsKeyOutsideAndItsCornersUnscaled) {
  Canvas target(20, 20);
  DrawNineGrid(target.dc(), {0, 0, 20, 20}, skin_.OptionSkin(), OptionTile(kHot), kOptionMargins, kKeyColour);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 5; ++x) {
      const COLORREF source = At(skin_.OptionSkin(), x, 13 + y);
      EXPECT_EQ(target.At(x, y), source == kKeyColour ? kSentinel : source) << x << "," << y;
      const COLORREF mirrored = At(skin_.OptionSkin(), 8 + x, 13 + 8 + y);
      EXPECT_EQ(target.At(15 + x, 15 + y), mirrored == kKeyColour ? kSentinel : mirrored) << x << "," << y;
    }
  }
  EXPECT_NE(target.At(10, 10), kSentinel);
}

TEST(SkinGeometry, RoundsHalfToEvenAndCentresByIt) {
  const struct {
    double value;
    int rounded;
  } rounding[] = {{2.5, 2}, {3.5, 4}, {0.5, 0}, {1.5, 2}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
                  {2.4999, 2}, {2.5001, 3}, {-2.6, -3}, {7.0, 7}};
  for (const auto& r : rounding) EXPECT_EQ(RoundHalfEven(r.value), r.rounded) << r.value;
  const struct {
    int outer, inner, offset;
  } centring[] = {{13, 9, 2}, {14, 9, 2}, {16, 9, 4}, {15, 9, 3}, {9, 9, 0}, {5, 9, -2}, {4, 9, -2}};
  for (const auto& c : centring) EXPECT_EQ(CentreOffset(c.outer, c.inner), c.offset) << c.outer << " - " << c.inner;
}

TEST(SkinGeometry, MouseCoordinatesAreSignedWordsOfLParam) {
  const struct {
    LPARAM lParam;
    LONG x, y;
  } cases[] = {{MAKELPARAM(32, 16), 32, 16},
               {static_cast<LPARAM>(0xFFFEFFFFu), -1, -2},
               {MAKELPARAM(0x8000, 0x7FFF), -32768, 32767},
               {static_cast<LPARAM>(0x0000123400050007LL), 7, 5}};
  for (const auto& c : cases) {
    const POINT p = MousePoint(c.lParam);
    EXPECT_EQ(p.x, c.x) << std::hex << c.lParam;
    EXPECT_EQ(p.y, c.y) << std::hex << c.lParam;
  }
}

TEST_F(SkinTest, BoxesFillFrameAndFocusExactlyTheirRectangle) {
  const Box box{2, 3, 6, 4};
  Canvas fill(12, 10), frame(12, 10), focus(12, 10), system(12, 10);
  FillBox(fill.dc(), box, 0xD5A554);
  FrameBox(frame.dc(), box, 0xE9CFA4);
  FocusBox(focus.dc(), box);
  FillBox(system.dc(), box, 0x80000000 | COLOR_HIGHLIGHT);
  for (const Canvas* target : {&fill, &frame, &focus, &system}) ExpectUntouchedOutside(*target, box);
  int focused = 0;
  for (int y = box.y; y < box.y + box.height; ++y) {
    for (int x = box.x; x < box.x + box.width; ++x) {
      const bool edge = x == box.x || y == box.y || x == box.x + box.width - 1 || y == box.y + box.height - 1;
      EXPECT_EQ(fill.At(x, y), 0xD5A554u);
      EXPECT_EQ(system.At(x, y), GetSysColor(COLOR_HIGHLIGHT));
      EXPECT_EQ(frame.At(x, y), edge ? 0xE9CFA4 : kSentinel) << x << "," << y;
      if (!edge) {
        EXPECT_EQ(focus.At(x, y), kSentinel);
      }
      focused += focus.At(x, y) != kSentinel;
    }
  }
  EXPECT_GT(focused, 0);
  FocusBox(focus.dc(), box);  // a second focus rectangle takes the first away
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 12; ++x) EXPECT_EQ(focus.At(x, y), kSentinel);
  }
}

TEST_F(SkinTest, NothingIsDrawnForEmptyBoxesOrMissingContexts) {
  Canvas target(10, 10);
  for (const Box& box : {Box{0, 0, 0, 5}, Box{0, 0, 5, 0}, Box{0, 0, -4, 5}}) {
    FillBox(target.dc(), box, 0);
    FrameBox(target.dc(), box, 0);
    DrawNineGrid(target.dc(), box, skin_.ButtonSkin(), ButtonTile(0), kButtonMargins);
    DrawTransparent(target.dc(), box, skin_.GlyphSkin(), 0, 0, kKeyColour);
    DrawNineGrid(target.dc(), {0, 0, 10, 10}, skin_.ButtonSkin(), box, kButtonMargins);
  }
  DrawNineGrid(target.dc(), {0, 0, 10, 10}, nullptr, ButtonTile(0), kButtonMargins);
  DrawTransparent(target.dc(), {0, 0, 10, 10}, nullptr, 0, 0, kKeyColour);
  ExpectUntouchedOutside(target, {});
  EXPECT_FALSE(MemorySurface::Create(0, 4));
  EXPECT_FALSE(MemorySurface::Create(4, -1));
}

TEST(SkinWindows, BoxAndBorderComeFromTheOuterAndClientRectangles) {
  struct Case {
    DWORD style, exStyle;
    int border;  // expected per side
  };
  const Case cases[] = {
      {WS_POPUP, 0, 0},
      {WS_POPUP | WS_BORDER, 0, GetSystemMetrics(SM_CXBORDER)},
      {WS_POPUP, WS_EX_CLIENTEDGE, GetSystemMetrics(SM_CXEDGE)},
      // The scroll bars lie between the frame and the client area but are not border.
      {WS_POPUP | WS_VSCROLL | WS_HSCROLL, WS_EX_CLIENTEDGE, GetSystemMetrics(SM_CXEDGE)},
  };
  for (const Case& c : cases) {
    const UniqueWindow window(CreateWindowExW(c.exStyle, L"Static", L"", c.style, 10, 20, 100, 50, nullptr, nullptr, nullptr, nullptr));
    ASSERT_TRUE(window);
    const WindowBox box = GetWindowBox(window.get());
    EXPECT_EQ(box.left, 10);
    EXPECT_EQ(box.top, 20);
    EXPECT_EQ(box.right, 110);
    EXPECT_EQ(box.bottom, 70);
    EXPECT_EQ(box.width, 100);
    EXPECT_EQ(box.height, 50);
    const SIZE border = GetBorderSize(window.get());
    EXPECT_EQ(border.cx, c.border) << std::hex << c.style << " " << c.exStyle;
    EXPECT_EQ(border.cy, c.border) << std::hex << c.style << " " << c.exStyle;
  }
  const WindowBox gone = GetWindowBox(nullptr);
  EXPECT_EQ(gone.width, 0);
}

TEST_F(SkinTest, LabelsStayInsideTheirBox) {
  Canvas target(60, 30);
  SetBkMode(target.dc(), TRANSPARENT);
  SetTextColor(target.dc(), 0);
  const Box box{4, 5, 40, 18};
  DrawLabel(target.dc(), L"一段放不下的很长的说明文字&Long", box, kLabelFormat);
  ExpectUntouchedOutside(target, box);
  int inked = 0;
  for (int y = box.y; y < box.y + box.height; ++y) {
    for (int x = box.x; x < box.x + box.width; ++x) inked += target.At(x, y) == 0;
  }
  EXPECT_GT(inked, 0);
}

TEST_F(SkinTest, NoPrimitiveLeavesAnObjectBehind) {
  Canvas target(80, 30);
  const std::vector<std::pair<const char*, std::function<void()>>> work = {
      {"FillBox", [&] { FillBox(target.dc(), {1, 1, 20, 10}, 0xD5A554); }},
      {"FrameBox", [&] { FrameBox(target.dc(), {1, 1, 20, 10}, 0x80000000 | COLOR_WINDOW); }},
      {"FocusBox", [&] { FocusBox(target.dc(), {1, 1, 20, 10}); }},
      {"DrawLabel", [&] { DrawLabel(target.dc(), L"确定", {0, 0, 80, 30}, kLabelFormat); }},
      {"DrawNineGrid", [&] { DrawNineGrid(target.dc(), {0, 0, 75, 23}, skin_.ButtonSkin(), ButtonTile(1), kButtonMargins); }},
      {"DrawNineGrid keyed", [&] { DrawNineGrid(target.dc(), {0, 0, 13, 13}, skin_.OptionSkin(), OptionTile(2), kOptionMargins, kKeyColour); }},
      {"DrawTransparent", [&] { DrawTransparent(target.dc(), {2, 2, 9, 8}, skin_.GlyphSkin(), 0, 0, kKeyColour); }},
      {"MemorySurface", [&] { MemorySurface s = MemorySurface::Create(75, 23); s = MemorySurface::Create(5, 5); }},
      {"BuildSkinBitmaps", [&] { SkinSurfaces s = BuildSkinBitmaps(); s = BuildSkinBitmaps(); }},
  };
  for (const auto& [name, step] : work) {
    step();  // first use may load a library or cache a font
    const long before = GdiObjectCount();
    for (int i = 0; i < 5000; ++i) step();
    EXPECT_EQ(GdiObjectCount(), before) << name;
  }
  // And the bitmaps still draw right.
  Canvas after(7, 21);
  DrawNineGrid(after.dc(), {0, 0, 7, 21}, skin_.ButtonSkin(), ButtonTile(0), kButtonMargins);
  EXPECT_EQ(after.At(0, 0), 0xF9E1BFu);
  EXPECT_EQ(after.At(3, 17), 0xEAD0B1u);
}

// msimg32 is not a known DLL: a load-time import would be looked for beside the program first.
TEST(SkinLibraries, ProgramDoesNotImportMsImg32AtLoadTime) {
  const auto* base = reinterpret_cast<const BYTE*>(GetModuleHandleW(nullptr));
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  ASSERT_NE(imports.VirtualAddress, 0u);
  std::vector<std::string> names;
  for (auto* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); d->Name; ++d) {
    std::string name = reinterpret_cast<const char*>(base + d->Name);
    for (char& ch : name) ch = static_cast<char>(tolower(static_cast<unsigned char>(ch)));
    names.push_back(name);
  }
  EXPECT_NE(std::find(names.begin(), names.end(), "gdi32.dll"), names.end());
  EXPECT_EQ(std::find(names.begin(), names.end(), "msimg32.dll"), names.end());
}

TEST(SkinLibraries, SystemFunctionsResolveFromTheSystemFolderOrNotAtAll) {
  const struct {
    const wchar_t* library;
    const char* function;
    bool found;
  } cases[] = {{L"msimg32.dll", "TransparentBlt", true},
               {L"msimg32.dll", "AlphaBlend", true},
               {L"msimg32.dll", "NoSuchFunction", false},
               {L"quilnet-no-such-library.dll", "TransparentBlt", false}};
  for (const auto& c : cases) EXPECT_EQ(SystemFunction<FARPROC>(c.library, c.function) != nullptr, c.found) << c.function;
}

}  // namespace
}  // namespace quilnet::skin::test
