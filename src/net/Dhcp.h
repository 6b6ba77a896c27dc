#pragma once
// The DHCP switch: the two netsh commands that give a connection its address and its DNS servers
// from DHCP, and the texts the status line shows for them.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quilnet {

inline constexpr wchar_t kDhcpRunning[] = L"正在设置自动获取IP！";
inline constexpr wchar_t kDhcpSucceeded[] = L"自动IP地址设置成功！";
inline constexpr wchar_t kDhcpFailed[] = L"自动IP地址设置失败！";
inline constexpr wchar_t kDhcpNameRefused[] = L"连接名称含有无法传给netsh的字符，未设置！";

// What netsh says, exiting with 1, when the connection is already on DHCP (English and Chinese Windows):
// the connection is then as the user wanted it.
inline constexpr wchar_t kAlreadyOnDhcp[] = L"DHCP is already enabled on this interface.";
inline constexpr wchar_t kAlreadyOnDhcpChinese[] = L"已在此接口上启用 DHCP。";

// A netsh command has done what was asked: it ended with 0, or it said the connection was on DHCP
// already. One that cannot be known to have ended has not.
bool DhcpCommandSucceeded(std::optional<unsigned long> exitCode, std::wstring_view output);

// Command lines that start netsh itself, not through the command interpreter, so that no character of
// the name is ever a command; the name is quoted, so that spaces stay inside it. Address first, DNS
// second. Nothing when the name cannot be passed as it is: a double quote or a control character in
// it, or a backslash at its end (which would escape the closing quote).
std::optional<std::vector<std::wstring>> DhcpCommandLines(const std::wstring& netshPath, std::wstring_view name);

}  // namespace quilnet
