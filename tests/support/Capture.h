#pragma once
// Pictures of real windows as the screen shows them, for screenshots and for pixel checks.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quilnet::test {

// Top-down rows, one 0x00RRGGBB value a pixel.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> data;

  uint32_t At(int x, int y) const { return data[static_cast<size_t>(y) * static_cast<size_t>(width) + x]; }
};

// The whole window, frame and children included. Copied from its window DC, because PrintWindow on
// Wine leaves out both. The window must be on the screen and uncovered. Nothing for a window of no size.
std::optional<Pixels> CaptureWindow(HWND window);

// Writes the pixels as a PNG file through GDI+. False when GDI+ or its PNG encoder fails.
bool SavePng(const Pixels& pixels, const std::wstring& path);

}  // namespace quilnet::test
