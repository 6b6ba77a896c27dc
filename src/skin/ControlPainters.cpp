#include <windows.h>
#include <commctrl.h>

#include <cwchar>
#include <string>

#include "platform/Handles.h"
#include "skin/ControlPainters.h"
#include "skin/MSkinner.h"
#include "skin/SkinBitmaps.h"
#include "skin/SkinDraw.h"

namespace quilnet::skin {
namespace {

// The unforced request for the state already shown is skipped; any other becomes the state shown.
bool TakeState(HWND window, int state, bool forced) noexcept {
  if (!forced && ReadProp(window, kOldState) == state) return false;
  WriteProp(window, kOldState, state);
  return true;
}

// Copies a composed surface onto `dc`, or onto the window's own context when there is none.
void CopyToWindow(HWND window, HDC dc, int x, int y, int width, int height, const MemorySurface& surface) {
  if (dc) {
    BitBlt(dc, x, y, width, height, surface.dc(), 0, 0, SRCCOPY);
    return;
  }
  const ClientDc windowDc(window, ClientDc::Area::WholeWindow);
  if (windowDc.get()) BitBlt(windowDc.get(), x, y, width, height, surface.dc(), 0, 0, SRCCOPY);
}

LRESULT CheckState(HWND window) noexcept { return SendMessageW(window, BM_GETCHECK, 0, 0); }

}  // namespace

COLORREF BorderColour(HWND window) noexcept {
  return IsWindowEnabled(window) ? kBorderColour : kDisabledBorderColour;
}

void PaintDropButton(HWND window, HDC dc, int state, bool forced) {
  const SkinSurfaces* skin = CurrentSurfaces();
  if (!window || !skin) return;
  // An open list keeps the button down whatever the pointer does.
  if (SendMessageW(window, CB_GETDROPPEDSTATE, 0, 0)) state = kPressed;
  if (!forced && ReadProp(window, kOldState) == state) return;
  // CBS_SIMPLE (no bit 1) has a list instead of a drop button.
  if (!(GetWindowLongPtrW(window, GWL_STYLE) & 2)) return;
  WriteProp(window, kOldState, state);

  const WindowBox box = GetWindowBox(window);
  const int bw = GetSystemMetrics(SM_CXVSCROLL) + 1;
  const int bh = box.height - 2;
  const MemorySurface surface = MemorySurface::Create(bw, bh);
  if (!surface) return;
  const Box whole{0, 0, bw, bh};
  if (state == kHot || state == kPressed) {
    DrawNineGrid(surface.dc(), whole, skin->DropButtonSkin(), state == kHot ? kDropHotTile : kDropPressedTile,
                 kDropMargins);
  } else {
    FillBox(surface.dc(), whole, kWhite);
  }
  const Box arrow = IsWindowEnabled(window) ? kArrow : kArrowDisabled;
  DrawTransparent(surface.dc(), {CentreOffset(bw, arrow.width), CentreOffset(bh, arrow.height), arrow.width, arrow.height},
                  skin->DropButtonSkin(), arrow.x, arrow.y, kKeyColour);
  CopyToWindow(window, dc, box.width - bw - 1, 1, bw, bh, surface);
}

void PaintCheckBox(HWND window, int state, bool forced) {
  const SkinSurfaces* skin = CurrentSurfaces();
  if (!window || !skin || !TakeState(window, state, forced)) return;
  const int cw = GetSystemMetrics(SM_CXMENUCHECK), ch = GetSystemMetrics(SM_CYMENUCHECK);
  const LRESULT check = CheckState(window);
  const MemorySurface surface = MemorySurface::Create(cw, ch);
  if (!surface) return;
  HDC dc = surface.dc();
  FillBox(dc, {0, 0, cw, ch}, kWhite);

  const bool enabled = IsWindowEnabled(window);
  if (enabled) {
    FrameBox(dc, {0, 0, cw, ch}, state == kPressed ? kPressedCheckBorder : kBorderColour);
    if (state == kHot || state == kPressed) {
      const Box band = state == kHot ? kCheckHotBand : kCheckPressedBand;
      StretchBlt(dc, 1, 1, cw - 2, ch - 2, skin->OptionSkin(), band.x, band.y, band.width, band.height, SRCCOPY);
    }
  } else {
    FrameBox(dc, {0, 0, cw, ch}, kDisabledBorderColour);
  }
  if (check == BST_CHECKED || check == BST_INDETERMINATE) {
    const Box mark = check == BST_CHECKED ? (enabled ? kCheckMark : kCheckMarkDisabled)
                                          : (enabled ? kIndeterminate : kIndeterminateDisabled);
    DrawTransparent(dc, {CentreOffset(cw, mark.width), CentreOffset(ch, mark.height), mark.width, mark.height},
                    skin->GlyphSkin(), mark.x, mark.y, kKeyColour);
  }
  CopyToWindow(window, nullptr, 0, CentreOffset(GetWindowBox(window).height, ch), cw, ch, surface);
}

void PaintOptionButton(HWND window, int state, bool forced) {
  const SkinSurfaces* skin = CurrentSurfaces();
  if (!window || !skin || !TakeState(window, state, forced)) return;
  const int cw = GetSystemMetrics(SM_CXMENUCHECK), ch = GetSystemMetrics(SM_CYMENUCHECK);
  const int top = CentreOffset(GetWindowBox(window).height, ch);
  const bool checked = CheckState(window) == BST_CHECKED;
  const ClientDc windowDc(window, ClientDc::Area::WholeWindow);
  if (!windowDc.get()) return;

  const bool enabled = IsWindowEnabled(window);
  DrawNineGrid(windowDc.get(), {0, top, cw, ch}, skin->OptionSkin(), OptionTile(enabled ? state : kDisabled),
               kOptionMargins, kKeyColour);
  if (checked) {
    const Box dot = enabled ? kOptionDot : kOptionDotDisabled;
    // The dot's row is rounded as a whole, top included, so that a half pixel falls the same way
    // wherever the circle sits.
    DrawTransparent(windowDc.get(),
                    {CentreOffset(cw, dot.width), RoundHalfEven((ch - dot.height) / 2.0 + top), dot.width, dot.height},
                    skin->GlyphSkin(), dot.x, dot.y, kKeyColour);
  }
}

std::wstring HeaderItemText(HWND header, int index) {
  wchar_t text[256] = {};
  HDITEMW item{};
  item.mask = HDI_TEXT;
  item.pszText = text;
  item.cchTextMax = 256;
  if (!SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item))) return {};
  // The control may hand back its own buffer instead of filling ours.
  const wchar_t* source = item.pszText ? item.pszText : text;
  return {source, wcsnlen(source, 255)};
}

