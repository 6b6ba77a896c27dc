// Stands in for netsh.exe: records the arguments it was given and exits with a chosen code.
//   QUILNET_NETSH_LOG      file to which one line is appended per run: the arguments, tab-separated, UTF-8
//   QUILNET_NETSH_EXIT     exit code (0 when unset)
//   QUILNET_NETSH_HOLD     file: while it exists, the stand-in keeps running
//   QUILNET_NETSH_SAY      en or zh: first says, as netsh does in that language on a connection that is on
//                          DHCP already, that it is (in the console's code page)
//   QUILNET_NETSH_LISTING  file whose bytes `interface show interface` prints, as they are: the listing in
//                          the console's code page (a file, as Wine garbles non-ASCII arguments)
// Run from anywhere but the system folder, it is a plant: it leaves "<its own path>.ran" and does no more.
// The arguments are split as every Windows program's runtime splits them, so the record shows what
// netsh would see.
#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include <string>

namespace {

std::wstring Variable(const wchar_t* name) {
  wchar_t value[32768];
  const DWORD n = GetEnvironmentVariableW(name, value, 32768);
  return n > 0 && n < 32768 ? std::wstring(value, n) : std::wstring();
}

void PrintFile(const std::wstring& path) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  char chunk[4096];
  DWORD got = 0, written = 0;
  while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) {
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), chunk, got, &written, nullptr);
  }
  CloseHandle(file);
}

void Append(const std::wstring& path, const std::wstring& line) {
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), bytes.data(), size, nullptr, nullptr);
  // The two commands of a switch run side by side; one at a time writes.
  const HANDLE lock = CreateMutexW(nullptr, FALSE, L"quilnet-netsh-stand-in");
  WaitForSingleObject(lock, 10000);
  const HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
  }
  ReleaseMutex(lock);
  CloseHandle(lock);
}

}  // namespace

int main() {
  wchar_t self[MAX_PATH], system[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, self, MAX_PATH);
  const UINT s = GetSystemDirectoryW(system, MAX_PATH);
  if (n == 0 || n >= MAX_PATH - 4 || s == 0 || _wcsnicmp(self, system, s) != 0 || self[s] != L'\\') {
    const std::wstring ran = std::wstring(self, n) + L".ran";
    CloseHandle(CreateFileW(ran.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    return 0;
  }
  int count = 0;
  wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
  std::wstring line;
  for (int i = 1; args && i < count; ++i) line += (i > 1 ? L"\t" : L"") + std::wstring(args[i]);
  LocalFree(args);
  const std::wstring log = Variable(L"QUILNET_NETSH_LOG");
  if (!log.empty()) Append(log, line + L"\n");
  const std::wstring say = Variable(L"QUILNET_NETSH_SAY");
  if (!say.empty()) {
    const std::wstring text =
        (say == L"zh" ? L"已在此接口上启用 DHCP。" : L"DHCP is already enabled on this interface.") + std::wstring(L"\r\n\r\n");
    const int length = static_cast<int>(text.size());
    std::string bytes(text.size() * 2, '\0');
    const int size = WideCharToMultiByte(CP_OEMCP, 0, text.data(), length, bytes.data(), length * 2, nullptr, nullptr);
    bytes.resize(static_cast<size_t>(size));
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  }
  const std::wstring hold = Variable(L"QUILNET_NETSH_HOLD");
  while (!hold.empty() && GetFileAttributesW(hold.c_str()) != INVALID_FILE_ATTRIBUTES) Sleep(20);
  if (_wcsicmp(line.c_str(), L"interface\tshow\tinterface") == 0) PrintFile(Variable(L"QUILNET_NETSH_LISTING"));
  const std::wstring code = Variable(L"QUILNET_NETSH_EXIT");
  return code.empty() ? 0 : _wtoi(code.c_str());
}
