#pragma once
// The sockets library's IPv4 text conversion.
#include <cstdint>
#include <optional>
#include <string>

namespace quilnet {

// inet_addr on the bytes; nothing when it answers INADDR_NONE.
std::optional<uint32_t> InetAddr(const std::string& bytes);

}  // namespace quilnet
