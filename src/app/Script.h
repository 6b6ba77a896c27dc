#pragma once
namespace quilnet {

// The connection-name script that the window carries in Text26 and writes to HQ.bat at every start:
// three lines, each ended by CR LF; it writes the names, one a line, to network.txt and reads nothing.
extern const wchar_t kScriptTemplate[];

}  // namespace quilnet
