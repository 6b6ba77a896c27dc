#pragma once
// The connection names for netsh, taken from the list of interfaces that the generated script has netsh
// write to network.txt.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace quilnet {

// A list of interfaces is a few hundred bytes; more than this is not a list, and is not read further.
inline constexpr size_t kMaxNamesFileBytes = 64 * 1024;
// Windows holds interface names of up to 256 characters. A longer one names no connection, and a name
// cut short could name another one, so such a row is left out.
inline constexpr size_t kMaxConnectionName = 256;

// The names of the listing of `netsh interface show interface`, in its order. The listing is a blank
// line, a heading in the system's language, a rule of dashes, then a row per interface: admin state,
// state, type and the name, which runs to the end of the row with any spaces inside it. Nothing before
// the rule is a name. A row names nothing without its line end (netsh may have been ended, or the cap
// cut it), without a fourth field, when it does not decode in the code page, holds a NUL or names more
// than kMaxConnectionName characters. Of text beyond kMaxNamesFileBytes nothing is used.
std::vector<std::wstring> ParseConnectionNames(std::string_view listing, UINT codePage);
// The names in the file, read in the console's code page (netsh writes through the console); none when
// it cannot be read.
std::vector<std::wstring> ReadConnectionNames(const std::wstring& path);

// The list shows each name followed by CR LF, and gives the name back without them.
std::wstring ConnectionEntry(const std::wstring& name);
std::wstring NameOfEntry(std::wstring_view entry);

}  // namespace quilnet
