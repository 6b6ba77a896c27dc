#include "net/Dhcp.h"

#include <algorithm>

namespace quilnet {

std::optional<std::vector<std::wstring>> DhcpCommandLines(const std::wstring& netshPath, std::wstring_view name) {
  const bool unquotable =
      std::any_of(name.begin(), name.end(), [](wchar_t c) { return c == L'"' || c < L' ' || c == 0x7F; });
  if (unquotable || (!name.empty() && name.back() == L'\\')) return std::nullopt;
  const std::wstring program = L"\"" + netshPath + L"\" ";
  const std::wstring quoted = L"\"" + std::wstring(name) + L"\"";
  return std::vector<std::wstring>{
      program + L"interface ip set address Name=" + quoted + L" Source=dhcp",
      program + L"interface ip set dns Name=" + quoted + L" Source=dhcp",
  };
}

bool DhcpCommandSucceeded(std::optional<unsigned long> exitCode, std::wstring_view output) {
  if (!exitCode) return false;
  return *exitCode == 0 || output.find(kAlreadyOnDhcp) != std::wstring_view::npos ||
         output.find(kAlreadyOnDhcpChinese) != std::wstring_view::npos;
}

}  // namespace quilnet
