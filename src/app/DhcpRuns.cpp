#include "app/DhcpRuns.h"

#include <algorithm>

#include "net/Dhcp.h"

namespace quilnet {
namespace {

// wParam of the message: the run's number and the command's place in it.
constexpr unsigned kCommandBits = 1;
WPARAM Which(unsigned run, size_t command) { return (static_cast<WPARAM>(run) << kCommandBits) | command; }

}  // namespace

std::wstring DhcpRuns::Start(HWND window, const std::wstring& folder, const std::wstring& name) {
  const auto lines = DhcpCommandLines(SystemProgramPath(L"netsh.exe"), name);
  if (!lines) return kDhcpNameRefused;
  Run run;
  run.id = nextId_++;
  for (const std::wstring& line : *lines) {
    Command command;
    CapturedProcess started = starter_.StartCapturing(line, folder);
    command.process = std::move(started.process);
    command.output = std::move(started.output);
    if (command.process) {
      command.watch =
          std::make_unique<ProcessWatch>(command.process.get(), window, message_, Which(run.id, run.commands.size()));
    }
    // A command that did not start, or whose end we could not learn, cannot have succeeded.
    command.running = command.watch && command.watch->watching();
    if (!command.running) run.failed = true;
    run.commands.push_back(std::move(command));
  }
  if (!run.Running()) return kDhcpFailed;
  runs_.push_back(std::move(run));
  return kDhcpRunning;
}

std::optional<std::wstring> DhcpRuns::Ended(WPARAM which) {
  const unsigned id = static_cast<unsigned>(which >> kCommandBits);
  const size_t index = which & ((1u << kCommandBits) - 1);
  const auto run = std::find_if(runs_.begin(), runs_.end(), [&](const Run& r) { return r.id == id; });
  if (run == runs_.end() || index >= run->commands.size() || !run->commands[index].running) return std::nullopt;
  Command& command = run->commands[index];
  command.running = false;
  // Its output is complete now that it has ended.
  const std::wstring said = command.output ? ReadCapturedOutput(command.output.get()) : std::wstring();
  if (!DhcpCommandSucceeded(starter_.ExitCode(command.process.get()), said)) run->failed = true;
  if (run->Running()) return std::nullopt;
  const std::wstring text = run->failed ? kDhcpFailed : kDhcpSucceeded;
  runs_.erase(run);
  return text;
}

}  // namespace quilnet
