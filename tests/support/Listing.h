#pragma once
// What `netsh interface show interface` prints, in code page 936, for tests that stand in for it.
#include <string>
#include <vector>

#include "platform/CodePage.h"

namespace quilnet::test {

enum class Language { English, Chinese };

// A blank line, the heading, the rule, a row per name (enabled and connected, or neither, by turns), and
// a blank line; CR LF ends every line.
inline std::string InterfaceListing(const std::vector<std::wstring>& names, Language language) {
  const bool chinese = language == Language::Chinese;
  std::wstring text = chinese ? L"\r\n管理员状态     状态           类型             接口名称\r\n"
                              : L"\r\nAdmin State    State          Type             Interface Name\r\n";
  text += std::wstring(73, L'-') + L"\r\n";
  const wchar_t* states[2][2] = {{L"Enabled        Connected      Dedicated        ",
                                  L"Disabled       Disconnected   Dedicated        "},
                                 {L"已启用         已连接         专用             ",
                                  L"已禁用         已断开连接     专用             "}};
  for (size_t i = 0; i < names.size(); ++i) text += states[chinese][i % 2] + names[i] + L"\r\n";
  return ToCodePage(text + L"\r\n", kGbk);
}

}  // namespace quilnet::test
