#pragma once
// Base of the program's own window classes: one static procedure, the object in GWLP_USERDATA from
// WM_NCCREATE to WM_NCDESTROY.
//
// Every concrete class that owns a window calls Destroy() in its destructor, so that the window goes
// while the whole object is still there and its WM_DESTROY and WM_NCDESTROY handlers run (a control
// takes its hooks off its parent there). A window still there when ~Window runs is destroyed without
// its object: its last messages get the default answers.
//
// No exception leaves the window procedure: a handler that throws fails quietly, its message answered
// as DefWindowProcW answers it, with a debug-output line naming the message.
#include <windows.h>

#include <string>

namespace quilnet {

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND hwnd() const noexcept { return hwnd_; }

 protected:
  // Destroys the window now, while the object is whole; the destructor of every concrete owner calls it.
  void Destroy() noexcept;
  // Registers the class once per process (a second registration of the same name is harmless). The class
  // holds no brush or icon: those belong to each window and go with it.
  static bool Register(const wchar_t* className);
  HWND CreateTopLevel(const wchar_t* className, const wchar_t* caption, DWORD style, DWORD exStyle);
  bool CreateChildWindow(const wchar_t* className, HWND parent, const RECT& bounds, int id, DWORD style,
                         DWORD exStyle);
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
  HWND hwnd_ = nullptr;
};

// A window that draws its own client area: erased with its background brush, then painted by one
// routine that serves WM_PAINT and WM_PRINTCLIENT alike.
class PaintedWindow : public Window {
 protected:
  virtual void Paint(HDC dc) const = 0;
  virtual HBRUSH Background() const = 0;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// The window's text, whole.
std::wstring WindowText(HWND hwnd);

// A child control of a standard class. It belongs to its parent and goes with it.
HWND CreateControl(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle,
                   const RECT& bounds, int id);

}  // namespace quilnet
