#include "net/AddressTest.h"

#include "platform/CodePage.h"
#include "platform/Inet.h"

namespace quilnet {

bool IsValidIP(const std::wstring& text) { return InetAddr(ToCodePage(text, kGbk)).has_value(); }

}  // namespace quilnet
