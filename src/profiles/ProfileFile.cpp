#include "profiles/ProfileFile.h"

#include "platform/Files.h"
#include "profiles/IniFile.h"

namespace quilnet {

ProfileValues LoadProfiles(const std::wstring& path) {
  const FileContents contents = ReadWholeFile(path, kProfileFileMaxBytes);
  const IniFile file(contents.state == FileContents::State::Read ? std::string_view(contents.bytes) : "");
  ProfileValues values;
  for (size_t p = 0; p < kProfileSections.size(); ++p) {
    for (size_t k = 0; k < kProfileKeys.size(); ++k) {
      values[p][k] = file.Read(kProfileSections[p], kProfileKeys[k], kProfileValueBytes).value_or(kProfileKeys[k]);
    }
  }
  return values;
}

bool SaveProfiles(const std::wstring& path, const ProfileValues& values) {
  FileContents contents = ReadWholeFile(path, kProfileFileMaxBytes);
  // A file that is there but cannot be read in full would lose its other contents: leave it alone.
  if (contents.state != FileContents::State::Read && contents.state != FileContents::State::Missing) return false;
  IniFile file(contents.bytes);
  for (size_t p = 0; p < kProfileSections.size(); ++p) {
    for (size_t k = 0; k < kProfileKeys.size(); ++k) file.Write(kProfileSections[p], kProfileKeys[k], values[p][k]);
  }
  return ReplaceFileBytes(path, file.Bytes());
}

}  // namespace quilnet
