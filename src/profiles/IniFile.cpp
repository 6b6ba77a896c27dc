#include "profiles/IniFile.h"

#include <windows.h>

#include "platform/CodePage.h"

namespace quilnet {
namespace {

constexpr std::wstring_view kSpace = L" \t\v\f\r\x1a";

std::wstring_view Trim(std::wstring_view text) {
  const size_t first = text.find_first_not_of(kSpace);
  if (first == std::wstring_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kSpace) - first + 1);
}

bool SameName(std::wstring_view a, std::wstring_view b) {
  return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()), TRUE) ==
         CSTR_EQUAL;
}

// The longest start of the text that takes at most maxBytes in GBK, ending on a whole character.
std::wstring CutToBytes(std::wstring_view text, size_t maxBytes) {
  size_t bytes = 0, end = 0;
  while (end < text.size()) {
    const size_t units = IS_HIGH_SURROGATE(text[end]) && end + 1 < text.size() ? 2 : 1;
    const size_t size = ToCodePage(text.substr(end, units), kGbk).size();
    if (bytes + size > maxBytes) break;
    bytes += size;
    end += units;
  }
  return std::wstring(text.substr(0, end));
}

}  // namespace

// CR LF, LF and a lone CR each end a line, as they do for the platform's reader.
IniFile::IniFile(std::string_view bytes) {
  while (!bytes.empty()) {
    const size_t end = bytes.find_first_of("\r\n");
    std::string text(bytes.substr(0, end));
    std::string ending;
    if (end != std::string_view::npos) {
      ending = bytes.compare(end, 2, "\r\n") == 0 ? "\r\n" : std::string(1, bytes[end]);
    }
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + ending.size());
    lines_.push_back(MakeLine(std::move(text), std::move(ending)));
  }
}

IniFile::Line IniFile::MakeLine(std::string bytes, std::string ending) {
  Parsed parsed = Parse(bytes);
  return {std::move(bytes), std::move(ending), std::move(parsed)};
}

IniFile::Parsed IniFile::Parse(std::string_view bytes) {
  const std::wstring decoded = FromCodePage(bytes, kGbk);
  const std::wstring_view text = Trim(decoded);
  if (text.empty()) return {Kind::Blank, {}, {}};
  if (text.front() == L';') return {Kind::Comment, {}, {}};
  // Only a closed bracket makes a header; an unclosed one is read like any other line.
  if (const size_t close = text.rfind(L']'); text.front() == L'[' && close != std::wstring_view::npos) {
    return {Kind::Section, std::wstring(Trim(text.substr(1, close - 1))), {}};
  }
  const size_t equals = text.find(L'=');
  if (equals == std::wstring_view::npos) return {Kind::Other, {}, {}};
  return {Kind::Key, std::wstring(Trim(text.substr(0, equals))), std::wstring(Trim(text.substr(equals + 1)))};
}

size_t IniFile::FindSection(std::wstring_view section) const {
  for (size_t i = 0; i < lines_.size(); ++i) {
    const Parsed& parsed = lines_[i].parsed;
    if (parsed.kind == Kind::Section && SameName(parsed.name, section)) return i;
  }
  return std::wstring::npos;
}

size_t IniFile::FindKey(size_t header, std::wstring_view key) const {
  for (size_t i = header + 1; i < lines_.size(); ++i) {
    const Parsed& parsed = lines_[i].parsed;
    if (parsed.kind == Kind::Section) break;
    if (parsed.kind == Kind::Key && SameName(parsed.name, key)) return i;
  }
  return std::wstring::npos;
}

std::optional<std::wstring> IniFile::Read(std::wstring_view section, std::wstring_view key, size_t maxBytes) const {
  const size_t header = FindSection(section);
  if (header == std::wstring::npos) return std::nullopt;
  const size_t at = FindKey(header, key);
  if (at == std::wstring::npos) return std::nullopt;
  std::wstring value = lines_[at].parsed.value;
  if (value.size() > 1 && (value.front() == L'"' || value.front() == L'\'') && value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  // A reader in C stops at a zero byte.
  value.resize(std::wstring_view(value.c_str()).size());
  return CutToBytes(value, maxBytes);
}

void IniFile::Write(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
  std::wstring text(value);
  for (wchar_t& c : text) {
    if (c == L'\r' || c == L'\n') c = L' ';
  }
  const size_t header = FindSection(section);
  if (header == std::wstring::npos) {
    if (!lines_.empty() && lines_.back().ending.empty()) lines_.back().ending = "\r\n";
    lines_.push_back(MakeLine(ToCodePage(L"[" + std::wstring(section) + L"]", kGbk), "\r\n"));
    lines_.push_back(MakeLine(ToCodePage(std::wstring(key) + L"=" + text, kGbk), "\r\n"));
    return;
  }
  const size_t at = FindKey(header, key);
  if (at != std::wstring::npos) {
    // The key keeps the spelling it has in the file.
    lines_[at] = MakeLine(ToCodePage(lines_[at].parsed.name + L"=" + text, kGbk), lines_[at].ending);
    return;
  }
  // After the section's last line that is not blank, so that a blank line before the next section stays.
  size_t last = header;
  for (size_t i = header + 1; i < lines_.size(); ++i) {
    const Kind kind = lines_[i].parsed.kind;
    if (kind == Kind::Section) break;
    if (kind != Kind::Blank) last = i;
  }
  if (lines_[last].ending.empty()) lines_[last].ending = "\r\n";
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(last) + 1,
                MakeLine(ToCodePage(std::wstring(key) + L"=" + text, kGbk), "\r\n"));
}

std::string IniFile::Bytes() const {
  std::string bytes;
  for (const Line& line : lines_) bytes += line.bytes + line.ending;
  return bytes;
}

}  // namespace quilnet
