#include "app/Script.h"

namespace quilnet {

const wchar_t kScriptTemplate[] =
    L":获取网络连接名称\r\n"
    L":scanEthernetAdapter\r\n"
    L"@(for /f \"tokens=3*\" %%a in ('netsh interface show interface^|more +2') do @echo,%%b)>\"%cd%\\network.txt\"\r\n"
    L"set j=0\r\n"
    L"for /f \"tokens=*\" %%i in (%cd%\\network.txt) do (\r\n"
    L"    set /a j+=1\r\n"
    L"    set con!j!=%%i\r\n"
    L"    call set ethernetAdapter=%%con!j!%%\r\n"
    L"    echo !ethernetAdapter!\r\n"
    L")\r\n"
    L"\r\n"
    L"goto setup\r\n"
    L"pause\r\n"
    L":eof\r\n";

}  // namespace quilnet
