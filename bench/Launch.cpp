// Starts a program and a baseline round by round, and measures for each the time from just before
// CreateProcessW to its first paint, and the private memory it holds once it has started.
//   BenchLaunch.exe [-n ROUNDS] PROGRAM.exe BASELINE.exe
// Each is run from a private copy in a temp folder, so that what it writes beside itself stays there.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "platform/Files.h"
#include "platform/Handles.h"

namespace {

using quilnet::UniqueHandle;

constexpr int kDefaultRounds = 15;
constexpr ULONGLONG kStartTimeoutMs = 30000;
// Memory is read a little after the first paint, once what start-up set in motion has settled.
constexpr DWORD kSettleMs = 300;
constexpr DWORD kExitTimeoutMs = 5000;

struct Sample {
  double ms = 0;
  SIZE_T privateBytes = 0;
};

struct Target {
  std::wstring source;
  std::wstring folder;  // the private copy's folder
  std::wstring exe;     // the private copy
  std::string name;
  std::vector<Sample> samples;
  int terminated = 0;  // rounds that did not end on WM_CLOSE
};

std::string Narrow(const std::wstring& text) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  if (n <= 1) return {};
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), n, nullptr, nullptr);
  out.resize(static_cast<size_t>(n - 1));
  return out;
}

std::wstring FileName(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::string Stem(const std::wstring& path) {
  std::wstring name = FileName(path);
  const size_t dot = name.find_last_of(L'.');
  if (dot != std::wstring::npos) name.resize(dot);
  return Narrow(name);
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  static const LONGLONG frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f.QuadPart;
  }();
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency);
}

template <class T>
double Median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? static_cast<double>(values[n / 2])
               : (static_cast<double>(values[n / 2 - 1]) + static_cast<double>(values[n / 2])) / 2;
}

struct WindowSearch {
  DWORD pid;
  HWND found;
};

BOOL CALLBACK MatchTopLevel(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid != search->pid || !IsWindowVisible(hwnd) || GetWindow(hwnd, GW_OWNER)) return TRUE;
  search->found = hwnd;
  return FALSE;
}

