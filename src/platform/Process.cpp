#include "platform/Process.h"

#include <algorithm>
#include <vector>

#include "platform/CodePage.h"

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

CapturedProcess SystemProcessStarter::StartCapturing(const std::wstring& commandLine,
                                                     const std::wstring& currentFolder) {
  SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inheritable, kCapturedBytes)) return {};
  UniqueHandle reader(readEnd), writer(writeEnd);
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  // The writing end is the one handle the program inherits, whatever else of ours is inheritable.
  SIZE_T size = 0;
  InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
  std::vector<char> listBytes(size);
  auto* list = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(listBytes.data());
  if (size == 0 || !InitializeProcThreadAttributeList(list, 1, 0, &size)) return {};
  PROCESS_INFORMATION pi{};
  BOOL started = FALSE;
  if (UpdateProcThreadAttribute(list, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, &writeEnd, sizeof writeEnd, nullptr,
                                nullptr)) {
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    STARTUPINFOEXW si{};
    si.StartupInfo.cb = sizeof si;
    si.StartupInfo.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    si.StartupInfo.wShowWindow = SW_HIDE;
    si.StartupInfo.hStdOutput = si.StartupInfo.hStdError = writeEnd;
    si.lpAttributeList = list;
    const wchar_t* folder = currentFolder.empty() ? nullptr : currentFolder.c_str();
    constexpr DWORD flags = CREATE_NO_WINDOW | EXTENDED_STARTUPINFO_PRESENT;
    started =
        CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, flags, nullptr, folder, &si.StartupInfo, &pi);
  }
  DeleteProcThreadAttributeList(list);
  if (!started) return {};
  CloseHandle(pi.hThread);
  // Ours goes, so that the pipe ends with the program.
  writer.reset();
  return {UniqueHandle(pi.hProcess), std::move(reader)};
}

std::wstring ReadCapturedOutput(HANDLE pipe) {
  std::string bytes;
  char buffer[4096];
  DWORD waiting = 0, got = 0;
  while (PeekNamedPipe(pipe, nullptr, 0, nullptr, &waiting, nullptr) && waiting > 0 &&
         ReadFile(pipe, buffer, std::min<DWORD>(waiting, sizeof buffer), &got, nullptr) && got > 0) {
    bytes.append(buffer, got);
  }
  return FromCodePage(bytes, GetOEMCP());
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
