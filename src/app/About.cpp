#include "app/About.h"

#include "app/Base64.h"

namespace quilnet {
namespace {

constexpr wchar_t kCredits[] = L"作者：Quilnet 开发组";
constexpr wchar_t kContactLabel[] = L"联系电话：";
constexpr wchar_t kContactNumber[] = L"MDEwLTEyMzQ1Njc4";  // Base64

}  // namespace

std::wstring AboutMessage() {
  return std::wstring(L"Quilnet") + L"\r\n" + kCredits + L"\r\n" + kContactLabel + Base64Decode(kContactNumber);
}

void ShowAbout(HWND owner) { MessageBoxW(owner, AboutMessage().c_str(), kAboutTitle, MB_OK); }

}  // namespace quilnet
