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

// What a prepared button holds in memory: its four state surfaces, and its state, fade and hover, of
// which the properties ("OLDSTATE", "ALPHALEVEL", "TIMERID", "MOUSEFLAG", "OLDSTYLE") are copies
// written on every change for whoever reads them (reading a property is a round trip to the window
// manager, too slow for a fade tick).
struct ButtonState;

// Readies the button at attachment, before it is subclassed: state surfaces, owner-drawn type, rounded
// region, properties. The state it gives back is the button's skin handler's alone to hold.
std::shared_ptr<ButtonState> PrepareButton(HWND button);
// Undoes what PrepareButton did (surfaces, type, properties, region) and stops the fade.
void ReleaseButton(HWND button);
// The push-button messages the dispatcher routes here (all but WM_NCPAINT and WM_WINDOWPOSCHANGING).
LRESULT ButtonMessage(const Routed& routed, ButtonState& state);

}  // namespace quilnet::skin
