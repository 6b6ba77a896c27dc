// What the skin does with the messages of every control but push buttons: in most cases the control's
// own procedure paints first and the skin draws its frame, drop button, square or circle over that.
#include <windows.h>
#include <commctrl.h>

#include "platform/Handles.h"
#include "platform/LeaveTracking.h"
#include "skin/Controls.h"
#include "skin/ControlPainters.h"
#include "skin/SkinBitmaps.h"
#include "skin/SkinDraw.h"

namespace quilnet::skin {
namespace {

DWORD Style(HWND window) noexcept { return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)); }

bool LeftButtonHeld(WPARAM wParam) noexcept { return (wParam & MK_LBUTTON) != 0; }

bool UnderCursor(HWND window) noexcept {
  POINT cursor{};
  return GetCursorPos(&cursor) && WindowFromPoint(cursor) == window;
}

// The first mouse move of a hover asks for the mouse-leave that ends it.
void StartHover(HWND window) {
  if (ReadProp(window, kMouseFlag) != 0) return;
  WriteProp(window, kMouseFlag, 1);
  TrackLeave(window);
}

// The one-pixel frame in the border colour and a white one inside it, over the control's own edge.
void FlatFrame(HWND window) {
  const WindowBox box = GetWindowBox(window);
  const ClientDc dc(window, ClientDc::Area::WholeWindow);
  FrameBox(dc.get(), {0, 0, box.width, box.height}, BorderColour(window));
  FrameBox(dc.get(), {1, 1, box.width - 2, box.height - 2}, kWhite);
}

// A sunken client edge becomes a flat one-pixel frame: the border colour outside, and every ring of the
// edge inside it in the client's background, so nothing of the 3-D edge shows on any side and the
// client area itself stays as the control drew it.
void PaintClientEdge(HWND window) {
  if (!(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE)) return;
  const SIZE border = GetBorderSize(window);
  const WindowBox box = GetWindowBox(window);
  const ClientDc windowDc(window, ClientDc::Area::WholeWindow);
  const ClientDc clientDc(window);
  if (!windowDc.get()) return;
  FrameBox(windowDc.get(), {0, 0, box.width, box.height}, BorderColour(window));
  const COLORREF background = clientDc.get() ? GetBkColor(clientDc.get()) : kWhite;
  for (int d = 1; d < border.cx && 2 * d < box.width && 2 * d < box.height; ++d) {
    FrameBox(windowDc.get(), {d, d, box.width - 2 * d, box.height - 2 * d}, background);
  }
}

// The frame message of every family that has a client edge to replace.
LRESULT EdgeMessage(const Routed& routed) {
  const LRESULT result = routed.Default();
  PaintClientEdge(routed.hwnd());
  return result;
}

// --- combo boxes and drive lists -------------------------------------------------------------------

// A drop-down combo box with an edit field (CBS_DROPDOWN: style bit 0 clear).
bool Editable(HWND window) noexcept { return (Style(window) & 1) == 0; }

// Whether the point (client coordinates) is on the drop button of an editable combo box.
bool OnDropButton(HWND window, POINT point) noexcept {
  const WindowBox box = GetWindowBox(window);
  return !(point.x < box.width - GetSystemMetrics(SM_CXVSCROLL) - 2 || point.x > box.width - 2 || point.y < 2 ||
           point.y > box.height - 2);
}

int OldState(HWND window) noexcept { return static_cast<int>(ReadProp(window, kOldState)); }

LRESULT ComboPaint(const Routed& routed) {
  HWND window = routed.hwnd();
  if (routed.family == Family::Combo && Editable(window)) {
    // The edit field is a child window and paints itself; the rest of the box is ours.
    const WindowBox box = GetWindowBox(window);
    const PaintDc paint(window);
    FillBox(paint.get(), {0, 0, box.width, box.height}, kWhite);
    FrameBox(paint.get(), {0, 0, box.width, box.height}, BorderColour(window));
    PaintDropButton(window, paint.get(), OldState(window), true);
    return 0;
  }
  const LRESULT result = routed.Default();
  FlatFrame(window);
  PaintDropButton(window, nullptr, OldState(window), true);
  return result;
}

