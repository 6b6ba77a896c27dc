#pragma once
// Drawing objects (made per drawing step, or held by a window for its lifetime) and the drawing toolkit
// the skin and the button share: rounding, colours, filled and framed boxes.
#include <windows.h>

#include <utility>

#include "platform/Handles.h"

namespace quilnet {

using UniquePen = UniqueGdi<HPEN>;
using UniqueRegion = UniqueGdi<HRGN>;

// A font of `points` (tenths may be given, 15.75 for example) at the window's dots per inch.
UniqueFont MakeFont(const wchar_t* face, double points, UINT dpi, BYTE charset, int weight = FW_NORMAL);
UniqueFont MakeFontIndirect(const LOGFONTW& description);
UniqueBrush MakeSolidBrush(COLORREF colour);
UniquePen MakeSolidPen(COLORREF colour);
UniqueRegion MakeRectRegion(int left, int top, int right, int bottom);
UniqueRegion MakeRoundRectRegion(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
// A memory context compatible with `dc`, for selecting a bitmap into.
UniqueDc MakeMemoryDc(HDC dc);
// A bitmap resource of this module as a DIB section; empty when it is missing.
UniqueBitmap LoadBitmapResource(int id);
// An icon resource of this module at the given size; empty when it is missing.
UniqueIcon LoadIconResource(int id, int size);

// The two bitmaps behind an icon (GetIconInfo), owned; `colour` is empty for a monochrome icon, whose
// mask then holds both halves.
struct IconBitmaps {
  UniqueBitmap colour;
  UniqueBitmap mask;
};
IconBitmaps IconBitmapsOf(HICON icon);

// Gives the window its region (nothing: no region), which the window then owns; a region the window
// refused is deleted here.
void SetWindowRegion(HWND window, UniqueRegion region, bool redraw);
// Copies the whole bitmap to (x, y) of the context.
void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y);
// The window's dots per inch (the system's for a window that has none of its own).
UINT WindowDpi(HWND hwnd);

// ---- The drawing toolkit. Colours are 0x00BBGGRR; one with the high bit set names a system colour.

// (x, y, width, height) in the pixels of the context drawn on.
struct Box {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// Every conversion of a fraction to whole pixels: nearest integer, ties to the even one (2.5 gives 2,
// 3.5 gives 4), whatever the floating-point rounding mode.
int RoundHalfEven(double value) noexcept;
// OleTranslateColor without a palette: a system colour becomes its present value, a plain one stays.
// CLR_INVALID (0xFFFFFFFF) when it cannot be translated, and that value is then drawn with.
COLORREF TranslateColour(COLORREF colour) noexcept;
// Each channel a + (b - a) × weightOfB, rounded halves to even; 0.5 is the mean. Plain colours only.
COLORREF MixColour(COLORREF a, COLORREF b, double weightOfB = 0.5) noexcept;
// An RGB value, as opposed to a system-colour reference or CLR_INVALID.
inline bool IsPlainColour(COLORREF colour) noexcept { return (colour & 0xFF000000) == 0; }
// The four sides of the one-pixel outline FrameRect draws inside the box (which is not empty).
void FrameSides(const Box& box, RECT (&sides)[4]) noexcept;
// FillRect of the box, and FrameRect (a one-pixel outline inside it), with a solid brush of the
// translated colour. A null context or an empty box draws nothing.
void FillBox(HDC dc, const Box& box, COLORREF colour);
void FrameBox(HDC dc, const Box& box, COLORREF colour);

// The pen and brush of one drawing operation on one context: the context's own DC pen and DC brush,
// selected once and given each colour as it is asked for, so that a face of dozens of lines and boxes
// makes no object at all. Whatever they replaced is put back when the operation ends. Colours as drawn
// with, already translated; one that is not a plain RGB value (CLR_INVALID from a failed translation)
// is drawn with a solid brush made of it, as before.
class DrawingObjects {
 public:
  explicit DrawingObjects(HDC dc) noexcept : dc_(dc) {}
  DrawingObjects(const DrawingObjects&) = delete;
  DrawingObjects& operator=(const DrawingObjects&) = delete;
  ~DrawingObjects();

  HDC dc() const noexcept { return dc_; }
  // PatBlt of each rectangle in the colour: what FillRect with a solid brush of it draws.
  void Fill(const RECT* rects, int count, COLORREF colour);
  // Selects a one-pixel solid pen of the colour, for MoveToEx and LineTo.
  void UsePen(COLORREF colour);

 private:
  HDC dc_;
  HGDIOBJ ownPen_ = nullptr;
  HGDIOBJ ownBrush_ = nullptr;
  COLORREF penColour_ = 0;    // the DC pen's colour, once selected
  COLORREF brushColour_ = 0;  // the DC brush's colour, once selected
};
// As above, with the operation's brush.
void FillBox(DrawingObjects& objects, const Box& box, COLORREF colour);
void FrameBox(DrawingObjects& objects, const Box& box, COLORREF colour);

}  // namespace quilnet
