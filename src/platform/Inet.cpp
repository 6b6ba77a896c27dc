#include "platform/Inet.h"

#include <winsock2.h>

namespace quilnet {

namespace {
// The library is started once for the process and stays up until it ends.
struct WinsockSession {
  WinsockSession() noexcept {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
  }
};
}  // namespace

std::optional<uint32_t> InetAddr(const std::string& bytes) {
  static const WinsockSession session;
  // The text ends at its first NUL for inet_addr; a text with one inside is not an address.
  if (bytes.find('\0') != std::string::npos) return std::nullopt;
  const unsigned long value = inet_addr(bytes.c_str());
  if (value == INADDR_NONE) return std::nullopt;
  return static_cast<uint32_t>(value);
}

}  // namespace quilnet
