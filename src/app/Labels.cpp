#include "app/Labels.h"

#include <algorithm>
#include <string>

#include "platform/Handles.h"
#include "platform/Window.h"

namespace quilnet {
namespace {

// The container paints its background and its own drawing into the label's context, moved so that the
// label's place in the container lies under the label.
void PaintContainerBehind(HWND label, HDC dc) {
  const HWND container = GetParent(label);
  POINT at{0, 0};
  MapWindowPoints(label, container, &at, 1);
  const int saved = SaveDC(dc);
  OffsetViewportOrgEx(dc, -at.x, -at.y, nullptr);
  SendMessageW(container, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  SendMessageW(container, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  RestoreDC(dc, saved);
}

}  // namespace

HWND Labels::Add(const Label& look, HWND container, const RECT& bounds, const wchar_t* caption, int id) {
  // Not a tab stop: Tab passes it by, and a screen reader names the box after it by the label before it.
  const HWND hwnd = CreateControl(container, L"Static", caption, WS_VISIBLE | SS_OWNERDRAW, 0, bounds, id);
  if (!hwnd) return nullptr;
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(look.font), FALSE);
  Label label = look;
  label.hwnd = hwnd;
  labels_.push_back(label);
  return hwnd;
}

const Label* Labels::Find(std::wstring_view name) const {
  for (const Label& label : labels_) {
    if (label.name == name) return &label;
  }
  return nullptr;
}

const Label* Labels::Find(HWND hwnd) const {
  for (const Label& label : labels_) {
    if (label.hwnd == hwnd) return &label;
  }
  return nullptr;
}

void Labels::SetText(const Label& label, const std::wstring& text, bool announce) const {
  if (WindowText(label.hwnd) != text) {
    SetWindowTextW(label.hwnd, text.c_str());
    InvalidateRect(label.hwnd, nullptr, FALSE);
  }
  if (announce) NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, label.hwnd, OBJID_WINDOW, CHILDID_SELF);
}

bool Labels::Draw(const DRAWITEMSTRUCT& item) const {
  if (item.CtlType != ODT_STATIC) return false;
  const Label* label = Find(item.hwndItem);
  if (!label) return false;
  PaintContainerBehind(label->hwnd, item.hDC);
  const std::wstring text = WindowText(label->hwnd);
  if (text.empty()) return true;
  Selection font(item.hDC, label->font);
  const int oldMode = SetBkMode(item.hDC, TRANSPARENT);
  const COLORREF oldColour =
      SetTextColor(item.hDC, label->colour == CLR_INVALID ? GetSysColor(COLOR_BTNTEXT) : label->colour);
  RECT bounds = item.rcItem;
  bounds.right = std::max<LONG>(bounds.right, bounds.left + label->textWidth);
  DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &bounds, label->format | DT_SINGLELINE | DT_NOPREFIX);
  SetTextColor(item.hDC, oldColour);
  SetBkMode(item.hDC, oldMode);
  return true;
}

}  // namespace quilnet
