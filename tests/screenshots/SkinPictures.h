#pragma once
#include <string>

namespace quilnet {

// Writes FOLDER\skin-bitmaps.png (the five skin bitmaps, 8x) and skin-samples.png (what the painters
// draw from them, 3x). False when a picture cannot be made or written.
bool ShootSkinBitmaps(const std::wstring& folder);
// Writes FOLDER\skin-gallery.png: one skinned control of every family in each state (normal, hot,
// pressed, disabled; unchecked, checked, indeterminate). False when it cannot be made or written.
bool ShootControlGallery(const std::wstring& folder);

}  // namespace quilnet
