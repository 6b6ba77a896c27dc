#pragma once
// The drawing steps every button face is made of, beside the shared ones of platform/Gdi.h. Each takes
// colours as the control stores them (system-colour references included); a face draws through its
// FaceImage, whose pen and brush are the redraw's DrawingObjects.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "controls/button/ButtonLook.h"
#include "platform/Gdi.h"

namespace quilnet::button {

inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kBlack = 0x000000;

// Each channel moved by amount × 255 (amount from −1 to 1), rounded halves to even, kept within 0..255.
Colour ShiftColour(Colour colour, float amount);

// A one-pixel line from (x1, y1) up to, but not including, (x2, y2).
void Line(DrawingObjects& objects, int x1, int y1, int x2, int y2, Colour colour);
// The four pixels one in from each corner of a width × height surface.
void CornerDots(HDC dc, int width, int height, Colour colour);

enum GradientDirection : int { kHorizontal = 0, kVertical = 1, kDiagonalDown = 2, kDiagonalUp = 3 };
// A ramp from colour1 to colour2 over w × h at (x, y): left to right, top to bottom, top-left to
// bottom-right, or bottom-left to top-right. Nothing for a non-positive size.
void Gradient(HDC dc, int x, int y, int w, int h, Colour colour1, Colour colour2, int direction);

// A plain colour as a 32-bit DIB holds it: 0x00RRGGBB.
std::uint32_t DibPixel(COLORREF colour) noexcept;

// DrawEdge on all four sides: EDGE_RAISED, BDR_RAISEDINNER (thin) or EDGE_SUNKEN.
void Edge(HDC dc, RECT rect, UINT kind);

// One face, with the surface cleared to `background` first. Where it can, the face is composed in
// memory and put on the surface in one call when it is done (or when a step needs the surface itself):
// a face is dozens of fills, frames, lines and ramps, and under Wine each GDI call costs more than the
// pixels it sets. It composes only onto a 32-bpp bitmap of exactly width × height with no mapping or
// origin, in plain colours, and sets the pixels those GDI calls would; anything else goes straight to the
// surface as before.
class FaceImage {
 public:
  FaceImage(HDC dc, int width, int height, Colour background);
  FaceImage(const FaceImage&) = delete;
  FaceImage& operator=(const FaceImage&) = delete;
  ~FaceImage() { Direct(); }

  // Puts what was composed on the surface; from here on every step draws on it straight away.
  HDC Direct();

  void Fill(const Box& box, Colour colour);
  void Frame(const Box& box, Colour colour);
  void Line(int x1, int y1, int x2, int y2, Colour colour);
  void Gradient(int x, int y, int w, int h, Colour colour1, Colour colour2, int direction);
  void CornerDots(Colour colour);
  // `count` pixels from (x, y) to the right, as 0x00RRGGBB values.
  void Pixels(int x, int y, const std::uint32_t* pixels, int count);

 private:
  void Put(RECT rect, COLORREF colour);
  bool Composing(COLORREF colour);

  HDC dc_;
  DrawingObjects objects_;
  int width_;
  int height_;
  bool composing_ = false;
  std::vector<std::uint32_t>& image_;  // top-down rows of 0x00RRGGBB
};

}  // namespace quilnet::button
