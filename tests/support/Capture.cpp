#include "support/Capture.h"

// WIN32_LEAN_AND_MEAN leaves out what GDI+ needs from objidl.h.
#include <objidl.h>
#include <gdiplus.h>

#include <cstring>
#include <memory>

#include "platform/Handles.h"

namespace quilnet::test {
namespace {

class GdiplusSession {
 public:
  GdiplusSession() {
    const Gdiplus::GdiplusStartupInput input;
    ok_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
  }
  ~GdiplusSession() {
    if (ok_) Gdiplus::GdiplusShutdown(token_);
  }
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;
  bool ok() const noexcept { return ok_; }

 private:
  ULONG_PTR token_ = 0;
  bool ok_ = false;
};

std::optional<CLSID> PngEncoder() {
  UINT count = 0, bytes = 0;
  if (Gdiplus::GetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0) return std::nullopt;
  std::vector<unsigned char> buffer(bytes);
  auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
  if (Gdiplus::GetImageEncoders(count, bytes, codecs) != Gdiplus::Ok) return std::nullopt;
  for (UINT i = 0; i < count; ++i) {
    if (codecs[i].MimeType && std::wcscmp(codecs[i].MimeType, L"image/png") == 0) return codecs[i].Clsid;
  }
  return std::nullopt;
}

}  // namespace

std::optional<Pixels> CaptureWindow(HWND window) {
  RECT outer{};
  if (!GetWindowRect(window, &outer)) return std::nullopt;
  Pixels pixels;
  pixels.width = outer.right - outer.left;
  pixels.height = outer.bottom - outer.top;
  if (pixels.width <= 0 || pixels.height <= 0) return std::nullopt;

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = pixels.width;
  info.bmiHeader.biHeight = -pixels.height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const ClientDc source(window, ClientDc::Area::WholeWindow);
  if (!source.get()) return std::nullopt;
  const UniqueBitmap surface(CreateDIBSection(source.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  const UniqueDc memory(CreateCompatibleDC(source.get()));
  if (!surface || !memory || !bits) return std::nullopt;
  const HGDIOBJ old = SelectObject(memory.get(), surface.get());
  const bool copied = BitBlt(memory.get(), 0, 0, pixels.width, pixels.height, source.get(), 0, 0, SRCCOPY);
  GdiFlush();
  SelectObject(memory.get(), old);
  if (!copied) return std::nullopt;

  pixels.data.resize(static_cast<size_t>(pixels.width) * static_cast<size_t>(pixels.height));
  const auto* row = static_cast<const uint32_t*>(bits);
  for (size_t i = 0; i < pixels.data.size(); ++i) pixels.data[i] = row[i] & 0x00FFFFFF;
  return pixels;
}

bool SavePng(const Pixels& pixels, const std::wstring& path) {
  if (pixels.width <= 0 || pixels.height <= 0) return false;
  const GdiplusSession session;
  if (!session.ok()) return false;
  const std::optional<CLSID> png = PngEncoder();
  if (!png) return false;
  // 32bppRGB ignores the high byte, so the picture comes out opaque.
  std::vector<uint32_t> copy = pixels.data;
  Gdiplus::Bitmap bitmap(pixels.width, pixels.height, pixels.width * 4, PixelFormat32bppRGB,
                         reinterpret_cast<BYTE*>(copy.data()));
  return bitmap.GetLastStatus() == Gdiplus::Ok && bitmap.Save(path.c_str(), &*png, nullptr) == Gdiplus::Ok;
}

}  // namespace quilnet::test
