#pragma once
// Conversion between the program's UTF-16 text and the byte encodings of its files and the sockets library.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace quilnet {

// GBK: the code page of every file the program reads or writes, and of the systems it is made for.
inline constexpr UINT kGbk = 936;

// Characters the code page cannot hold become '?' (never a look-alike: no best-fit mapping).
std::string ToCodePage(std::wstring_view text, UINT codePage);
// Bytes that do not decode become U+FFFD or the code page's default character, as the platform decides.
std::wstring FromCodePage(std::string_view bytes, UINT codePage);
// Nothing when some bytes do not decode (a stray lead byte, a byte the code page does not use).
std::optional<std::wstring> FromCodePageExact(std::string_view bytes, UINT codePage);

inline constexpr wchar_t kReplacementCharacter = 0xFFFD;
// The one character that these bytes make in the code page; nothing when they are not exactly one
// valid character of it.
std::optional<wchar_t> CharacterOf(std::string_view bytes, UINT codePage);

}  // namespace quilnet
