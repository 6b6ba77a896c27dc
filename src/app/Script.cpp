#include "app/Script.h"

namespace quilnet {

// Only the lines that write the list. What followed them in earlier versions echoed each name, and one of
// those lines had cmd parse the name a second time, so a connection name (or a swapped network.txt)
// holding "&" ran its own command with the program's rights.
const wchar_t kScriptTemplate[] =
    L":获取网络连接名称\r\n"
    L":scanEthernetAdapter\r\n"
    L"@(for /f \"tokens=3*\" %%a in ('netsh interface show interface^|more +2') do @echo,%%b)>\"%cd%\\network.txt\"\r\n";

}  // namespace quilnet
