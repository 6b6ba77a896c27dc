#pragma once
// A Windows profile (INI) file in GBK, read and written by the rules of the platform's profile functions:
// names match without regard to case, a value loses the whitespace around it and one pair of enclosing
// quotes, and a write replaces the value in place. Lines it does not write keep their bytes.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quilnet {

class IniFile {
 public:
  explicit IniFile(std::string_view bytes = {});

  // The value of the first such key in the first section of that name, at most maxBytes bytes of it
  // (never half a character); nothing when the section or the key is missing.
  std::optional<std::wstring> Read(std::wstring_view section, std::wstring_view key, size_t maxBytes) const;
  // Replaces the key's value where it stands, or adds the key at the end of its section, or the section
  // at the end of the file. A line break inside the value becomes a space: it could not be read back.
  void Write(std::wstring_view section, std::wstring_view key, std::wstring_view value);

  std::string Bytes() const;

 private:
  enum class Kind { Blank, Comment, Section, Key, Other };
  struct Parsed {
    Kind kind = Kind::Other;
    std::wstring name;   // of the section or the key, trimmed
    std::wstring value;  // of the key, trimmed
  };
  struct Line {
    std::string bytes;   // without its line end
    std::string ending;  // "\r\n", "\n", "\r", or "" for a last line without one
    Parsed parsed;       // what the bytes say, read once
  };
  static Line MakeLine(std::string bytes, std::string ending);
  static Parsed Parse(std::string_view bytes);
  // The line of the section's header, and the line of the key in it (npos when missing).
  size_t FindSection(std::wstring_view section) const;
  size_t FindKey(size_t header, std::wstring_view key) const;

  std::vector<Line> lines_;
};

}  // namespace quilnet
