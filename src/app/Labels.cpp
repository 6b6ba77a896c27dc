#include "app/Labels.h"

#include "platform/Handles.h"

namespace quilnet {

Label* Labels::Find(std::wstring_view name) {
  for (Label& label : labels_) {
    if (label.name == name) return &label;
  }
  return nullptr;
}

const Label* Labels::Find(std::wstring_view name) const { return const_cast<Labels*>(this)->Find(name); }

void Labels::SetText(HWND container, Label& label, const std::wstring& text) {
  if (label.text == text) return;
  // The old caption goes with the background under it: both the old and the new text may reach past
  // the label's own rectangle (it is not clipped), so the whole row is redrawn.
  RECT row = label.bounds;
  RECT client{};
  GetClientRect(container, &client);
  row.left = client.left;
  row.right = client.right;
  label.text = text;
  InvalidateRect(container, &row, TRUE);
}

void Labels::Paint(HDC dc) const {
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColour = GetTextColor(dc);
  for (const Label& label : labels_) {
    if (label.text.empty()) continue;
    Selection font(dc, label.font);
    SetTextColor(dc, label.colour == CLR_INVALID ? GetSysColor(COLOR_BTNTEXT) : label.colour);
    RECT bounds = label.bounds;
    DrawTextW(dc, label.text.c_str(), static_cast<int>(label.text.size()), &bounds,
              label.format | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
  }
  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
}

}  // namespace quilnet
