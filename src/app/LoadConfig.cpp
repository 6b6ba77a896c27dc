// The image's load configuration, as MSVC's linker writes it for /DEPENDENTLOADFLAG:0x800. With it, the
// libraries that the system loads for the program by name before wWinMain has run (its imports, theirs,
// and what those load late) are looked for in the system folder alone, never beside the program.
// MinGW-w64's runtime carries no load configuration, and GNU ld points the image's directory at this
// symbol, taking the directory's size from its first field.
#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace {

// IMAGE_LOAD_CONFIG_DIRECTORY64 as Windows 10 reads it; MinGW's headers know only its first fields, and
// call DependentLoadFlags Reserved1. Every field after that one stays zero: no security cookie, no
// control-flow guard tables, nothing else for the loader to check.
struct LoadConfigDirectory64 {
  std::uint32_t size;
  std::uint8_t before[0x4A];
  std::uint16_t dependentLoadFlags;
  std::uint8_t after[0xC8];
};
static_assert(offsetof(LoadConfigDirectory64, dependentLoadFlags) == 0x4E);
static_assert(sizeof(LoadConfigDirectory64) == 0x118);  // the size the Windows 10 (2004) SDK gives it

}  // namespace

extern "C" [[gnu::used, gnu::section(".ldcfg")]] const LoadConfigDirectory64 _load_config_used = {
    sizeof(LoadConfigDirectory64), {}, LOAD_LIBRARY_SEARCH_SYSTEM32, {}};
