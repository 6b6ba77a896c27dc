#pragma once
// The main window on real USER and GDI for tests, with the WMI and process seams recorded: one harness
// for the window tests, the integration drivers' programs and the screenshots.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/Form1.h"
#include "support/FakeProcess.h"
#include "support/FakeWmi.h"
#include "support/TestFolder.h"

namespace quilnet::test {

class FormHarness {
 public:
  TestFolder folder;
  std::shared_ptr<CallLog> log = std::make_shared<CallLog>();
  FakeWmi wmi{log};
  RecordingStarter starter{log};
  std::unique_ptr<Form1> form;
  int closed = 0;  // how often the window reported that it is gone

  // What the window is made with: the fakes and the test folder above unless a test names others.
  struct With {
    Wmi* wmi = nullptr;
    ProcessStarter* starter = nullptr;
    std::wstring folder;
    const Clock* clock = nullptr;
    // The adapter watch. Unless a test asks for more, it looks once, as the window starts, and Open waits
    // for that look: later looks would add to the log at any moment. Nothing: no watch, no adapter list.
    std::optional<AdapterWatch::Timing> watch = AdapterWatch::Timing{.follow = false};
    ExitDeadline exitDeadline;
  };
  // Creates the window (its start-up sequence runs), shows it and handles what that queued.
  bool Open(const With& with);
  bool Open() { return Open(With{}); }

  HWND hwnd() const { return form ? form->hwnd() : nullptr; }
  // The control or label window of that name; a test fails when there is none.
  HWND Ctl(std::wstring_view name) const;
  std::wstring Text(std::wstring_view name) const { return form->Text(name); }
  // A button press as the user makes it (the window gets BN_CLICKED from the button).
  void Click(std::wstring_view button) const;
  // What a user's pick in a drop-down list does: the selection changes and the window is told.
  void Pick(std::wstring_view combo, int index) const;
  std::vector<std::wstring> Entries(std::wstring_view combo) const;
  // The window's place in its parent's client area.
  RECT Place(std::wstring_view name) const;
  // Whether the log holds a line that begins with `prefix`.
  bool Logged(const std::wstring& prefix) const;
};

// The same as a GoogleTest fixture: TEST_F(WindowTest, ...) { wmi.adapters = ...; Start(); ... }
class WindowTest : public ::testing::Test, public FormHarness {
 protected:
  void Start(const With& with = {}) { ASSERT_TRUE(Open(with)); }
};

std::string Utf8(std::wstring_view text);

}  // namespace quilnet::test
