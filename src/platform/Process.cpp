#include "platform/Process.h"

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/CodePage.h"

namespace quilnet {
namespace {

// How long ending a job waits for its processes to go when the system does not say that they have.
constexpr DWORD kJobEndWaitMs = 2000;

// The variable's name in "Name=value"; the hidden ones that hold each drive's folder begin with '='.
std::wstring_view NameOf(std::wstring_view entry) { return entry.substr(0, entry.find(L'=', 1)); }

bool SameName(std::wstring_view a, std::wstring_view b) {
  return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()), TRUE) ==
         CSTR_EQUAL;
}

// The program's environment block with the variables a script must be able to trust set by us, sorted by
// name as the system keeps it; empty when the Windows folder is not known.
std::vector<wchar_t> ScriptEnvironment() {
  wchar_t windows[MAX_PATH];
  const UINT n = GetSystemWindowsDirectoryW(windows, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return {};
  const std::pair<std::wstring_view, std::wstring> ours[] = {
      // cmd then runs no program from its current folder, which is ours and others may write.
      {L"NoDefaultCurrentDirectoryInExePath", L"1"},
      // The script names netsh through it, and the user's settings (so any program of theirs) can set it.
      {L"SystemRoot", std::wstring(windows, n)},
  };
  std::vector<std::wstring> entries;
  if (wchar_t* block = GetEnvironmentStringsW()) {
    for (const wchar_t* entry = block; *entry; entry += wcslen(entry) + 1) entries.emplace_back(entry);
    FreeEnvironmentStringsW(block);
  }
  std::erase_if(entries, [&](const std::wstring& entry) {
    return std::any_of(std::begin(ours), std::end(ours),
                       [&](const auto& variable) { return SameName(NameOf(entry), variable.first); });
  });
  for (const auto& [name, value] : ours) entries.push_back(std::wstring(name) + L"=" + value);
  std::sort(entries.begin(), entries.end(), [](const std::wstring& a, const std::wstring& b) {
    const std::wstring_view x = NameOf(a), y = NameOf(b);
    return CompareStringOrdinal(x.data(), static_cast<int>(x.size()), y.data(), static_cast<int>(y.size()), TRUE) ==
           CSTR_LESS_THAN;
  });
  std::vector<wchar_t> block;
  for (const std::wstring& entry : entries) {
    block.insert(block.end(), entry.begin(), entry.end());
    block.push_back(L'\0');
  }
  block.push_back(L'\0');
  return block;
}

// Starts the command line with a hidden window and no console window, in the folder (the program's own
// when empty), with the flags and environment given (the program's own when null). With `output`, the
// program writes there, and inherits that one handle alone (`inherit` is the list that says so).
bool CreateHidden(const std::wstring& commandLine, const std::wstring& currentFolder, DWORD flags, void* environment,
                  PROCESS_INFORMATION& pi, HANDLE output = nullptr, LPPROC_THREAD_ATTRIBUTE_LIST inherit = nullptr) {
  // CreateProcessW may write into the command line, so it gets a private copy.
  std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
  line.push_back(L'\0');
  STARTUPINFOEXW si{};
  si.StartupInfo.cb = inherit ? sizeof si : sizeof si.StartupInfo;
  si.StartupInfo.dwFlags = STARTF_USESHOWWINDOW;
  si.StartupInfo.wShowWindow = SW_HIDE;
  if (output) {
    si.StartupInfo.dwFlags |= STARTF_USESTDHANDLES;
    si.StartupInfo.hStdOutput = si.StartupInfo.hStdError = output;
  }
  si.lpAttributeList = inherit;
  if (inherit) flags |= EXTENDED_STARTUPINFO_PRESENT;
  const wchar_t* folder = currentFolder.empty() ? nullptr : currentFolder.c_str();
  return CreateProcessW(nullptr, line.data(), nullptr, nullptr, inherit ? TRUE : FALSE, CREATE_NO_WINDOW | flags,
                        environment, folder, &si.StartupInfo, &pi) != FALSE;
}

}  // namespace

