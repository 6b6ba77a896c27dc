#include "platform/CodePage.h"

#include <climits>

namespace quilnet {

std::string ToCodePage(std::wstring_view text, UINT codePage) {
  if (text.empty() || text.size() > INT_MAX) return {};
  const int length = static_cast<int>(text.size());
  // Code pages such as UTF-8 refuse the flag; they have no best fit to avoid anyway.
  DWORD flags = WC_NO_BEST_FIT_CHARS;
  int size = WideCharToMultiByte(codePage, flags, text.data(), length, nullptr, 0, nullptr, nullptr);
  if (size == 0) {
    flags = 0;
    size = WideCharToMultiByte(codePage, flags, text.data(), length, nullptr, 0, nullptr, nullptr);
  }
  std::string bytes(static_cast<size_t>(size), '\0');
  if (size > 0) WideCharToMultiByte(codePage, flags, text.data(), length, bytes.data(), size, nullptr, nullptr);
  return bytes;
}

std::wstring FromCodePage(std::string_view bytes, UINT codePage) {
  if (bytes.empty() || bytes.size() > INT_MAX) return {};
  const int length = static_cast<int>(bytes.size());
  const int size = MultiByteToWideChar(codePage, 0, bytes.data(), length, nullptr, 0);
  std::wstring text(static_cast<size_t>(size), L'\0');
  if (size > 0) MultiByteToWideChar(codePage, 0, bytes.data(), length, text.data(), size);
  return text;
}

std::optional<std::wstring> FromCodePageExact(std::string_view bytes, UINT codePage) {
  if (bytes.empty()) return std::wstring();
  if (bytes.size() > INT_MAX) return std::nullopt;
  const int length = static_cast<int>(bytes.size());
  const int size = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), length, nullptr, 0);
  if (size <= 0) return std::nullopt;
  std::wstring text(static_cast<size_t>(size), L'\0');
  if (MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), length, text.data(), size) != size) {
    return std::nullopt;
  }
  return text;
}

std::optional<wchar_t> CharacterOf(std::string_view bytes, UINT codePage) {
  if (bytes.empty() || bytes.size() > 4) return std::nullopt;
  const std::optional<std::wstring> text = FromCodePageExact(bytes, codePage);
  if (!text || text->size() != 1) return std::nullopt;
  return (*text)[0];
}

}  // namespace quilnet