LRESULT ComboMessage(const Routed& routed) {
  HWND window = routed.hwnd();
  const WindowMessage& m = routed.message;
  const bool combo = routed.family == Family::Combo;
  switch (m.message) {
    case WM_PAINT:
      return ComboPaint(routed);
    case WM_LBUTTONDOWN: {
      const LRESULT result = routed.Default();
      if (!(combo && Editable(window) && !OnDropButton(window, MousePoint(m.lParam)))) {
        PaintDropButton(window, nullptr, kPressed, false);
      }
      return result;
    }
    case WM_MOUSEMOVE: {
      const LRESULT result = routed.Default();
      StartHover(window);
      int state = LeftButtonHeld(m.wParam) ? kPressed : kHot;
      if (combo && Editable(window) && !OnDropButton(window, MousePoint(m.lParam))) state = kNormal;
      PaintDropButton(window, nullptr, state, false);
      return result;
    }
    case WM_LBUTTONUP: {
      const LRESULT result = routed.Default();
      PaintDropButton(window, nullptr, UnderCursor(window) ? kHot : kNormal, false);
      return result;
    }
    case WM_MOUSELEAVE: {
      const LRESULT result = routed.Default();
      WriteProp(window, kMouseFlag, 0);
      PaintDropButton(window, nullptr, kNormal, false);
      return result;
    }
    case WM_WINDOWPOSCHANGING: {
      const LRESULT result = routed.Default();
      PaintDropButton(window, nullptr, kNormal, false);
      return result;
    }
    case WM_NCPAINT:
      return EdgeMessage(routed);
    default:
      return routed.Default();
  }
}

// --- check boxes and option buttons ----------------------------------------------------------------

void PaintMark(HWND window, Family family, int state, bool forced) {
  if (family == Family::Option) {
    PaintOptionButton(window, state, forced);
  } else {
    PaintCheckBox(window, state, forced);
  }
}

LRESULT CheckMessage(const Routed& routed) {
  HWND window = routed.hwnd();
  const WindowMessage& m = routed.message;
  const Family family = routed.family;
  switch (m.message) {
    case WM_PAINT:
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      // An option button redraws its circle on a focus change; a check box leaves its square alone.
      if (family == Family::CheckBox && m.message != WM_PAINT) return routed.Default();
      const LRESULT result = routed.Default();
      PaintMark(window, family, kNormal, true);
      return result;
    }
    case WM_LBUTTONDOWN: {
      const LRESULT result = routed.Default();
      PaintMark(window, family, kPressed, false);
      return result;
    }
    case WM_MOUSEMOVE: {
      const LRESULT result = routed.Default();
      StartHover(window);
      PaintMark(window, family, LeftButtonHeld(m.wParam) ? kPressed : kHot, true);
      return result;
    }
    case WM_LBUTTONUP: {
      const LRESULT result = routed.Default();
      PaintMark(window, family, kNormal, false);
      return result;
    }
    case WM_MOUSELEAVE: {
      const LRESULT result = routed.Default();
      WriteProp(window, kMouseFlag, 0);
      PaintMark(window, family, kNormal, false);
      return result;
    }
    case WM_KEYDOWN:
    case WM_KEYUP: {
      const LRESULT result = routed.Default();
      if (m.wParam == VK_SPACE) PaintMark(window, family, m.message == WM_KEYDOWN ? kPressed : kNormal, false);
      return result;
    }
    case WM_NCPAINT:
      return EdgeMessage(routed);
    default:
      return routed.Default();
  }
}

// --- headers -----------------------------------------------------------------------------------------

int ItemCount(HWND header) noexcept { return static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)); }

RECT ItemRect(HWND header, int index) noexcept {
  RECT r{};
  SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
  return r;
}

// The item under x: the first whose span holds it, so a point on a boundary belongs to the left item.
int ItemAt(HWND header, int x) noexcept {
  const int count = ItemCount(header);
  for (int i = 0; i < count; ++i) {
    const RECT r = ItemRect(header, i);
    if (r.left <= x && x <= r.right) return i;
  }
  return -1;
}

