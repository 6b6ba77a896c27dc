#pragma once
namespace quilnet {

// The connection-name script that the window carries in Text26 and writes to HQ.bat at every start:
// three lines, each ended by CR LF; it writes netsh's list of interfaces to network.txt beside itself and
// reads nothing.
extern const wchar_t kScriptTemplate[];

}  // namespace quilnet
