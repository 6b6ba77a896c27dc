#pragma once
// How the skin's dispatcher hands a message of an attached window to its painters. The dispatcher
// (attachment, module state, hooks) owns SkinWindowProc; the push-button painter and the control
// painters each answer the messages routed to them and pass the rest on through `next`.
#include <windows.h>

#include <string_view>

#include "platform/LeaveTracking.h"
#include "platform/Subclass.h"

namespace quilnet::skin {

class SkinSurfaces;

// The kind of a window, from its class name.
enum class Family {
  Form, PushButton, Combo, DriveList, CheckBox, Option, Progress, Header, DataList, ComboList, Grid, Other,
};
Family FamilyOfClass(std::wstring_view className);
Family FamilyOf(HWND window);

// One routed message: the window, its family, the message, and the procedure below the skin
// ("default processing" is `next()`).
struct Routed {
  const WindowMessage& message;
  const NextProcedure& next;
  Family family;
  HWND hwnd() const noexcept { return message.hwnd; }
  LRESULT Default() const noexcept { return next(); }
};

// The module's five skin bitmaps while the engine is initialised (at least one window attached), else
// nullptr. Painters draw from them; they never keep them.
const SkinSurfaces* CurrentSurfaces() noexcept;

// Push buttons: the four state surfaces, owner-drawn style and rounded region at attachment (before
// the window is subclassed), everything of theirs removed at detachment, and their routed messages
// (size, focus, enable, paint, key, timer, mouse). WM_NCPAINT of a push button goes to ControlMessage.
void PrepareButton(HWND button);
void ReleaseButton(HWND button);
LRESULT ButtonMessage(const Routed& routed);

// Every other family, and WM_NCPAINT and WM_WINDOWPOSCHANGING of all families: combo and drive-list
// borders and drop buttons, check boxes, options, headers, progress bars, list borders, client edges.
LRESULT ControlMessage(const Routed& routed);
// After a click: repaints the mark of an attached check box or option in state 0, forced.
void RefreshCheck(HWND window, Family family);

}  // namespace quilnet::skin
