#pragma once
// Whole-file reads and writes by path, and the folder the program runs from.
#include <optional>
#include <string>
#include <string_view>

namespace quilnet {

// The folder that holds the running executable, without a trailing backslash.
std::wstring ExecutableFolder();

// Creates or replaces the file with exactly these bytes. False when it cannot be written.
bool WriteFileBytes(const std::wstring& path, std::string_view bytes);
// At most maxBytes bytes from the start of the file; nothing when it cannot be opened.
std::optional<std::string> ReadFileBytes(const std::wstring& path, size_t maxBytes);
// False when the file is missing or cannot be deleted.
bool RemoveFile(const std::wstring& path);
// Removes the folder with everything in it, read-only files too. False when the folder is still there.
bool RemoveFolderTree(const std::wstring& folder);

}  // namespace quilnet
