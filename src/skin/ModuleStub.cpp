// Stand-ins for the engine's module state until attachment and dispatch land beside the painters: the
// class families, the skin bitmaps built on first use, and mouse-leave requests.
#include <windows.h>

#include <cwctype>
#include <string>

#include "skin/Routing.h"
#include "skin/SkinBitmaps.h"

namespace quilnet::skin {

Family FamilyOfClass(std::wstring_view className) {
  std::wstring name(className);
  for (wchar_t& c : name) c = static_cast<wchar_t>(std::towlower(c));
  struct Entry {
    const wchar_t* name;
    Family family;
  };
  static constexpr Entry kTable[] = {
      {L"#32770", Family::Form}, {L"thunderformdc", Family::Form}, {L"thunderrt6formdc", Family::Form},
      {L"form", Family::Form}, {L"thundercommandbutton", Family::PushButton},
      {L"thunderrt6commandbutton", Family::PushButton}, {L"button", Family::PushButton},
      {L"thundercombobox", Family::Combo}, {L"thunderrt6combobox", Family::Combo}, {L"combo", Family::Combo},
      {L"combobox", Family::Combo}, {L"thunderdrivelistbox", Family::DriveList},
      {L"thunderrt6drivelistbox", Family::DriveList}, {L"thundercheckbox", Family::CheckBox},
      {L"thunderrt6checkbox", Family::CheckBox}, {L"thunderoptionbutton", Family::Option},
      {L"thunderrt6optionbutton", Family::Option}, {L"progressbar20wndclass", Family::Progress},
      {L"progressbarwndclass", Family::Progress}, {L"msvb_lib_header", Family::Header},
      {L"sysheader32", Family::Header}, {L"datalistwndclass", Family::DataList},
      {L"dblistwndclass", Family::DataList}, {L"combolbox", Family::ComboList},
  };
  for (const Entry& entry : kTable) {
    if (name == entry.name) return entry.family;
  }
  return name.starts_with(L"apexgrid") ? Family::Grid : Family::Other;
}

Family FamilyOf(HWND window) {
  wchar_t name[256] = {};
  const int length = GetClassNameW(window, name, 256);
  return FamilyOfClass(length > 0 ? std::wstring_view(name, static_cast<size_t>(length)) : std::wstring_view());
}

const SkinSurfaces* CurrentSurfaces() noexcept {
  static const SkinSurfaces surfaces = BuildSkinBitmaps();
  return surfaces ? &surfaces : nullptr;
}

void TrackLeave(HWND window) {
  TRACKMOUSEEVENT request{sizeof request, TME_LEAVE, window, 0};
  TrackMouseEvent(&request);
}

}  // namespace quilnet::skin
