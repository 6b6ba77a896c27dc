#pragma once
namespace quilnet {

// The connection-name script that the window carries in Text26 and writes to HQ.bat at every start.
// 14 lines, each ended by CR LF.
extern const wchar_t kScriptTemplate[];

}  // namespace quilnet