JobProcess::JobProcess(UniqueHandle process, UniqueHandle job, UniqueHandle port) noexcept
    : process_(std::move(process)), job_(std::move(job)), port_(std::move(port)) {}

JobProcess& JobProcess::operator=(JobProcess&& other) noexcept {
  if (this != &other) {
    End();
    process_ = std::move(other.process_);
    job_ = std::move(other.job_);
    port_ = std::move(other.port_);
  }
  return *this;
}

void JobProcess::End() noexcept {
  if (job_) {
    TerminateJobObject(job_.get(), ERROR_CANCELLED);
    // Termination only begins here: what they held stays open until the last of them has gone.
    if (port_) {
      const ULONGLONG until = GetTickCount64() + kJobEndWaitMs;
      for (ULONGLONG now = GetTickCount64(); now < until; now = GetTickCount64()) {
        DWORD message = 0;
        ULONG_PTR key = 0;
        OVERLAPPED* detail = nullptr;
        if (!GetQueuedCompletionStatus(port_.get(), &message, &key, &detail, static_cast<DWORD>(until - now)) ||
            message == JOB_OBJECT_MSG_ACTIVE_PROCESS_ZERO) {
          break;
        }
      }
    } else if (process_) {
      WaitForSingleObject(process_.get(), kJobEndWaitMs);
    }
  }
  port_.reset();
  job_.reset();
  process_.reset();
}

JobProcess ProcessStarter::StartScript(const std::wstring&, const std::wstring&) { return {}; }

UniqueHandle SystemProcessStarter::StartHidden(const std::wstring& commandLine, const std::wstring& currentFolder) {
  PROCESS_INFORMATION pi{};
  if (!CreateHidden(commandLine, currentFolder, 0, nullptr, pi)) return UniqueHandle();
  CloseHandle(pi.hThread);
  return UniqueHandle(pi.hProcess);
}

JobProcess SystemProcessStarter::StartScript(const std::wstring& commandLine, const std::wstring& currentFolder) {
  UniqueHandle job(CreateJobObjectW(nullptr, nullptr));
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  if (!job || !SetInformationJobObject(job.get(), JobObjectExtendedLimitInformation, &limits, sizeof limits)) {
    return {};
  }
  UniqueHandle port(CreateIoCompletionPort(INVALID_HANDLE_VALUE, nullptr, 0, 1));
  JOBOBJECT_ASSOCIATE_COMPLETION_PORT link{job.get(), port.get()};
  if (port && !SetInformationJobObject(job.get(), JobObjectAssociateCompletionPortInformation, &link, sizeof link)) {
    port.reset();
  }
  std::vector<wchar_t> environment = ScriptEnvironment();
  if (environment.empty()) return {};
  PROCESS_INFORMATION pi{};
  // Suspended until it is in the job, so that nothing it starts can begin outside it.
  constexpr DWORD flags = CREATE_SUSPENDED | CREATE_UNICODE_ENVIRONMENT;
  if (!CreateHidden(commandLine, currentFolder, flags, environment.data(), pi)) return {};
  UniqueHandle process(pi.hProcess);
  const UniqueHandle thread(pi.hThread);
  if (!AssignProcessToJobObject(job.get(), process.get())) {
    TerminateProcess(process.get(), ERROR_CANCELLED);
    return {};
  }
  JobProcess started(std::move(process), std::move(job), std::move(port));
  if (ResumeThread(thread.get()) == static_cast<DWORD>(-1)) return {};  // (ending `started` ends it)
  return started;
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
  const bool started =
      UpdateProcThreadAttribute(list, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, &writeEnd, sizeof writeEnd, nullptr,
                                nullptr) &&
      CreateHidden(commandLine, currentFolder, 0, nullptr, pi, writeEnd, list);
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
