#include "app/Base64.h"

#include <algorithm>

#include "platform/CodePage.h"

namespace quilnet {
namespace {

constexpr int kOutside = -1;

int ValueOf(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  return kOutside;
}

}  // namespace

DecodedQuad DecodeQuad(const std::array<char, 4>& quad) {
  int values[4];
  int padding = 0;
  for (int i = 0; i < 4; ++i) {
    values[i] = ValueOf(quad[i]);
    if (values[i] == kOutside) {
      values[i] = 0;
      ++padding;
    }
  }
  return {{static_cast<unsigned char>(values[0] * 4 + values[1] / 16),
           static_cast<unsigned char>((values[1] % 16) * 16 + values[2] / 4),
           static_cast<unsigned char>((values[2] % 4) * 64 + values[3])},
          padding};
}

std::wstring BytesToText(std::string_view bytes) {
  std::wstring text;
  text.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size(); ++i) {
    const unsigned char byte = static_cast<unsigned char>(bytes[i]);
    if (byte < 0x80) {
      text.push_back(static_cast<wchar_t>(byte));
      continue;
    }
    if (i + 1 == bytes.size()) {
      text.push_back(kReplacementCharacter);  // a lead byte without its trail
      break;
    }
    text.push_back(CharacterOf(bytes.substr(i, 2), kGbk).value_or(kReplacementCharacter));
    ++i;
  }
  return text;
}

std::wstring Base64Decode(std::wstring_view text) {
  // Base64 is ASCII; anything else turns into bytes outside the alphabet, which count as padding.
  const std::string input = ToCodePage(text, kGbk);
  std::string output;
  output.reserve(input.size() / 4 * 3 + 3);
  for (size_t at = 0; at < input.size(); at += 4) {
    std::array<char, 4> quad{'=', '=', '=', '='};
    std::copy_n(input.begin() + static_cast<std::ptrdiff_t>(at), std::min<size_t>(4, input.size() - at), quad.begin());
    const DecodedQuad decoded = DecodeQuad(quad);
    const int count = 3 - decoded.padding;
    if (count > 0) output.append(reinterpret_cast<const char*>(decoded.bytes.data()), static_cast<size_t>(count));
  }
  return BytesToText(output);
}

}  // namespace quilnet
