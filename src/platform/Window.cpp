#include "platform/Window.h"

#include <cwchar>
#include <iterator>
#include <utility>

#include "platform/Handles.h"

namespace quilnet {

Window::~Window() {
  if (!hwnd_) return;
  // The derived part is gone: nothing may call into it any more.
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  const HWND hwnd = std::exchange(hwnd_, nullptr);
  DestroyWindow(hwnd);
}

void Window::Destroy() noexcept {
  if (hwnd_) DestroyWindow(hwnd_);  // WM_NCDESTROY clears hwnd_
}

bool Window::Register(const wchar_t* className) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = StaticProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = className;
  if (RegisterClassExW(&wc)) return true;
  return GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND Window::CreateTopLevel(const wchar_t* className, const wchar_t* caption, DWORD style, DWORD exStyle) {
  const HWND created = CreateWindowExW(exStyle, className, caption, style, CW_USEDEFAULT, CW_USEDEFAULT,
                                       CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr), this);
  if (!created) hwnd_ = nullptr;  // creation refused after WM_NCCREATE
  return created;
}

bool Window::CreateChildWindow(const wchar_t* className, HWND parent, const RECT& bounds, int id, DWORD style,
                               DWORD exStyle) {
  const HWND created = CreateWindowExW(exStyle, className, L"", style | WS_CHILD, bounds.left, bounds.top,
                                       bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                       this);
  if (!created) hwnd_ = nullptr;
  return created != nullptr;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Window::StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  Window* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message == WM_NCCREATE) {
    // Only our own Create* passes the object; a window of our class made by anyone else has none to run.
    self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    if (!self) return FALSE;
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  LRESULT result = 0;
  try {
    result = self->HandleMessage(message, wParam, lParam);
  } catch (...) {
    wchar_t line[64];
    swprintf(line, std::size(line), L"Quilnet: message 0x%04X failed\n", message);
    OutputDebugStringW(line);
    result = DefWindowProcW(hwnd, message, wParam, lParam);
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
  }
  return result;
}

LRESULT PaintedWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: {
      RECT client{};
      GetClientRect(hwnd(), &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, Background());
      return 1;
    }
    case WM_PAINT: {
      const PaintDc dc(hwnd());
      if (dc.get()) Paint(dc.get());
      return 0;
    }
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(wParam));
      return 0;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

std::wstring WindowText(HWND hwnd) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

HWND CreateControl(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle,
                   const RECT& bounds, int id) {
  return CreateWindowExW(exStyle, className, text, style | WS_CHILD, bounds.left, bounds.top,
                         bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

}  // namespace quilnet
