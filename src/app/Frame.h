#pragma once
// The profile group box: a container of its own class that draws an etched frame with its caption and
// hands its children's notifications, colour requests and drawing requests to the window.
#include "platform/Window.h"

namespace quilnet {

inline constexpr wchar_t kFrameClass[] = L"ThunderRT6Frame";

class Frame final : public PaintedWindow {
 public:
  ~Frame() override { Destroy(); }
  bool Create(HWND parent, const RECT& bounds, int id, HFONT font, HBRUSH background);

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Paint(HDC dc) const override;
  HBRUSH Background() const override { return background_; }

  HFONT font_ = nullptr;
  HBRUSH background_ = nullptr;
};

}  // namespace quilnet
