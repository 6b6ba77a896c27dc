#include "support/TestFolder.h"

#include <windows.h>

#include <cstdlib>
#include <stdexcept>

#include "platform/CodePage.h"
#include "platform/Files.h"

namespace quilnet::test {
TestFolder::TestFolder() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  static unsigned counter = 0;
  for (;;) {
    path_ = std::wstring(temp) + L"quilnet-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(++counter);
    if (CreateDirectoryW(path_.c_str(), nullptr)) return;
    if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("cannot make a test folder");
  }
}

TestFolder::~TestFolder() { RemoveFolderTree(path_); }

bool TestFolder::Exists(const std::wstring& name) const {
  return GetFileAttributesW(File(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::optional<std::string> TestFolder::Read(const std::wstring& name) const {
  return ReadFileBytes(File(name), 64 * 1024 * 1024);
}

void TestFolder::Write(const std::wstring& name, const std::string& bytes) const {
  if (!WriteFileBytes(File(name), bytes)) throw std::runtime_error("cannot write a test file");
}

std::optional<std::wstring> FolderFromEnvironment(const char* variable) {
  const char* value = std::getenv(variable);
  if (!value || !*value) return std::nullopt;
  return WindowsPath(FromCodePage(value, CP_UTF8));
}

std::wstring WindowsPath(std::wstring path) {
  if (!path.empty() && path.front() == L'/') path = L"Z:" + path;  // Wine's drive Z: is the Unix root
  for (wchar_t& c : path) {
    if (c == L'/') c = L'\\';
  }
  while (path.size() > 3 && path.back() == L'\\') path.pop_back();
  return path;
}

}  // namespace quilnet::test