HWND VisibleTopLevel(DWORD pid) {
  WindowSearch search{pid, nullptr};
  EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

BOOL CALLBACK MarkPendingChild(HWND child, LPARAM param) {
  if (!GetUpdateRect(child, nullptr, FALSE)) return TRUE;
  *reinterpret_cast<bool*>(param) = true;
  return FALSE;
}

// The window and its controls have all been painted: nothing of them waits for WM_PAINT.
bool PaintPending(HWND hwnd) {
  if (GetUpdateRect(hwnd, nullptr, FALSE)) return true;
  bool pending = false;
  EnumChildWindows(hwnd, MarkPendingChild, reinterpret_cast<LPARAM>(&pending));
  return pending;
}

void Close(Target& target, HANDLE process, HWND window) {
  if (window) PostMessageW(window, WM_CLOSE, 0, 0);
  if (window && WaitForSingleObject(process, kExitTimeoutMs) == WAIT_OBJECT_0) return;
  ++target.terminated;
  TerminateProcess(process, 1);
  WaitForSingleObject(process, kExitTimeoutMs);
}

// One start, measured; false (with the reason printed) when the program did not come up.
bool RunOnce(Target& target, bool keep) {
  std::wstring line = L"\"" + target.exe + L"\"";
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  LARGE_INTEGER started, painted;
  QueryPerformanceCounter(&started);
  if (!CreateProcessW(target.exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, target.folder.c_str(),
                      &si, &pi)) {
    std::fprintf(stderr, "%s: CreateProcessW failed (error %lu)\n", target.name.c_str(), GetLastError());
    return false;
  }
  const UniqueHandle process(pi.hProcess);
  const UniqueHandle thread(pi.hThread);

  // Idle means the message loop found nothing to do, so its first WM_PAINT is behind it. Idle can also
  // come before the window exists (a wait inside start-up), hence the check of the window itself.
  WaitForInputIdle(process.get(), static_cast<DWORD>(kStartTimeoutMs));
  const ULONGLONG deadline = GetTickCount64() + kStartTimeoutMs;
  HWND window = nullptr;
  for (;;) {
    // Asking Wine about each of another process's controls takes about 10 ms for Quilnet's window:
    // the time is taken before asking, so that the asking is not counted against the program.
    QueryPerformanceCounter(&painted);
    window = VisibleTopLevel(pi.dwProcessId);
    if (window && !PaintPending(window)) break;
    if (WaitForSingleObject(process.get(), 1) == WAIT_OBJECT_0) {
      std::fprintf(stderr, "%s: exited before its window was painted\n", target.name.c_str());
      return false;
    }
    if (GetTickCount64() > deadline) {
      std::fprintf(stderr, "%s: no painted window after %llu ms\n", target.name.c_str(), kStartTimeoutMs);
      Close(target, process.get(), window);
      return false;
    }
  }

  Sleep(kSettleMs);
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  const bool haveMemory =
      GetProcessMemoryInfo(process.get(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
  const DWORD memoryError = GetLastError();
  Close(target, process.get(), window);
  if (!haveMemory) {
    std::fprintf(stderr, "%s: GetProcessMemoryInfo failed (error %lu)\n", target.name.c_str(), memoryError);
    return false;
  }
  // Wine leaves PrivateUsage at 0 and reports the process's anonymous resident memory in PagefileUsage;
  // on Windows both are the commit charge.
  const SIZE_T privateBytes = counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
  if (keep) target.samples.push_back({Seconds(started, painted) * 1000, privateBytes});
  return true;
}

// A program's children (Quilnet's hidden command interpreter) may hold a file for a moment longer.
void RemoveFolderPatiently(const std::wstring& folder) {
  for (int attempt = 0; attempt < 50; ++attempt) {
    if (quilnet::RemoveFolderTree(folder) || GetFileAttributesW(folder.c_str()) == INVALID_FILE_ATTRIBUTES) return;
    Sleep(100);
  }
  std::fprintf(stderr, "could not remove %s\n", Narrow(folder).c_str());
}

bool PlaceCopy(Target& target, const std::wstring& root, int index) {
  target.folder = root + L"\\" + std::to_wstring(index);
  target.exe = target.folder + L"\\" + FileName(target.source);
  if (!CreateDirectoryW(target.folder.c_str(), nullptr) ||
      !CopyFileW(target.source.c_str(), target.exe.c_str(), FALSE)) {
    std::fprintf(stderr, "cannot copy %s into %s (error %lu)\n", Narrow(target.source).c_str(),
                 Narrow(target.folder).c_str(), GetLastError());
    return false;
  }
  return true;
}

std::vector<double> Times(const Target& target) {
  std::vector<double> ms;
  for (const Sample& s : target.samples) ms.push_back(s.ms);
  return ms;
}

std::vector<SIZE_T> PrivateBytes(const Target& target) {
  std::vector<SIZE_T> bytes;
  for (const Sample& s : target.samples) bytes.push_back(s.privateBytes);
  return bytes;
}

void PrintTarget(const Target& target) {
  const std::vector<double> ms = Times(target);
  std::printf("%-12s start-up median %7.1f ms, min %7.1f ms; private memory median %7.0f KiB\n",
              target.name.c_str(), Median(ms), *std::min_element(ms.begin(), ms.end()),
              Median(PrivateBytes(target)) / 1024);
  if (target.terminated) {
    std::printf("%-12s did not close on WM_CLOSE %d time(s)\n", target.name.c_str(), target.terminated);
  }
}

bool Measure(Target& program, Target& baseline, int rounds) {
  // One warm-up round each fills the caches and lets the program write its first files; then the
  // two alternate, so that drift on the machine falls on both alike.
  for (int round = 0; round <= rounds; ++round) {
    const bool keep = round > 0;
    if (!RunOnce(program, keep) || !RunOnce(baseline, keep)) return false;
  }
  std::printf("%d rounds each, alternating, after one warm-up round\n", rounds);
  PrintTarget(program);
  PrintTarget(baseline);
  std::printf("startup ratio (%s/bare, median): %.2f\n", program.name.c_str(),
              Median(Times(program)) / Median(Times(baseline)));
  std::printf("memory ratio (%s/bare, private bytes): %.2f\n", program.name.c_str(),
              Median(PrivateBytes(program)) / Median(PrivateBytes(baseline)));
  return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  int rounds = kDefaultRounds;
  std::vector<std::wstring> exes;
  for (int i = 1; i < argc; ++i) {
    if (std::wcscmp(argv[i], L"-n") == 0 && i + 1 < argc) {
      rounds = _wtoi(argv[++i]);
    } else {
      exes.emplace_back(argv[i]);
    }
  }
  if (exes.size() != 2 || rounds < 1) {
    std::fprintf(stderr, "usage: BenchLaunch.exe [-n ROUNDS] PROGRAM.exe BASELINE.exe\n");
    return 2;
  }
  Target program{exes[0], {}, {}, Stem(exes[0]), {}, 0};
  Target baseline{exes[1], {}, {}, Stem(exes[1]), {}, 0};

  wchar_t temp[MAX_PATH];
  const DWORD n = GetTempPathW(MAX_PATH, temp);
  if (n == 0 || n >= MAX_PATH) return 1;
  const std::wstring root = std::wstring(temp, n) + L"QuilnetBench-" + std::to_wstring(GetCurrentProcessId());
  if (!CreateDirectoryW(root.c_str(), nullptr)) {
    std::fprintf(stderr, "cannot make %s (error %lu)\n", Narrow(root).c_str(), GetLastError());
    return 1;
  }
  const bool ok = PlaceCopy(program, root, 0) && PlaceCopy(baseline, root, 1) && Measure(program, baseline, rounds);
  std::fflush(stdout);
  RemoveFolderPatiently(root);
  return ok ? 0 : 1;
}
