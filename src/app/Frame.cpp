#include "app/Frame.h"

#include <algorithm>
#include <string>

#include "platform/Gdi.h"
#include "platform/Handles.h"

namespace quilnet {

bool Frame::Create(HWND parent, const RECT& bounds, int id, HFONT font, HBRUSH background) {
  font_ = font;
  background_ = background;
  if (!Register(kFrameClass)) return false;
  return CreateChildWindow(kFrameClass, parent, bounds, id, WS_VISIBLE | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
}

void Frame::Paint(HDC dc) const {
  RECT client{};
  GetClientRect(hwnd(), &client);
  const std::wstring caption = WindowText(hwnd());

  Selection font(dc, font_);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  RECT edge = client;
  edge.top = metrics.tmHeight / 2;
  DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
  if (!caption.empty()) {
    // The caption interrupts the top edge, on the frame's own colour. Its insets are pixels at 96 DPI.
    const int dpi = static_cast<int>(WindowDpi(hwnd()));
    const int inset = MulDiv(8, dpi, 96);
    const int pad = MulDiv(2, dpi, 96);
    RECT text{inset, 0, client.right - inset, metrics.tmHeight};
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
    text.left -= pad;
    text.right = std::min<LONG>(text.right + pad, client.right - MulDiv(6, dpi, 96));
    FillRect(dc, &text, background_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    text.left += pad;
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  }
}

LRESULT Frame::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT: {
      const LRESULT result = PaintedWindow::HandleMessage(message, wParam, lParam);
      InvalidateRect(hwnd(), nullptr, TRUE);
      return result;
    }
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
      if (const HWND parent = GetParent(hwnd())) return SendMessageW(parent, message, wParam, lParam);
      break;
  }
  return PaintedWindow::HandleMessage(message, wParam, lParam);
}

}  // namespace quilnet
