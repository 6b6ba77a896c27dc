#include "platform/Process.h"

#include <vector>

namespace quilnet {

UniqueHandle SystemProcessStarter::StartHidden(const std::wstring& commandLine, const std::wstring& currentFolder) {
  // CreateProcessW may write into the command line, so it gets a private copy.
  std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
  line.push_back(L'\0');
  STARTUPINFOW si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION pi{};
  const wchar_t* folder = currentFolder.empty() ? nullptr : currentFolder.c_str();
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, folder, &si, &pi)) {
    return UniqueHandle();
  }
  CloseHandle(pi.hThread);
  return UniqueHandle(pi.hProcess);
}

std::wstring SystemProgramPath(const std::wstring& name) {
  wchar_t folder[MAX_PATH];
  const UINT n = GetSystemDirectoryW(folder, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return name;
  return std::wstring(folder, n) + L"\\" + name;
}

}  // namespace quilnet
