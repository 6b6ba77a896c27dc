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

std::optional<DWORD> SystemProcessStarter::ExitCode(HANDLE process) {
  // GetExitCodeProcess alone cannot tell a running process from one that ended with STILL_ACTIVE (259).
  if (WaitForSingleObject(process, 0) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  if (!GetExitCodeProcess(process, &code)) return std::nullopt;
  return code;
}

ProcessWatch::ProcessWatch(HANDLE process, HWND window, UINT message, WPARAM wParam) noexcept
    : window_(window), message_(message), wParam_(wParam) {
  if (!RegisterWaitForSingleObject(&wait_, process, &ProcessWatch::Ended, this, INFINITE, WT_EXECUTEONLYONCE)) {
    wait_ = nullptr;
  }
}

ProcessWatch::~ProcessWatch() {
  // INVALID_HANDLE_VALUE: returns only once a callback that has begun has finished, so none outlives us.
  if (wait_) UnregisterWaitEx(wait_, INVALID_HANDLE_VALUE);
}

void CALLBACK ProcessWatch::Ended(void* context, BOOLEAN) {
  const auto* watch = static_cast<const ProcessWatch*>(context);
  // A window that has gone just does not get it.
  PostMessageW(watch->window_, watch->message_, watch->wParam_, 0);
}

std::wstring SystemProgramPath(const std::wstring& name) {
  wchar_t folder[MAX_PATH];
  const UINT n = GetSystemDirectoryW(folder, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return name;
  return std::wstring(folder, n) + L"\\" + name;
}

}  // namespace quilnet
