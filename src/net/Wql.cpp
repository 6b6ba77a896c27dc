#include "net/Wql.h"

namespace quilnet {

std::wstring WqlStringLiteral(const std::wstring& text) {
  const wchar_t delimiter = text.find(L'\'') == std::wstring::npos ? L'\'' : L'"';
  std::wstring literal(1, delimiter);
  for (wchar_t c : text) {
    if (c == L'\\' || c == delimiter) literal += L'\\';
    literal += c;
  }
  literal += delimiter;
  return literal;
}

}  // namespace quilnet
