#include "net/ConnectionNames.h"

#include <optional>

#include "platform/CodePage.h"
#include "platform/Files.h"

namespace quilnet {

std::vector<std::wstring> ParseConnectionNames(std::string_view bytes, UINT codePage) {
  if (bytes.size() > kMaxNamesFileBytes) {
    bytes = bytes.substr(0, kMaxNamesFileBytes);
    const size_t lastEnd = bytes.find_last_of("\r\n");
    bytes = bytes.substr(0, lastEnd == std::string_view::npos ? 0 : lastEnd + 1);
  }
  std::vector<std::wstring> names;
  while (!bytes.empty()) {
    const size_t end = bytes.find_first_of("\r\n");
    const std::string_view line = bytes.substr(0, end);
    size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
    if (end != std::string_view::npos && bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') {
      ++next;
    }
    bytes.remove_prefix(next);
    // GBK's trail bytes never fall in the ASCII range of CR, LF or NUL, so a byte test is safe here.
    if (line.find('\0') != std::string_view::npos) continue;
    std::optional<std::wstring> name = FromCodePageExact(line, codePage);
    if (name && name->size() <= kMaxConnectionName) names.push_back(std::move(*name));
  }
  return names;
}

std::vector<std::wstring> ReadConnectionNames(const std::wstring& path) {
  // One byte over the cap tells a file of exactly the cap from a longer one.
  const std::optional<std::string> bytes = ReadFileBytes(path, kMaxNamesFileBytes + 1);
  if (!bytes) return {};
  return ParseConnectionNames(*bytes, GetOEMCP());
}

std::wstring ConnectionEntry(const std::wstring& name) { return name + L"\r\n"; }

std::wstring NameOfEntry(std::wstring_view entry) {
  if (entry.size() >= 2 && entry.substr(entry.size() - 2) == L"\r\n") entry.remove_suffix(2);
  return std::wstring(entry);
}

}  // namespace quilnet
