#pragma once
// A fresh folder under the temporary folder, removed with everything in it at the end of the test.
#include <optional>
#include <string>

namespace quilnet::test {

class TestFolder {
 public:
  TestFolder();
  ~TestFolder();
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  const std::wstring& path() const { return path_; }
  std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }
  bool Exists(const std::wstring& name) const;
  std::optional<std::string> Read(const std::wstring& name) const;
  void Write(const std::wstring& name, const std::string& bytes) const;

 private:
  std::wstring path_;
};

// A Windows path as given, or a Unix path mapped to Wine's drive Z:, without a trailing backslash.
std::wstring WindowsPath(std::wstring path);
// A folder from the environment variable (a Unix path is mapped to its Wine drive), or nothing.
std::optional<std::wstring> FolderFromEnvironment(const char* variable);

}  // namespace quilnet::test
