#pragma once
// Whole-file reads and writes by path, and the folder the program runs from.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Handles.h"

namespace quilnet {

// The folder that holds the running executable, without a trailing backslash.
std::wstring ExecutableFolder();

// Creates or replaces the file with exactly these bytes. False when it cannot be written.
bool WriteFileBytes(const std::wstring& path, std::string_view bytes);
// At most maxBytes bytes from the start of the file; nothing when it cannot be opened.
std::optional<std::string> ReadFileBytes(const std::wstring& path, size_t maxBytes);
// A whole file, or why not: a file that is not there is told apart from one that cannot be read, and one
// longer than maxBytes is not read at all (so that nobody rewrites it from a part).
struct FileContents {
  enum class State { Read, Missing, Unreadable, TooLarge };
  State state = State::Missing;
  std::string bytes;
};
FileContents ReadWholeFile(const std::wstring& path, size_t maxBytes);
// Puts exactly these bytes in place of the file in one step: a new file is written beside it, then moved
// over it. False when any step fails; the old file is then as it was.
bool ReplaceFileBytes(const std::wstring& path, std::string_view bytes);
// Writes a file to be run: whatever had the name is removed first (a link someone planted is removed, not
// written through), the file is created new with these bytes, and the handle that is returned, which only
// reads, keeps it so: others may read it, but nobody may change, replace or delete it until the handle is
// closed. An empty
// owner when any step failed; whatever then has the name is not ours and must not be run.
UniqueFile WriteHeldFile(const std::wstring& path, std::string_view bytes);
// False when the file is missing or cannot be deleted.
bool RemoveFile(const std::wstring& path);
// What a folder holds, without "." and "..": names and attributes, in the file system's order.
struct FolderEntry {
  std::wstring name;
  unsigned long attributes;
};
std::vector<FolderEntry> FolderEntries(const std::wstring& folder);
// Removes the folder with everything in it, read-only files too. False when the folder is still there.
bool RemoveFolderTree(const std::wstring& folder);

}  // namespace quilnet
