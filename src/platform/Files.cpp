#include "platform/Files.h"

#include <windows.h>

#include <algorithm>
#include <climits>

#include "platform/Handles.h"

namespace quilnet {

std::wstring ExecutableFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);
  }
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

namespace {

// Creates or replaces the file with exactly these bytes; with `flush`, they are on the disk on return.
bool WriteNewFile(const wchar_t* path, std::string_view bytes, bool flush) {
  if (bytes.size() > MAXDWORD) return false;
  const UniqueFile file(CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  DWORD written = 0;
  if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) return false;
  return written == bytes.size() && (!flush || FlushFileBuffers(file.get()));
}

// Others may go on reading, writing or deleting it meanwhile, as a text editor would.
UniqueFile OpenForReading(const std::wstring& path) {
  return UniqueFile(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

}  // namespace

bool WriteFileBytes(const std::wstring& path, std::string_view bytes) { return WriteNewFile(path.c_str(), bytes, false); }

std::optional<std::string> ReadFileBytes(const std::wstring& path, size_t maxBytes) {
  const UniqueFile file = OpenForReading(path);
  if (!file) return std::nullopt;
  std::string bytes;
  char chunk[64 * 1024];
  while (bytes.size() < maxBytes) {
    const DWORD want = static_cast<DWORD>(std::min(sizeof chunk, maxBytes - bytes.size()));
    DWORD got = 0;
    if (!ReadFile(file.get(), chunk, want, &got, nullptr)) return std::nullopt;
    if (got == 0) break;
    bytes.append(chunk, got);
  }
  return bytes;
}

FileContents ReadWholeFile(const std::wstring& path, size_t maxBytes) {
  using State = FileContents::State;
  const UniqueFile file = OpenForReading(path);
  if (!file) {
    const DWORD error = GetLastError();
    return {error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? State::Missing : State::Unreadable, {}};
  }
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size)) return {State::Unreadable, {}};
  if (static_cast<unsigned long long>(size.QuadPart) > maxBytes) return {State::TooLarge, {}};
  std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
  DWORD got = 0;
  if (!bytes.empty() && (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr) ||
                         got != bytes.size())) {
    return {State::Unreadable, {}};
  }
  return {State::Read, std::move(bytes)};
}

bool ReplaceFileBytes(const std::wstring& path, std::string_view bytes) {
  const size_t slash = path.find_last_of(L"\\/");
  const std::wstring folder = slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash);
  // A file marked read-only stays as it is, as it would under any writer (Wine would rename over it).
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
    return false;
  }
  wchar_t temporary[MAX_PATH + 1] = {};
  // A name of its own, so that two copies saving at once never write into each other's file.
  if (folder.size() > MAX_PATH - 14 || !GetTempFileNameW(folder.c_str(), L"ini", 0, temporary)) return false;
  const bool placed = WriteNewFile(temporary, bytes, true) && MoveFileExW(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!placed) DeleteFileW(temporary);
  return placed;
}

UniqueFile WriteHeldFile(const std::wstring& path, std::string_view bytes) {
  if (bytes.size() > MAXDWORD) return UniqueFile();
  DeleteFileW(path.c_str());
  BY_HANDLE_FILE_INFORMATION written{};
  {
    // CREATE_NEW never opens what is there: a name that could not be freed fails here.
    const UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    DWORD count = 0;
    if (!file || !WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &count, nullptr) ||
        count != bytes.size() || !GetFileInformationByHandle(file.get(), &written)) {
      return UniqueFile();
    }
  }
  // Held for reading alone, so that whoever runs it can open it however it opens scripts, and shared for
  // reading alone, so that nobody can write, replace or delete it. No handle can be turned from writing to
  // that, so the file is opened anew: it must still be the very file written, with the very bytes.
  UniqueFile held(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  BY_HANDLE_FILE_INFORMATION now{};
  if (!held || !GetFileInformationByHandle(held.get(), &now) ||
      now.dwVolumeSerialNumber != written.dwVolumeSerialNumber || now.nFileIndexHigh != written.nFileIndexHigh ||
      now.nFileIndexLow != written.nFileIndexLow || now.nFileSizeHigh != 0 || now.nFileSizeLow != bytes.size()) {
    return UniqueFile();
  }
  std::string check(bytes.size(), '\0');
  DWORD count = 0;
  if (!check.empty() && (!ReadFile(held.get(), check.data(), static_cast<DWORD>(check.size()), &count, nullptr) ||
                         count != check.size() || check != bytes)) {
    return UniqueFile();
  }
  return held;
}

bool RemoveFile(const std::wstring& path) { return DeleteFileW(path.c_str()) != FALSE; }

std::vector<FolderEntry> FolderEntries(const std::wstring& folder) {
  std::vector<FolderEntry> entries;
  WIN32_FIND_DATAW entry;
  const UniqueFind find(FindFirstFileW((folder + L"\\*").c_str(), &entry));
  if (!find) return entries;
  do {
    const std::wstring name = entry.cFileName;
    if (name != L"." && name != L"..") entries.push_back({name, entry.dwFileAttributes});
  } while (FindNextFileW(find.get(), &entry));
  return entries;
}

bool RemoveFolderTree(const std::wstring& folder) {
  for (const FolderEntry& entry : FolderEntries(folder)) {
    const std::wstring path = folder + L"\\" + entry.name;
    if (entry.attributes & FILE_ATTRIBUTE_DIRECTORY) {
      RemoveFolderTree(path);
    } else {
      SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileW(path.c_str());
    }
  }
  return RemoveDirectoryW(folder.c_str()) != FALSE;
}

}  // namespace quilnet
