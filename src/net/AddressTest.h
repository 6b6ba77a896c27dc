#pragma once
#include <string>

namespace quilnet {

// The address test of apply and save: the text, in GBK, as the sockets library's inet_addr reads it.
// 255.255.255.255 cannot be told from a refusal there, so it is refused too.
bool IsValidIP(const std::wstring& text);

}  // namespace quilnet
