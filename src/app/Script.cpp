#include "app/Script.h"

namespace quilnet {

// One line that runs: netsh by its full system path (cmd would otherwise try the current folder, ours,
// first), its listing written whole beside the script, wherever cmd was started (from a share it falls
// back to the Windows folder). The program takes the names from the listing itself, so no name is ever
// parsed by cmd, and neither `for /f` (Wine's cmd starts its child as "CMD.EXE" by name), `more`, a
// pipe nor a bracketed block (whose redirection Wine's cmd drops) is needed.
const wchar_t kScriptTemplate[] =
    L":获取网络连接名称\r\n"
    L":scanEthernetAdapter\r\n"
    L"@\"%SystemRoot%\\System32\\netsh.exe\" interface show interface >\"%~dp0network.txt\"\r\n";

}  // namespace quilnet
