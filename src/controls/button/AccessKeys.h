#pragma once
// The buttons' access keys: the key a caption marks, and what a key typed in the window does with it.
#include <windows.h>

#include <string>
#include <string_view>

namespace quilnet::button {

// The access key of a caption in lower case, or an empty text when it has none. Only a letter or a digit
// is a key: "Home & Office" marks a space, and a space or a tab must never press a button by its name.
std::wstring AccessKeyOf(std::wstring_view caption);

// For the host's message loop, before IsDialogMessage: an access key typed in `root` (Alt with the key, or
// the key alone while the focus is on a window that takes no typed characters), as a dialog takes it. The
// one enabled, visible button of `root` with that key is clicked; when several share the key, the focus
// moves on to the next of them after the focused window and none is clicked. True when the key was taken.
bool TranslateAccessKey(HWND root, const MSG& msg);

}  // namespace quilnet::button
