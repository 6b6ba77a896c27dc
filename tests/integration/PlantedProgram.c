/* A program planted under a system program's name (netsh.exe, cmd.exe, more.com): run, it leaves
   "<its own file name>.ran" beside itself. */
#include <windows.h>

int main(void) {
  wchar_t path[MAX_PATH + 8];
  DWORD n = GetModuleFileNameW(NULL, path, MAX_PATH);
  if (n > 0 && n < MAX_PATH) {
    lstrcpyW(path + n, L".ran");
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  }
  return 0;
}
