#pragma once
// Shared by the skin's tests: the five bitmaps, and the kit's sentinel-filled 32-bpp canvases to draw on.
#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "skin/SkinBitmaps.h"
#include "support/Canvas.h"
#include "support/GdiCount.h"

namespace quilnet::skin::test {

using Canvas = ::quilnet::test::Canvas;
inline constexpr COLORREF kSentinel = ::quilnet::test::kSentinel;

class SkinTest : public ::testing::Test {
 public:
  // A distinct colour in every pixel, so that a copy from the wrong place shows.
  static void Pattern(Canvas& canvas) {
    for (int y = 0; y < canvas.height(); ++y) {
      for (int x = 0; x < canvas.width(); ++x) canvas.Set(x, y, static_cast<COLORREF>(0x10000 + (y * canvas.width() + x) * 37));
    }
  }
  static COLORREF At(HDC dc, int x, int y) { return GetPixel(dc, x, y); }

 protected:
  SkinSurfaces skin_ = BuildSkinBitmaps();
};

inline std::string Narrow(std::wstring_view text) {
  std::string out(text.size() * 3, '\0');
  out.resize(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(),
                                                     static_cast<int>(out.size()), nullptr, nullptr)));
  return out;
}

using ::quilnet::test::GdiObjectCount;

using Names = std::set<std::wstring>;
// The skin's properties on the window, and with `layer` those of the subclassing layer too.
Names SkinPropsOf(HWND window, bool layer = false);

// What a window looked like to its own procedure (below the skin) as WM_DESTROY reached it.
struct Destroyed {
  HWND window;
  bool ownProcedure;               // GWLP_WNDPROC is its class's procedure again
  Names props;                     // the skin's and the subclassing layer's properties still on it
  bool region;                     // it still has a window region
  bool timer;                      // the fade timer was still running
};

// A skinned window tree on real controls. Families whose classes are not standard ones are made by
// superclassing standard controls under those names; every class here records its window's state as
// WM_DESTROY reaches its own procedure.
class SkinWindowTest : public SkinTest {
 public:
  static std::vector<Destroyed> destroyed;
  static Destroyed* DestroyedOf(HWND window);

 protected:
  void SetUp() override;
  void TearDown() override;
  // A visible top-level window of class ThunderRT6FormDC (the form family).
  HWND NewForm(int x = 40, int y = 40, int width = 320, int height = 220);
  // A child of `parent` of one of the registered classes or a standard one.
  HWND Child(HWND parent, const wchar_t* className, DWORD style, int x, int y, int width, int height,
             const wchar_t* text = L"");
  // The pixels of a window's own area as the screen shows them.
  static COLORREF ScreenAt(HWND window, int x, int y);

  HWND form_ = nullptr;
  size_t liveStates_ = 0;
};

}  // namespace quilnet::skin::test