int ItemProp(HWND header, const wchar_t* name) noexcept { return static_cast<int>(ReadProp(header, name)); }

LRESULT HeaderPaint(HWND header) {
  const SkinSurfaces* skin = CurrentSurfaces();
  const WindowBox box = GetWindowBox(header);
  const MemorySurface surface = MemorySurface::Create(box.width, box.height);
  if (skin && surface) {
    HDC dc = surface.dc();
    StretchBlt(dc, 0, 0, box.width, box.height, skin->HeaderSkin(), kHeaderBackground.x, kHeaderBackground.y,
               kHeaderBackground.width, kHeaderBackground.height, SRCCOPY);
    const int pressed = ItemProp(header, kHdIndex), hot = ItemProp(header, kHmIndex);
    const int count = ItemCount(header);
    for (int i = 0; i < count; ++i) {
      const RECT r = ItemRect(header, i);
      const int state = i == pressed ? kPressed : i == hot ? kHot : kNormal;
      DrawNineGrid(dc, {r.left, 0, r.right - r.left, box.height}, skin->HeaderSkin(), HeaderTile(state), kHeaderMargins);
      DrawHeaderCaption(header, dc, HeaderItemText(header, i), {r.left, 0, r.right - r.left, r.bottom});
    }
  }
  const PaintDc paint(header);
  if (surface) BitBlt(paint.get(), 0, 0, box.width, box.height, surface.dc(), 0, 0, SRCCOPY);
  return 0;
}

LRESULT HeaderMessage(const Routed& routed) {
  HWND header = routed.hwnd();
  const WindowMessage& m = routed.message;
  switch (m.message) {
    case WM_PAINT:
      return HeaderPaint(header);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const LRESULT result = routed.Default();
      const int i = ItemAt(header, MousePoint(m.lParam).x);
      WriteProp(header, kHdIndex, i);
      if (i >= 0) PaintHeaderItem(header, nullptr, i, kPressed);
      return result;
    }
    case WM_MOUSEMOVE: {
      const LRESULT result = routed.Default();
      StartHover(header);
      const int i = ItemAt(header, MousePoint(m.lParam).x);
      const int old = ItemProp(header, kHmIndex);
      if (i != old) {
        const int pressed = ItemProp(header, kHdIndex);
        if (old >= 0 && old != pressed) PaintHeaderItem(header, nullptr, old, kNormal);
        if (!LeftButtonHeld(m.wParam)) {
          WriteProp(header, kHmIndex, i);
          PaintHeaderItem(header, nullptr, i, kHot);
        } else if (i == pressed) {
          PaintHeaderItem(header, nullptr, i, kPressed);
        }
      }
      return result;
    }
    case WM_LBUTTONUP: {
      const LRESULT result = routed.Default();
      const int pressed = ItemProp(header, kHdIndex);
      WriteProp(header, kHdIndex, -1);
      if (pressed >= 0) PaintHeaderItem(header, nullptr, pressed, UnderCursor(header) ? kHot : kNormal);
      return result;
    }
    case WM_MOUSELEAVE: {
      const LRESULT result = routed.Default();
      const int hot = ItemProp(header, kHmIndex);
      WriteProp(header, kMouseFlag, 0);
      WriteProp(header, kHdIndex, -1);
      WriteProp(header, kHmIndex, -1);
      if (hot >= 0) PaintHeaderItem(header, nullptr, hot, kNormal);
      return result;
    }
    case WM_NCPAINT:
      return EdgeMessage(routed);
    default:
      return routed.Default();
  }
}

// --- progress bars -----------------------------------------------------------------------------------

// How far the bar is filled: the position against the control's full scale of 30000.
float Fraction(HWND bar) noexcept {
  return static_cast<float>(SendMessageW(bar, PBM_GETPOS, 0, 0)) / 30000.0f;
}

