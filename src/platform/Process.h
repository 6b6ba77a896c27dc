#pragma once
// Starting programs with a hidden window, without waiting for them.
#include <string>

#include "platform/Handles.h"

namespace quilnet {

class ProcessStarter {
 public:
  virtual ~ProcessStarter() = default;
  // Starts the command line hidden in the given folder and returns at once with the process handle;
  // an empty handle when the program could not be started.
  virtual UniqueHandle StartHidden(const std::wstring& commandLine, const std::wstring& currentFolder) = 0;
};

class SystemProcessStarter final : public ProcessStarter {
 public:
  UniqueHandle StartHidden(const std::wstring& commandLine, const std::wstring& currentFolder) override;
};

// Full path of a program in the system folder (cmd.exe, netsh.exe), so that no other folder's copy is run.
std::wstring SystemProgramPath(const std::wstring& name);

}  // namespace quilnet
