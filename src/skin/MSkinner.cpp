#include "skin/MSkinner.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string_view>

#include "skin/Controls.h"
#include "skin/PushButton.h"
#include "skin/SkinBitmaps.h"
#include "skin/SkinProps.h"

namespace quilnet::skin {
namespace {

// ---- Class families ----

struct FamilyName {
  std::wstring_view name;
  Family family;
};

constexpr std::array<FamilyName, 24> kFamilyNames = {{
    {L"#32770", Family::Form},
    {L"thunderformdc", Family::Form},
    {L"thunderrt6formdc", Family::Form},
    {L"form", Family::Form},
    {L"thundercommandbutton", Family::PushButton},
    {L"thunderrt6commandbutton", Family::PushButton},
    {L"button", Family::PushButton},
    {L"thundercombobox", Family::Combo},
    {L"thunderrt6combobox", Family::Combo},
    {L"combo", Family::Combo},
    {L"combobox", Family::Combo},
    {L"thunderdrivelistbox", Family::DriveList},
    {L"thunderrt6drivelistbox", Family::DriveList},
    {L"thundercheckbox", Family::CheckBox},
    {L"thunderrt6checkbox", Family::CheckBox},
    {L"thunderoptionbutton", Family::Option},
    {L"thunderrt6optionbutton", Family::Option},
    {L"progressbar20wndclass", Family::Progress},
    {L"progressbarwndclass", Family::Progress},
    {L"msvb_lib_header", Family::Header},
    {L"sysheader32", Family::Header},
    {L"datalistwndclass", Family::DataList},
    {L"dblistwndclass", Family::DataList},
    {L"combolbox", Family::ComboList},
}};

constexpr std::wstring_view kGridPrefix = L"apexgrid";

// Every name of the table is ASCII, so ASCII folding is exact (and no locale can make another name
// match one of them).
wchar_t FoldAscii(wchar_t c) noexcept { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

// ---- Module state: one per process, on the user-interface thread ----

struct Module {
  bool initialised = false;
  int attached = 0;
  std::unique_ptr<SkinSurfaces> surfaces;
};
Module module;

void Uninitialise() noexcept {
  module.attached = 0;
  module.surfaces.reset();
  module.initialised = false;
}

bool OnThisThread(HWND window) noexcept {
  return GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
}

bool Attached(HWND window) noexcept { return GetPropW(window, kProcAddr) != nullptr; }

// ---- What each family holds besides the subclass ----

// A push button's state comes back, for its handler to hold.
std::shared_ptr<ButtonState> Prepare(HWND window, Family family) {
  switch (family) {
    case Family::PushButton:
      return PrepareButton(window);
    case Family::Combo:
    case Family::DriveList:
    case Family::CheckBox:
    case Family::Option:
      WriteProp(window, kMouseFlag, 0);
      WriteProp(window, kOldState, 0);
      break;
    case Family::Header:
      WriteProp(window, kMouseFlag, 0);
      WriteProp(window, kHdIndex, -1);
      WriteProp(window, kHmIndex, -1);
      break;
    default:
      break;
  }
  return nullptr;
}

void Release(HWND window, Family family) {
  switch (family) {
    case Family::PushButton:
      ReleaseButton(window);
      break;
    case Family::Combo:
    case Family::DriveList:
    case Family::CheckBox:
    case Family::Option:
      RemovePropW(window, kMouseFlag);
      RemovePropW(window, kOldState);
      break;
    case Family::Header:
      RemovePropW(window, kMouseFlag);
      RemovePropW(window, kHdIndex);
      RemovePropW(window, kHmIndex);
      break;
    default:
      break;
  }
}

// Calls `each` on every descendant. No exception may cross the system's enumeration: one that a
// window throws skips that window and the walk goes on.
template <void (*each)(HWND)>
void ForEachDescendant(HWND parent) {
  EnumChildWindows(parent, [](HWND window, LPARAM) -> BOOL {
    try {
      each(window);
    } catch (...) {
    }
    return TRUE;
  }, 0);
}

void AttachOne(HWND window) { AttachWindow(window); }
void DetachOne(HWND window) { DetachWindow(window); }
void RefreshOne(HWND window) {
  if (Attached(window)) RefreshCheck(window, FamilyOf(window));
}

// Shows the window's new look (or its own again): the frame, then everything else.
void Repaint(HWND window) {
  // One not shown yet (start-up skins the form before it shows) is painted whole when it shows.
  if (!IsWindowVisible(window)) return;
  SendMessageW(window, WM_NCPAINT, 1, 0);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_INTERNALPAINT);
}

// ---- Dispatch ----

LRESULT Route(const WindowMessage& message, const NextProcedure& next, Family family, ButtonState* button) {
  const Routed routed{message, next, family};
  if (family == Family::PushButton && message.message != WM_NCPAINT && message.message != WM_WINDOWPOSCHANGING) {
    return button ? ButtonMessage(routed, *button) : routed.Default();
  }
  return ControlMessage(routed);
}

// A message box or dialog owned by this window, or any dialog, is skinned when it takes or gives up
// the activation.
void OnActivate(HWND window, HWND other) {
  if (!other) return;
  if (GetParent(other) == window || FamilyOf(other) == Family::Form) AttachWindow(other);
}

// Keeps every check box and option under the clicked window's parent in step with the click.
void RefreshGroup(HWND window) {
  if (!IsWindow(window)) return;  // the click closed it
  const HWND parent = GetParent(window);
  ForEachDescendant<RefreshOne>(parent ? parent : window);
}

LRESULT Dispatch(const WindowMessage& message, const NextProcedure& next, Family family, ButtonState* button) {
  const HWND window = message.hwnd;
  if (!window) return 0;
  switch (message.message) {
    case WM_DESTROY:
    case WM_NCDESTROY:
      // Whichever comes first: a hook above the skin may keep WM_DESTROY to itself.
      DetachWindow(window);
      return next();
    case WM_ACTIVATE:
      OnActivate(window, reinterpret_cast<HWND>(message.lParam));
      return next();
    case WM_ENTERIDLE:
    case WM_CTLCOLORLISTBOX: {
      // The dialog or menu that makes this window idle, the list that asks it for colours.
      const LRESULT result = next();
      if (message.lParam) AttachWindow(reinterpret_cast<HWND>(message.lParam));
      return result;
    }
    case WM_SIZE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_PAINT:
    case WM_WINDOWPOSCHANGING:
    case WM_NCPAINT:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_TIMER:
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSELEAVE:
      return Route(message, next, family, button);
    case WM_LBUTTONUP: {
      const LRESULT result = Route(message, next, family, button);
      RefreshGroup(window);
      return result;
    }
    case WM_PRINTCLIENT:
    case WM_SETTEXT:
    case WM_SETFONT:
    case BM_SETSTYLE:
      // A copy of a button's picture shows its image, as its paint does; a new caption or font goes
      // into its images; a skinned button stays owner-drawn when its type is set (a dialog making it
      // its default button).
      return family == Family::PushButton ? Route(message, next, family, button) : next();
    default:
      return next();
  }
}

}  // namespace

Family FamilyOfClass(std::wstring_view className) {
  std::array<wchar_t, 256> folded{};
  const size_t length = std::min(className.size(), folded.size());
  for (size_t i = 0; i < length; ++i) folded[i] = FoldAscii(className[i]);
  const std::wstring_view name(folded.data(), length);
  for (const FamilyName& entry : kFamilyNames) {
    if (entry.name == name) return entry.family;
  }
  return name.starts_with(kGridPrefix) ? Family::Grid : Family::Other;
}

Family FamilyOf(HWND window) {
  wchar_t name[256];
  const int length = GetClassNameW(window, name, 256);
  return FamilyOfClass(std::wstring_view(name, length > 0 ? static_cast<size_t>(length) : 0));
}

const SkinSurfaces* CurrentSurfaces() noexcept { return module.initialised ? module.surfaces.get() : nullptr; }

int SkinForm(HWND window) {
  if (!module.initialised) {
    module.initialised = true;
    module.surfaces = std::make_unique<SkinSurfaces>(BuildSkinBitmaps());
  }
  const int attached = AttachWindow(window);
  // Nothing attached (no window, or one the engine may not take): nothing kept either.
  if (module.attached == 0) Uninitialise();
  return attached;
}

int AttachWindow(HWND window) {
  if (!window || !IsWindow(window) || !OnThisThread(window) || Attached(window)) return 0;
  const Family family = FamilyOf(window);
  if (family == Family::Form) ForEachDescendant<AttachOne>(window);
  // The family, and a button's state, go with the handler (its only holder): no lookup on each message.
  const std::shared_ptr<ButtonState> button = Prepare(window, family);
  const auto handler = [family, button](const WindowMessage& message, const NextProcedure& next) {
    return Dispatch(message, next, family, button.get());
  };
  if (!AddProcSubclass(window, kProcAddr, handler)) {
    Release(window, family);
    return 0;
  }
  ++module.attached;
  Repaint(window);
  return 1;
}

int DetachWindow(HWND window) {
  if (!window || !OnThisThread(window) || !Attached(window)) return 0;
  const Family family = FamilyOf(window);
  if (family == Family::Form) ForEachDescendant<DetachOne>(window);
  Release(window, family);
  RemoveProcSubclass(window, kProcAddr);
  Repaint(window);
  if (--module.attached <= 0) Uninitialise();
  return 1;
}

int AttachedWindowCount() noexcept { return module.attached; }

}  // namespace quilnet::skin
