#include "support/Messages.h"

#include <commctrl.h>

#include <cstdio>
#include <stdexcept>

namespace quilnet::test {
namespace {

struct Named {
  UINT message;
  const char* name;
};

#define NAMED(m) {m, #m}
constexpr Named kNames[] = {
    NAMED(WM_CREATE), NAMED(WM_DESTROY), NAMED(WM_MOVE), NAMED(WM_SIZE), NAMED(WM_ACTIVATE), NAMED(WM_SETFOCUS),
    NAMED(WM_KILLFOCUS), NAMED(WM_ENABLE), NAMED(WM_SETREDRAW), NAMED(WM_SETTEXT), NAMED(WM_GETTEXT),
    NAMED(WM_GETTEXTLENGTH), NAMED(WM_PAINT), NAMED(WM_CLOSE), NAMED(WM_ERASEBKGND), NAMED(WM_SHOWWINDOW),
    NAMED(WM_ACTIVATEAPP), NAMED(WM_SETCURSOR), NAMED(WM_MOUSEACTIVATE), NAMED(WM_GETMINMAXINFO),
    NAMED(WM_DRAWITEM), NAMED(WM_MEASUREITEM), NAMED(WM_SETFONT), NAMED(WM_GETFONT), NAMED(WM_WINDOWPOSCHANGING),
    NAMED(WM_WINDOWPOSCHANGED), NAMED(WM_NOTIFY), NAMED(WM_GETICON), NAMED(WM_SETICON), NAMED(WM_NCCREATE),
    NAMED(WM_NCDESTROY), NAMED(WM_NCCALCSIZE), NAMED(WM_NCHITTEST), NAMED(WM_NCPAINT), NAMED(WM_NCACTIVATE),
    NAMED(WM_GETDLGCODE), NAMED(WM_NCMOUSEMOVE), NAMED(WM_KEYDOWN), NAMED(WM_KEYUP), NAMED(WM_CHAR),
    NAMED(WM_COMMAND), NAMED(WM_SYSCOMMAND), NAMED(WM_TIMER), NAMED(WM_CTLCOLOREDIT), NAMED(WM_CTLCOLORLISTBOX),
    NAMED(WM_CTLCOLORBTN), NAMED(WM_CTLCOLORSTATIC), NAMED(WM_MOUSEMOVE), NAMED(WM_LBUTTONDOWN),
    NAMED(WM_LBUTTONUP), NAMED(WM_PARENTNOTIFY), NAMED(WM_ENTERIDLE), NAMED(WM_CAPTURECHANGED),
    NAMED(WM_MOUSELEAVE), NAMED(WM_MOUSEHOVER), NAMED(WM_PRINT), NAMED(WM_PRINTCLIENT), NAMED(WM_GETOBJECT),
    NAMED(WM_STYLECHANGING), NAMED(WM_STYLECHANGED), NAMED(WM_THEMECHANGED), NAMED(WM_UPDATEUISTATE),
    NAMED(WM_CHANGEUISTATE), NAMED(WM_QUERYUISTATE), NAMED(BM_CLICK), NAMED(BM_SETSTATE), NAMED(BM_SETSTYLE),
    NAMED(BM_SETCHECK), NAMED(BM_GETCHECK), NAMED(BM_GETSTATE), NAMED(WM_APP),
};
#undef NAMED

std::string Hex(unsigned long long value) {
  char text[24];
  std::snprintf(text, sizeof text, "%llx", value);
  return text;
}

std::string Line(const RecordedMessage& m) {
  return MessageName(m.message) + " hwnd " + Hex(reinterpret_cast<uintptr_t>(m.window)) + " wp " + Hex(m.wParam) +
         " lp " + Hex(static_cast<unsigned long long>(m.lParam)) + (m.from ? " from " + std::to_string(m.from) : "");
}

std::string Line(const ExpectedMessage& e) {
  std::string line = MessageName(e.message);
  if (e.checks & kWParam) line += " wp " + Hex(e.wParam);
  if (e.checks & kLParam) line += " lp " + Hex(static_cast<unsigned long long>(e.lParam));
  if (e.checks & kWindow) line += " hwnd " + Hex(reinterpret_cast<uintptr_t>(e.window));
  if (e.checks & kFrom) line += " from " + std::to_string(e.from);
  if (e.checks & kOptional) line += " (optional)";
  return line;
}

bool Fits(const ExpectedMessage& e, const RecordedMessage& m) {
  return e.message == m.message && (!(e.checks & kWParam) || e.wParam == m.wParam) &&
         (!(e.checks & kLParam) || e.lParam == m.lParam) && (!(e.checks & kWindow) || e.window == m.window) &&
         (!(e.checks & kFrom) || e.from == m.from);
}

thread_local SentMessageHook* activeHook = nullptr;

}  // namespace

std::string MessageName(UINT message) {
  for (const Named& n : kNames) {
    if (n.message == message) return n.name;
  }
  return "0x" + Hex(message);
}

MessageRecorder::MessageRecorder()
    : ignored_{WM_GETICON, WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEMOVE, WM_NCMOUSEMOVE, WM_TIMER, WM_GETOBJECT,
               WM_ENTERIDLE} {}

void MessageRecorder::Add(HWND window, UINT message, WPARAM wParam, LPARAM lParam, int from) {
  if (ignored_.count(message)) return;
  messages_.push_back({window, message, wParam, lParam, from});
}

size_t MessageRecorder::CountOf(UINT message, HWND window) const {
  size_t count = 0;
  for (const RecordedMessage& m : messages_) count += m.message == message && (!window || m.window == window);
  return count;
}

std::string MessageRecorder::Describe() const {
  std::string text;
  for (size_t i = 0; i < messages_.size(); ++i) text += "  " + std::to_string(i) + ": " + Line(messages_[i]) + "\n";
  return text.empty() ? "  (nothing)\n" : text;
}

::testing::AssertionResult MessageRecorder::Matches(std::span<const ExpectedMessage> expected,
                                                    const std::string& context) {
  size_t e = 0, m = 0;
  std::string problem;
  while (problem.empty() && (e < expected.size() || m < messages_.size())) {
    if (e < expected.size() && m < messages_.size() && Fits(expected[e], messages_[m])) {
      ++e, ++m;
    } else if (e < expected.size() && (expected[e].checks & kOptional)) {
      ++e;
    } else if (e < expected.size() && m < messages_.size()) {
      problem = "entry " + std::to_string(e) + " (" + Line(expected[e]) + ") met message " + std::to_string(m);
    } else if (e < expected.size()) {
      problem = "entry " + std::to_string(e) + " (" + Line(expected[e]) + ") never came";
    } else {
      problem = "message " + std::to_string(m) + " came after the last entry";
    }
  }
  const std::string recorded = Describe();
  messages_.clear();
  if (problem.empty()) return ::testing::AssertionSuccess();
  std::string table;
  for (size_t i = 0; i < expected.size(); ++i) table += "  " + std::to_string(i) + ": " + Line(expected[i]) + "\n";
  return ::testing::AssertionFailure() << (context.empty() ? "" : context + ": ") << problem << "\nexpected:\n"
                                       << table << "recorded:\n" << recorded;
}

MessageSpy::MessageSpy(HWND window, MessageRecorder& recorder, int from)
    : window_(window), recorder_(recorder), from_(from) {
  SetWindowSubclass(window_, Proc, reinterpret_cast<UINT_PTR>(this), reinterpret_cast<DWORD_PTR>(this));
}

MessageSpy::~MessageSpy() {
  if (IsWindow(window_)) RemoveWindowSubclass(window_, Proc, reinterpret_cast<UINT_PTR>(this));
}

LRESULT CALLBACK MessageSpy::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<MessageSpy*>(data);
  self->recorder_.Add(hwnd, message, wParam, lParam, self->from_);
  if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, Proc, reinterpret_cast<UINT_PTR>(self));
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

SentMessageHook::SentMessageHook(MessageRecorder& recorder, HWND only, int from)
    : recorder_(recorder), only_(only), from_(from) {
  if (activeHook) throw std::logic_error("one sent-message hook a thread");
  activeHook = this;
  hook_ = SetWindowsHookExW(WH_CALLWNDPROC, Proc, nullptr, GetCurrentThreadId());
}

SentMessageHook::~SentMessageHook() {
  if (hook_) UnhookWindowsHookEx(hook_);
  activeHook = nullptr;
}

LRESULT CALLBACK SentMessageHook::Proc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && activeHook) {
    const auto& sent = *reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (!activeHook->only_ || activeHook->only_ == sent.hwnd) activeHook->recorder_.Add(sent, activeHook->from_);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace quilnet::test
