#pragma once
// The DHCP button's runs. Each run starts the two netsh commands and reports once both have ended, from
// their exit codes and what they said; meanwhile the window goes on handling messages, and each
// process's end arrives as a message.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Handles.h"
#include "platform/Process.h"

namespace quilnet {

class DhcpRuns {
 public:
  // `message` is what the window receives, with its wParam for Ended, as each process ends.
  DhcpRuns(ProcessStarter& starter, UINT message) : starter_(starter), message_(message) {}

  // Starts a run for the connection in the given folder; the status text to show now: running, refused,
  // or failed when neither command could start.
  std::wstring Start(HWND window, const std::wstring& folder, const std::wstring& name);
  // A process of a run has ended: the status text when that ends its run, else nothing.
  std::optional<std::wstring> Ended(WPARAM which);

 private:
  struct Command {
    UniqueHandle process;  // before the watch, which must go first
    UniqueHandle output;   // what it says, read once it has ended
    std::unique_ptr<ProcessWatch> watch;
    bool running = false;
  };
  struct Run {
    unsigned id = 0;
    std::vector<Command> commands;
    bool failed = false;
    bool Running() const {
      for (const Command& c : commands) {
        if (c.running) return true;
      }
      return false;
    }
  };

  ProcessStarter& starter_;
  UINT message_;
  unsigned nextId_ = 0;
  std::vector<Run> runs_;
};

}  // namespace quilnet
