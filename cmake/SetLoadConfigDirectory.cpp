// A step after linking, for the MinGW build: points the image's load-configuration directory at the
// structure that it carries in its section ".ldcfg" (src/app/LoadConfig.cpp). MSVC's and LLVM's linkers do
// this for _load_config_used themselves; GNU ld 2.40 leaves the directory empty.
//   set_load_config_directory IMAGE.exe      (exit code 0 once the directory is set)
#include <windows.h>

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

template <class T>
T* At(std::vector<char>& image, size_t offset) {
  return offset <= image.size() && sizeof(T) <= image.size() - offset ? reinterpret_cast<T*>(image.data() + offset)
                                                                       : nullptr;
}

int Fail(const char* why) {
  std::fprintf(stderr, "set_load_config_directory: %s\n", why);
  return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return Fail("one image, please");
  const HANDLE file = CreateFileW(argv[1], GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return Fail("cannot open the image");
  LARGE_INTEGER size{};
  DWORD got = 0;
  std::vector<char> image;
  if (GetFileSizeEx(file, &size) && size.QuadPart < (1 << 30)) image.resize(static_cast<size_t>(size.QuadPart));
  if (image.empty() || !ReadFile(file, image.data(), static_cast<DWORD>(image.size()), &got, nullptr) ||
      got != image.size()) {
    CloseHandle(file);
    return Fail("cannot read the image");
  }
  const char* failure = "no section .ldcfg that holds a load configuration";
  const auto* dos = At<IMAGE_DOS_HEADER>(image, 0);
  auto* nt = dos && dos->e_magic == IMAGE_DOS_SIGNATURE ? At<IMAGE_NT_HEADERS64>(image, dos->e_lfanew) : nullptr;
  if (nt && nt->Signature == IMAGE_NT_SIGNATURE && nt->OptionalHeader.Magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC) {
    const size_t sections = dos->e_lfanew + offsetof(IMAGE_NT_HEADERS64, OptionalHeader) +
                            nt->FileHeader.SizeOfOptionalHeader;
    for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i) {
      const auto* section = At<IMAGE_SECTION_HEADER>(image, sections + i * sizeof(IMAGE_SECTION_HEADER));
      if (!section || std::memcmp(section->Name, ".ldcfg\0\0", 8) != 0) continue;
      // The directory's size is the structure's own first field, as the loader compares the two.
      const auto* length = At<DWORD>(image, section->PointerToRawData);
      if (!length || *length < 0x50 || *length > section->Misc.VirtualSize || *length > section->SizeOfRawData) break;
      IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_LOAD_CONFIG];
      directory.VirtualAddress = section->VirtualAddress;
      directory.Size = *length;
      DWORD written = 0;
      const DWORD headers = nt->OptionalHeader.SizeOfHeaders;
      const bool saved = headers <= image.size() && SetFilePointer(file, 0, nullptr, FILE_BEGIN) == 0 &&
                         WriteFile(file, image.data(), headers, &written, nullptr) && written == headers;
      failure = saved ? nullptr : "cannot write the image's headers";
      break;
    }
  }
  CloseHandle(file);
  return failure ? Fail(failure) : 0;
}
