#include "net/ConnectionNames.h"

#include <optional>

#include "platform/CodePage.h"
#include "platform/Files.h"

namespace quilnet {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

// The rule under the heading: dashes, then nothing but blanks.
bool IsRule(std::string_view line) {
  const size_t last = line.find_last_not_of(" \t");
  return last != std::string_view::npos && line.substr(0, last + 1).find_first_not_of('-') == std::string_view::npos;
}

// The row from its fourth field to its end; empty when it has no fourth field.
std::wstring_view NameOfRow(std::wstring_view row) {
  size_t at = 0;
  for (int field = 0; field < 3; ++field) {
    while (at < row.size() && IsBlank(row[at])) ++at;
    while (at < row.size() && !IsBlank(row[at])) ++at;
  }
  while (at < row.size() && IsBlank(row[at])) ++at;
  return row.substr(at);
}

}  // namespace

std::vector<std::wstring> ParseConnectionNames(std::string_view listing, UINT codePage) {
  listing = listing.substr(0, kMaxNamesFileBytes);
  std::vector<std::wstring> names;
  bool ruled = false;
  // A line ends at CR LF, LF or a lone CR. GBK's trail bytes never fall in the ASCII range of CR, LF, NUL,
  // blanks or dashes, so byte tests are safe here.
  for (size_t end; (end = listing.find_first_of("\r\n")) != std::string_view::npos;) {
    const std::string_view line = listing.substr(0, end);
    listing.remove_prefix(listing.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1);
    if (!ruled) {
      ruled = IsRule(line);
      continue;
    }
    if (line.find('\0') != std::string_view::npos) continue;
    const std::optional<std::wstring> row = FromCodePageExact(line, codePage);
    if (!row) continue;
    const std::wstring_view name = NameOfRow(*row);
    if (!name.empty() && name.size() <= kMaxConnectionName) names.emplace_back(name);
  }
  return names;
}

std::vector<std::wstring> ReadConnectionNames(const std::wstring& path) {
  const std::optional<std::string> bytes = ReadFileBytes(path, kMaxNamesFileBytes);
  if (!bytes) return {};
  return ParseConnectionNames(*bytes, GetOEMCP());
}

std::wstring ConnectionEntry(const std::wstring& name) { return name + L"\r\n"; }

std::wstring NameOfEntry(std::wstring_view entry) {
  if (entry.size() >= 2 && entry.substr(entry.size() - 2) == L"\r\n") entry.remove_suffix(2);
  return std::wstring(entry);
}

}  // namespace quilnet
