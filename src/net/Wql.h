#pragma once
#include <string>

namespace quilnet {

// A WQL string literal that matches exactly `text`. Plain text goes between apostrophes untouched;
// text with an apostrophe goes between double quotes instead. A backslash, and the chosen delimiter
// where it still occurs inside, are escaped with a backslash.
std::wstring WqlStringLiteral(const std::wstring& text);

}  // namespace quilnet
