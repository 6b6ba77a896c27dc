#include "support/FormFixture.h"

#include "platform/CodePage.h"
#include "platform/Window.h"
#include "support/Pump.h"

namespace quilnet::test {

std::string Utf8(std::wstring_view text) { return ToCodePage(std::wstring(text), CP_UTF8); }

bool FormHarness::Open(const With& with) {
  form = std::make_unique<Form1>(with.wmi ? *with.wmi : wmi, with.starter ? *with.starter : starter,
                                 with.folder.empty() ? folder.path() : with.folder,
                                 with.clock ? *with.clock : TheSystemClock(), with.exitDeadline);
  form->onClosed = [this] { ++closed; };
  form->adapterWatch = with.watch;
  if (!form->Create(SW_SHOW)) return false;
  if (with.watch) PumpUntil([&] { return form->AdaptersLooked(); }, 20000);
  Drain();
  return true;
}

HWND FormHarness::Ctl(std::wstring_view name) const {
  const HWND h = form ? form->Control(name) : nullptr;
  EXPECT_NE(h, nullptr) << "no control " << Utf8(name);
  return h;
}

void FormHarness::Click(std::wstring_view button) const { SendMessageW(Ctl(button), BM_CLICK, 0, 0); }

void FormHarness::Pick(std::wstring_view combo, int index) const {
  const HWND list = Ctl(combo);
  SendMessageW(list, CB_SETCURSEL, index, 0);
  SendMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
}

std::vector<std::wstring> FormHarness::Entries(std::wstring_view combo) const {
  const HWND list = Ctl(combo);
  std::vector<std::wstring> entries;
  const LRESULT count = SendMessageW(list, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::wstring text(static_cast<size_t>(SendMessageW(list, CB_GETLBTEXTLEN, i, 0)), L'\0');
    SendMessageW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    entries.push_back(text);
  }
  return entries;
}

RECT FormHarness::Place(std::wstring_view name) const {
  const HWND control = Ctl(name);
  RECT r{};
  GetWindowRect(control, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

bool FormHarness::Logged(const std::wstring& prefix) const {
  for (const std::wstring& line : *log) {
    if (line.rfind(prefix, 0) == 0) return true;
  }
  return false;
}

}  // namespace quilnet::test
