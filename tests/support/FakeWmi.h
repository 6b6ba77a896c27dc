#pragma once
// A WMI stand-in that serves adapters from a table and records every call verbatim.
#include <atomic>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/Wmi.h"

namespace quilnet::test {

// What one call of a method answers, and whether its values then stand on the adapter.
struct FakeAnswer {
  long code = 0;
  bool takesEffect = true;
};

struct FakeAdapter {
  std::wstring description;
  WmiValue ipAddress;  // Null, or the list of addresses
  WmiValue mac;
  // What each method answers, call by call; past the listed ones, 0 with effect. A call that takes effect
  // sets its values as Windows does: EnableStatic puts its address and mask in the place of the IPv4 one
  // (first when there is none; IPv6 stays where it is), the others replace the gateway or the servers.
  std::map<std::wstring, std::vector<FakeAnswer>> answers;
  WmiValue ipSubnet, gateways, dnsServers;  // IPSubnet, DefaultIPGateway, DNSServerSearchOrder
};

// How a method call shows in the log: Call EnableStatic ["10.0.0.2"] ["255.0.0.0"]; a 16-bit integer as 1:I2.
std::wstring DescribeCall(const std::wstring& method, const std::vector<WmiArray>& arguments);

// Shared by fakes of several seams, so that a test can check the order of everything that left the process.
using CallLog = std::vector<std::wstring>;

class FakeWmi final : public Wmi {
 public:
  explicit FakeWmi(std::shared_ptr<CallLog> log = std::make_shared<CallLog>()) : log_(std::move(log)) {}

  // Set it before a window opens; while another thread may ask, through SetAdapters.
  std::vector<FakeAdapter> adapters;
  void SetAdapters(std::vector<FakeAdapter> table);
  std::vector<FakeAdapter> Adapters();
  // How often the log shows this call; safe while other threads call.
  size_t Count(const std::wstring& call);
  // Failures to inject, by what the log would say: "Connect winmgmts:", "ExecQuery ...", "Item IPAddress",
  // or a method call as DescribeCall writes it.
  std::vector<std::wstring> failOn;

  std::unique_ptr<WmiService> Connect(const std::wstring& moniker) override;
  // Clients for other threads record into this one (safe from any thread; set the tables beforehand).
  std::unique_ptr<Wmi> ForThisThread() override;
  const CallLog& log() const { return *log_; }
  std::shared_ptr<CallLog> sharedLog() const { return log_; }

  // Records the call; throws when failOn names it; waits at a hold.
  void Record(const std::wstring& call);
  // The answer to a method call on the adapter at `index` of the table (see FakeAdapter).
  FakeAnswer Answer(size_t index, const std::wstring& method, const std::vector<WmiArray>& arguments);

  // Every call the log would show as `call` waits there until Release lets one through. WaitHeld: a call is
  // waiting (false after `ms`). A hold that nobody releases gives way after 20 s and says so in
  // holdGaveWay, so that a test that would hang fails instead.
  void HoldAt(std::wstring call);
  bool WaitHeld(DWORD ms = 20000);
  void Release();
  bool holdGaveWay() const { return gaveWay_; }
  // Clients made by ForThisThread that are still alive.
  int threadClients() const { return threadClients_; }
  // Connections asked for from a thread that is not in a single-threaded COM apartment.
  int connectsOutsideSta() const { return connectsOutsideSta_; }

 private:
  friend class ThreadClient;
  std::shared_ptr<CallLog> log_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::wstring holdAt_;
  int waiting_ = 0;
  int passes_ = 0;
  bool gaveWay_ = false;
  std::atomic<int> threadClients_{0};
  std::atomic<int> connectsOutsideSta_{0};
};

}  // namespace quilnet::test
