#pragma once
// Move-only owners for raw handles. Nothing outside src/platform creates or deletes raw handles.
#include <windows.h>
#include <objbase.h>

#include <memory>
#include <type_traits>
#include <utility>

namespace quilnet {

// Kernel handles whose empty value is null (processes, threads, events). Files and find handles are
// not: they have the owners below.
struct KernelHandleDeleter {
  void operator()(HANDLE h) const noexcept {
    if (h) CloseHandle(h);
  }
};
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, KernelHandleDeleter>;

// Owner of a handle whose empty value is INVALID_HANDLE_VALUE (CreateFileW, FindFirstFileW), so that
// `if (file)` is true only for a handle that was opened.
template <class Closer>
class InvalidEmptyHandle {
 public:
  InvalidEmptyHandle() noexcept = default;
  explicit InvalidEmptyHandle(HANDLE h) noexcept : h_(h) {}
  InvalidEmptyHandle(InvalidEmptyHandle&& other) noexcept : h_(other.release()) {}
  InvalidEmptyHandle& operator=(InvalidEmptyHandle&& other) noexcept {
    reset(other.release());
    return *this;
  }
  ~InvalidEmptyHandle() { reset(); }

  HANDLE get() const noexcept { return h_; }
  explicit operator bool() const noexcept { return h_ != INVALID_HANDLE_VALUE; }
  HANDLE release() noexcept { return std::exchange(h_, INVALID_HANDLE_VALUE); }
  void reset(HANDLE h = INVALID_HANDLE_VALUE) noexcept {
    if (*this) Closer::Close(h_);
    h_ = h;
  }

 private:
  HANDLE h_ = INVALID_HANDLE_VALUE;
};

struct FileCloser {
  static void Close(HANDLE h) noexcept { CloseHandle(h); }
};
struct FindCloser {
  static void Close(HANDLE h) noexcept { FindClose(h); }
};
using UniqueFile = InvalidEmptyHandle<FileCloser>;
using UniqueFind = InvalidEmptyHandle<FindCloser>;

struct GdiObjectDeleter {
  void operator()(HGDIOBJ h) const noexcept {
    if (h) DeleteObject(h);
  }
};
template <class T>
using UniqueGdi = std::unique_ptr<std::remove_pointer_t<T>, GdiObjectDeleter>;
using UniqueFont = UniqueGdi<HFONT>;
using UniqueBrush = UniqueGdi<HBRUSH>;
using UniqueBitmap = UniqueGdi<HBITMAP>;
using UniqueRegion = UniqueGdi<HRGN>;

struct DcDeleter {
  void operator()(HDC h) const noexcept {
    if (h) DeleteDC(h);
  }
};
using UniqueDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;

struct IconDeleter {
  void operator()(HICON h) const noexcept {
    if (h) DestroyIcon(h);
  }
};
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

struct WindowDeleter {
  void operator()(HWND h) const noexcept {
    if (h && IsWindow(h)) DestroyWindow(h);
  }
};
using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDeleter>;

// GetDC (or GetWindowDC, frame included) and ReleaseDC for the lifetime of a scope.
class ClientDc {
 public:
  enum class Area { Client, WholeWindow };
  explicit ClientDc(HWND hwnd, Area area = Area::Client) noexcept
      : hwnd_(hwnd), dc_(area == Area::Client ? GetDC(hwnd) : GetWindowDC(hwnd)) {}
  ~ClientDc() {
    if (dc_) ReleaseDC(hwnd_, dc_);
  }
  ClientDc(const ClientDc&) = delete;
  ClientDc& operator=(const ClientDc&) = delete;
  HDC get() const noexcept { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// BeginPaint/EndPaint.
class PaintDc {
 public:
  explicit PaintDc(HWND hwnd) noexcept : hwnd_(hwnd) { dc_ = BeginPaint(hwnd, &ps_); }
  ~PaintDc() { EndPaint(hwnd_, &ps_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  HDC get() const noexcept { return dc_; }
  const PAINTSTRUCT& paint() const noexcept { return ps_; }

 private:
  HWND hwnd_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

// SelectObject, restored when the scope ends.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ obj) noexcept : dc_(dc), old_(SelectObject(dc, obj)) {}
  ~Selection() {
    if (old_) SelectObject(dc_, old_);
  }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// CoInitializeEx/CoUninitialize for a thread (apartment-threaded, as a window thread must be).
class ComApartment {
 public:
  ComApartment() noexcept : hr_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComApartment() {
    if (SUCCEEDED(hr_)) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  HRESULT result() const noexcept { return hr_; }

 private:
  HRESULT hr_;
};

}  // namespace quilnet