void DrawHeaderCaption(HWND header, HDC dc, std::wstring_view text, const Box& box) {
  if (text.empty()) return;
  const auto font = reinterpret_cast<HFONT>(SendMessageW(header, WM_GETFONT, 0, 0));
  const Selection selected(dc, font ? static_cast<HGDIOBJ>(font) : GetCurrentObject(dc, OBJ_FONT));
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColour = SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  DrawLabel(dc, text, box, kLabelFormat);
  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
}

void PaintHeaderItem(HWND window, HDC dc, int index, int state) {
  const SkinSurfaces* skin = CurrentSurfaces();
  if (!window || !skin || index < 0) return;
  RECT r{};
  if (!SendMessageW(window, HDM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r))) return;
  const int iw = r.right - r.left;
  const int h = GetWindowBox(window).height;
  const MemorySurface surface = MemorySurface::Create(iw, h);
  if (!surface) return;
  DrawNineGrid(surface.dc(), {0, 0, iw, h}, skin->HeaderSkin(), HeaderTile(state == kPressed || state == kHot ? state : kNormal),
               kHeaderMargins);
  DrawHeaderCaption(window, surface.dc(), HeaderItemText(window, index), {0, 0, iw, h});
  CopyToWindow(window, dc, r.left, 0, iw, r.bottom - r.top, surface);
}

}  // namespace quilnet::skin
