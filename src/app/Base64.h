#pragma once
// Base64 text back to text. The program only decodes: the one value it keeps in this form is the
// About box's contact number.
#include <array>
#include <string>
#include <string_view>

namespace quilnet {

struct DecodedQuad {
  std::array<unsigned char, 3> bytes;
  int padding;  // how many of the four characters are outside the alphabet ("=" among them)
};

// Characters outside the alphabet count as zero and as padding; nothing is rejected, so the result is
// always a text, possibly empty. A trailing group of one to three characters is completed with "=".
std::wstring Base64Decode(std::wstring_view text);
DecodedQuad DecodeQuad(const std::array<char, 4>& quad);
// Bytes below 0x80 are one character each (zero included); a byte of 0x80 or above leads a GBK pair.
// A pair that is no GBK character, or a lead byte with nothing after it, becomes U+FFFD.
std::wstring BytesToText(std::string_view bytes);

}  // namespace quilnet
