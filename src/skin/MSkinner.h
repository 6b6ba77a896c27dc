#pragma once
// The skin engine: attaches itself to a window and every standard window in it (and to the message
// boxes, dialogs and drop-down lists that appear later), paints them in the skin's look, and lets go of
// each window when it is destroyed.
//
// Everything runs on the thread that owns the windows; windows of other threads are never attached.
// Per-window state lives in the window's own properties (SkinProps.h); the engine keeps no list of
// windows, only how many are attached and, while any are, the five skin bitmaps.
#include <windows.h>

#include <string_view>

#include "platform/Subclass.h"

namespace quilnet::skin {

// Called once by the main window at start-up. The first call (or the first after every attached window
// has gone) builds the skin bitmaps and probes the hover interface; every call then attaches the window.
// 1 when the window was attached now, else 0.
int SkinForm(HWND window);

// Subclasses the window (a form: its descendants first) after preparing it by its kind. 1 when attached
// now; 0 for no window, another thread's window, or one already attached.
int AttachWindow(HWND window);

// Undoes AttachWindow (a form: its descendants too) and frees what the window held. When the last
// attached window goes, the skin bitmaps go too. 1 when detached now; 0 when the window was not attached.
// The engine calls it itself when an attached window is destroyed.
int DetachWindow(HWND window);

// How many windows are attached now.
int AttachedWindowCount() noexcept;

// ---- For the skin's painters (PushButton, Controls) ----

class SkinSurfaces;

// The kind of a window, from its class name.
enum class Family {
  Form, PushButton, Combo, DriveList, CheckBox, Option, Progress, Header, DataList, ComboList, Grid, Other,
};
Family FamilyOfClass(std::wstring_view className);
Family FamilyOf(HWND window);

// One message of an attached window, routed to its family's painter: the window, its family, the
// message, and the procedure below the skin ("default processing" is `next()`).
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

}  // namespace quilnet::skin
