#pragma once
// Push buttons in the skin: four ready state images per button (normal, hot, pressed, disabled) of the
// button's own size, a rounded window region, and a cross-fade that blends the image of the new state
// over the present picture once per timer tick. Every paint or tick is one blend of a ready image.
#include <windows.h>

#include <memory>

namespace quilnet::skin {

struct Routed;

inline constexpr UINT_PTR kFadeTimerId = 1;
inline constexpr UINT kFadeInterval = 15;  // ms
inline constexpr int kFadeStep = 3;        // added to the alpha per tick; past 255 the fade ends
inline constexpr int kReleaseAlpha = 60;   // a fade after the mouse button is released starts here
inline constexpr int kLeaveAlpha = 140;    // the hot image, drawn once as the pointer leaves
inline constexpr int kCornerEllipse = 3;
inline constexpr int kTextInset = 2;
inline constexpr COLORREF kDisabledTextColour = 0x968A79;
inline constexpr COLORREF kButtonTextColour = 0x000000;

// Redraws the four state images: the state's tile through the nine-grid, the caption, and the focus
// rectangle while the button has the focus.
void RenderButtonStates(HWND button);
// Starts the fade timer unless it runs; StopFade stops it.
void StartFade(HWND button);
void StopFade(HWND button);

// What a prepared button holds in memory: its state surfaces, and the values of its properties, which
// are written through on every change (reading a property is a round trip to the window manager, too
// slow for a fade tick). The dispatcher keeps it beside the button's subclass; it lives until the
// button is let go of (then `released`) and its subclass has gone.
struct ButtonState;
std::shared_ptr<ButtonState> ButtonStateOf(HWND button);
LRESULT ButtonMessage(const Routed& routed, ButtonState& state);

}  // namespace quilnet::skin
