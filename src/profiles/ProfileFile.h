#pragma once
// The four profiles in IP.ini: six keys in each of the sections 网1 to 网4, in GBK whatever the system's
// code page (elsewhere the Chinese key names would not survive it).
#include <array>
#include <string>

namespace quilnet {

inline constexpr std::array<const wchar_t*, 4> kProfileSections{L"网1", L"网2", L"网3", L"网4"};
// Name, then the five address fields in their order.
inline constexpr std::array<const wchar_t*, 6> kProfileKeys{L"名称", L"ip地址", L"子网掩码", L"默认网关", L"首选DNS",
                                                            L"备用DNS"};
inline constexpr wchar_t kProfileFile[] = L"IP.ini";
// What one value may take, as the 256-byte buffer of the profile functions allows.
inline constexpr size_t kProfileValueBytes = 255;
// Larger than any profile file; a bigger one is not read, and not rewritten.
inline constexpr size_t kProfileFileMaxBytes = 4u << 20;

using ProfileValues = std::array<std::array<std::wstring, 6>, 4>;

// Never fails: whatever is missing or unreadable reads as its own key name.
ProfileValues LoadProfiles(const std::wstring& path);
// All 24 values reach the file together, or the file stays as it was (false). The rest of the file,
// other sections and comments included, keeps its bytes.
bool SaveProfiles(const std::wstring& path, const ProfileValues& values);

}  // namespace quilnet