LRESULT ProgressPaint(HWND bar) {
  RECT client{};
  GetClientRect(bar, &client);
  const int cw = client.right, ch = client.bottom;
  const MemorySurface surface = MemorySurface::Create(cw, ch);
  const float f = Fraction(bar);
  if (surface) {
    FillBox(surface.dc(), {0, 0, cw, ch}, kWhite);
    if (f != 0) {
      if (Style(bar) & PBS_VERTICAL) {
        const int filled = RoundHalfEven(ch * static_cast<double>(f));
        FillBox(surface.dc(), {0, ch - filled, cw, filled}, kBarColour);
      } else {
        FillBox(surface.dc(), {0, 0, RoundHalfEven(cw * static_cast<double>(f)), ch}, kBarColour);
      }
    }
  }
  const PaintDc paint(bar);
  if (surface) BitBlt(paint.get(), 0, 0, cw, ch, surface.dc(), 0, 0, SRCCOPY);
  return 0;
}

LRESULT ProgressFrame(HWND bar) {
  const SIZE border = GetBorderSize(bar);
  const WindowBox box = GetWindowBox(bar);
  RECT client{};
  GetClientRect(bar, &client);
  const int cw = client.right, ch = client.bottom;
  const float f = Fraction(bar);
  const MemorySurface surface = MemorySurface::Create(box.width, box.height);
  if (!surface) return 0;
  HDC dc = surface.dc();
  FillBox(dc, {0, 0, box.width, box.height}, kBorderColour);
  FillBox(dc, {1, 1, box.width - 2, box.height - 2}, kWhite);
  if (f != 0) {
    if (Style(bar) & PBS_VERTICAL) {
      if (Style(bar) & PBS_SMOOTH) FillBox(dc, {border.cx, border.cy, cw, ch}, kBarColour);
      FillBox(dc, {border.cx, border.cy, cw, ch - RoundHalfEven(ch * static_cast<double>(f))}, kWhite);
    } else {
      FillBox(dc, {border.cx, border.cy, RoundHalfEven(cw * static_cast<double>(f)), ch}, kBarColour);
    }
  }
  const ClientDc windowDc(bar, ClientDc::Area::WholeWindow);
  if (windowDc.get()) BitBlt(windowDc.get(), 0, 0, box.width, box.height, dc, 0, 0, SRCCOPY);
  return 0;
}

LRESULT ProgressMessage(const Routed& routed) {
  switch (routed.message.message) {
    case WM_PAINT:
      return ProgressPaint(routed.hwnd());
    case WM_NCPAINT:
      return ProgressFrame(routed.hwnd());
    default:
      return routed.Default();
  }
}

// --- lists and grids ---------------------------------------------------------------------------------

LRESULT ListMessage(const Routed& routed) {
  HWND window = routed.hwnd();
  switch (routed.message.message) {
    case WM_PAINT: {
      const LRESULT result = routed.Default();
      if (routed.family == Family::Grid) {
        if (Style(window) & WS_BORDER) {
          const WindowBox box = GetWindowBox(window);
          const ClientDc dc(window, ClientDc::Area::WholeWindow);
          FrameBox(dc.get(), {0, 0, box.width, box.height}, BorderColour(window));
        }
      } else {
        FlatFrame(window);
      }
      return result;
    }
    case WM_NCPAINT:
      return routed.family == Family::DataList ? routed.Default() : EdgeMessage(routed);
    default:
      return routed.Default();
  }
}

}  // namespace

LRESULT ControlMessage(const Routed& routed) {
  switch (routed.family) {
    case Family::Combo:
    case Family::DriveList:
      return ComboMessage(routed);
    case Family::CheckBox:
    case Family::Option:
      return CheckMessage(routed);
    case Family::Header:
      return HeaderMessage(routed);
    case Family::Progress:
      return ProgressMessage(routed);
    case Family::DataList:
    case Family::ComboList:
    case Family::Grid:
      return ListMessage(routed);
    default:
      switch (routed.message.message) {
        case WM_NCPAINT:
          return EdgeMessage(routed);
        default:
          return routed.Default();
      }
  }
}

void RefreshCheck(HWND window, Family family) {
  if (family == Family::CheckBox || family == Family::Option) PaintMark(window, family, kNormal, true);
}

}  // namespace quilnet::skin
