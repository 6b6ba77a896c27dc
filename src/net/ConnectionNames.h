#pragma once
// The connection names that the generated script writes to network.txt, one a line, for netsh.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace quilnet {

// A list of interfaces is a few hundred bytes; more than this is not a list, and is not read further.
inline constexpr size_t kMaxNamesFileBytes = 64 * 1024;
// Windows holds interface names of up to 256 characters. A longer line names no connection, and a name
// cut short could name another one, so such a line is left out.
inline constexpr size_t kMaxConnectionName = 256;

// The names in file order. A line ends at CR LF, LF or a lone CR, so no name holds either; a line
// that does not decode in the code page, holds a NUL or is too long is left out. Of text beyond
// kMaxNamesFileBytes nothing is used, nor of the line that the cap cuts.
std::vector<std::wstring> ParseConnectionNames(std::string_view bytes, UINT codePage);
// The names in the file, read in the console's code page (the script writes through the console);
// none when it cannot be read.
std::vector<std::wstring> ReadConnectionNames(const std::wstring& path);

// The list shows each name followed by CR LF, and gives the name back without them.
std::wstring ConnectionEntry(const std::wstring& name);
std::wstring NameOfEntry(std::wstring_view entry);

}  // namespace quilnet
