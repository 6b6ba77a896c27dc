#include "controls/button/Host.h"

#include <olectl.h>

#include <algorithm>
#include <cwctype>

#include "platform/Gdi.h"

namespace quilnet::button {
namespace {

std::wstring Lower(std::wstring_view key) {
  std::wstring lower(key);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](wchar_t c) { return std::towlower(c); });
  return lower;
}

// Numbers, booleans and colours read as one another, as stored numbers do.
std::optional<std::int64_t> Number(const PropertyBag::Value* value) {
  if (!value) return std::nullopt;
  if (const auto* i = std::get_if<std::int32_t>(value)) return *i;
  if (const auto* b = std::get_if<bool>(value)) return *b ? -1 : 0;
  if (const auto* c = std::get_if<ColourValue>(value)) return static_cast<std::int64_t>(c->value);
  return std::nullopt;
}

}  // namespace

Colour RgbOf(Colour colour) {
  COLORREF rgb = 0;
  if (FAILED(OleTranslateColor(colour, nullptr, &rgb))) return 0xFFFFFFFFu;
  return rgb;
}

int FontObject::Subscribe(std::function<void()> changed) {
  listeners_.emplace_back(nextToken_, std::move(changed));
  return nextToken_++;
}

void FontObject::Unsubscribe(int token) {
  std::erase_if(listeners_, [token](const auto& entry) { return entry.first == token; });
}

void FontObject::Change(const std::function<void(FontDesc&)>& edit) {
  edit(desc_);
  // A listener may unsubscribe while being told.
  const auto listeners = listeners_;
  for (const auto& entry : listeners) entry.second();
}

void PropertyBag::Write(std::wstring_view key, const Value& value, const Value& defaultValue) {
  std::wstring lower = Lower(key);
  if (value == defaultValue) {
    values_.erase(lower);
  } else {
    values_[std::move(lower)] = value;
  }
}

const PropertyBag::Value* PropertyBag::Find(std::wstring_view key) const {
  const auto it = values_.find(Lower(key));
  return it == values_.end() ? nullptr : &it->second;
}

std::int32_t PropertyBag::ReadInt(std::wstring_view key, std::int32_t defaultValue) const {
  const auto n = Number(Find(key));
  return n ? static_cast<std::int32_t>(*n) : defaultValue;
}

bool PropertyBag::ReadBool(std::wstring_view key, bool defaultValue) const {
  const auto n = Number(Find(key));
  return n ? *n != 0 : defaultValue;
}

Colour PropertyBag::ReadColour(std::wstring_view key, Colour defaultValue) const {
  const auto n = Number(Find(key));
  return n ? static_cast<Colour>(*n) : defaultValue;
}

std::wstring PropertyBag::ReadText(std::wstring_view key, const std::wstring& defaultValue) const {
  const Value* value = Find(key);
  if (const auto* text = value ? std::get_if<std::wstring>(value) : nullptr) return *text;
  return defaultValue;
}

FontDesc PropertyBag::ReadFont(std::wstring_view key, const FontDesc& defaultValue) const {
  const Value* value = Find(key);
  if (const auto* font = value ? std::get_if<FontDesc>(value) : nullptr) return *font;
  return defaultValue;
}

ButtonPicture PropertyBag::ReadPicture(std::wstring_view key) const {
  const Value* value = Find(key);
  if (const auto* picture = value ? std::get_if<ButtonPicture>(value) : nullptr) return *picture;
  return {};
}

std::optional<bool> ParentObject::MDIChild() const {
  if (!hWnd || !IsWindow(hWnd)) return std::nullopt;
  return (GetWindowLongPtrW(hWnd, GWL_EXSTYLE) & WS_EX_MDICHILD) != 0;
}

void Surface::Attach(HWND hwnd) {
  hwnd_ = hwnd;
  FollowClientSize();
}

bool Surface::FollowClientSize() {
  RECT client{};
  if (hwnd_) GetClientRect(hwnd_, &client);
  width_ = client.right;
  height_ = client.bottom;
  return picture_.Resize(width_, height_);
}

void Surface::Refresh() const {
  if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

void Surface::SetFont(const FontDesc& desc) {
  UniqueFont font = MakeFont(desc.name.c_str(), desc.size, hwnd_ ? WindowDpi(hwnd_) : 96, desc.charset, desc.weight);
  if (!font) return;
  if (desc.italic || desc.underline || desc.strikethrough) {
    LOGFONTW lf{};
    GetObjectW(font.get(), sizeof lf, &lf);
    lf.lfItalic = desc.italic;
    lf.lfUnderline = desc.underline;
    lf.lfStrikeOut = desc.strikethrough;
    font = MakeFontIndirect(lf);
    if (!font) return;
  }
  picture_.SelectFont(font.get());
  font_ = std::move(font);
  fontDesc_ = desc;
}

void Surface::SetEnabled(bool enabled) const {
  if (hwnd_) EnableWindow(hwnd_, enabled);
}

bool Surface::SetMouseIcon(HICON icon) {
  if (!icon) {
    mouseIcon_.reset();
    return true;
  }
  UniqueIcon copy(CopyIcon(icon));
  if (!copy) return false;
  mouseIcon_ = std::move(copy);
  return true;
}

}  // namespace quilnet::button
