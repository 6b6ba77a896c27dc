#pragma once
// A message recorder in the manner of Wine's message tests: feed it from a window procedure, a subclass
// or a hook, then compare what it holds against a table of expected messages. A mismatch prints the
// whole recorded sequence beside the table.
#include <windows.h>
#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <span>
#include <string>
#include <vector>

namespace quilnet::test {

// What an expected entry checks beyond the message number.
enum MessageCheck : unsigned {
  kWParam = 1,    // wParam is equal
  kLParam = 2,    // lParam is equal
  kOptional = 4,  // may be missing from the sequence
  kWindow = 8,    // reached `window`
  kFrom = 16,     // was fed by the feed tagged `from`
};

struct ExpectedMessage {
  UINT message;
  unsigned checks = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  HWND window = nullptr;
  int from = 0;
};

struct RecordedMessage {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  int from;  // the tag of the feed that recorded it
};

class MessageRecorder {
 public:
  // Ignores by default what arrives at unpredictable moments (the pointer, timers, icons, hit tests).
  MessageRecorder();

  void Ignore(std::initializer_list<UINT> messages) { ignored_.insert(messages); }
  void IgnoreNothing() { ignored_.clear(); }

  void Add(HWND window, UINT message, WPARAM wParam, LPARAM lParam, int from = 0);
  void Add(const MSG& msg, int from = 0) { Add(msg.hwnd, msg.message, msg.wParam, msg.lParam, from); }
  void Add(const CWPSTRUCT& sent, int from = 0) { Add(sent.hwnd, sent.message, sent.wParam, sent.lParam, from); }
  void Add(const CWPRETSTRUCT& done, int from = 0) { Add(done.hwnd, done.message, done.wParam, done.lParam, from); }

  const std::vector<RecordedMessage>& messages() const noexcept { return messages_; }
  void Clear() { messages_.clear(); }
  // How many recorded messages have this number (and reached `window`, when one is given).
  size_t CountOf(UINT message, HWND window = nullptr) const;

  // Every recorded message, in order, matches the table (an optional entry may be skipped). Clears the
  // recording either way, so the next step starts afresh.
  ::testing::AssertionResult Matches(std::span<const ExpectedMessage> expected, const std::string& context = {});
  std::string Describe() const;

 private:
  std::set<UINT> ignored_;
  std::vector<RecordedMessage> messages_;
};

// The message's name (WM_PAINT), or its number in hex.
std::string MessageName(UINT message);

// Records what reaches one window, through a SetWindowSubclass hook that it removes again (if the window
// still lives) when it goes.
class MessageSpy {
 public:
  MessageSpy(HWND window, MessageRecorder& recorder, int from = 0);
  ~MessageSpy();
  MessageSpy(const MessageSpy&) = delete;
  MessageSpy& operator=(const MessageSpy&) = delete;

 private:
  static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  HWND window_;
  MessageRecorder& recorder_;
  int from_;
};

// Records every message sent to windows of this thread (a WH_CALLWNDPROC hook), or to `only`, while it lives.
// One at a time on a thread.
class SentMessageHook {
 public:
  explicit SentMessageHook(MessageRecorder& recorder, HWND only = nullptr, int from = 0);
  ~SentMessageHook();
  SentMessageHook(const SentMessageHook&) = delete;
  SentMessageHook& operator=(const SentMessageHook&) = delete;

 private:
  static LRESULT CALLBACK Proc(int code, WPARAM wParam, LPARAM lParam);
  HHOOK hook_ = nullptr;
  MessageRecorder& recorder_;
  HWND only_;
  int from_;
};

}  // namespace quilnet::test
