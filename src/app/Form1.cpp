#include "app/Form1.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "app/About.h"
#include "app/Layout.h"
#include "app/Twips.h"
#include "net/ConnectionNames.h"
#include "platform/CodePage.h"
#include "platform/Files.h"
#include "platform/Gdi.h"
#include "platform/SkipOnFailure.h"
#include "profiles/ProfileFile.h"
#include "skin/MSkinner.h"
#include "resource.h"

namespace quilnet {
namespace {

constexpr int kFirstControlId = 100;
constexpr BYTE kGb2312Charset = 134;
constexpr wchar_t kFace[] = L"宋体";
constexpr wchar_t kScriptFile[] = L"HQ.bat";
constexpr wchar_t kNamesFile[] = L"network.txt";
constexpr int kDroppedListHeight = 160;  // pixels at 96 DPI below a combo's field when it is open

// The caption's width, and the height of a line of its font.
SIZE CaptionSize(HDC dc, HFONT font, const wchar_t* caption) {
  Selection select(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, caption, static_cast<int>(wcslen(caption)), &size);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  size.cy = metrics.tmHeight;
  return size;
}

// Kinds that have a window the user works with; a label never reaches over one of them.
bool IsControlKind(ControlKind kind) {
  return kind == ControlKind::Combo || kind == ControlKind::Button || kind == ControlKind::Text ||
         kind == ControlKind::Frame;
}

bool SameContainer(const wchar_t* a, const wchar_t* b) {
  return (!a && !b) || (a && b && std::wstring_view(a) == b);
}

// A drop-down list's height is its field's, which follows the item height; that is nudged until the
// closed combo has the height of the layout. (What CB_GETITEMHEIGHT answers need not be what was set.)
void FitComboField(HWND combo, int height) {
  LRESULT request = SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
  for (int attempt = 0; attempt < 4 && request != CB_ERR; ++attempt) {
    RECT r{};
    GetWindowRect(combo, &r);
    const int delta = height - (r.bottom - r.top);
    if (delta == 0 || request + delta < 1) return;
    request += delta;
    SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), request);
  }
}

std::vector<std::wstring> ComboEntries(HWND combo) {
  std::vector<std::wstring> entries;
  const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, i, 0);
    if (length < 0) continue;
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT got = SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(std::max<LRESULT>(got, 0)));
    entries.push_back(std::move(text));
  }
  return entries;
}

}  // namespace

Form1::Form1(Wmi& wmi, ProcessStarter& starter, std::wstring folder, const Clock& clock,
             ExitDeadline exitDeadline)
    : wmi_(wmi), starter_(starter), clock_(clock), folder_(std::move(folder)),
      dhcpRuns_(starter, kDhcpCommandEnded), applies_(wmi, kApplyEnded, std::move(exitDeadline)),
      watch_(wmi, kAdaptersChanged) {}

Form1::~Form1() { Destroy(); }

bool Form1::Create(int showCommand) {
  background_ = MakeSolidBrush(kFormColour);
  icon_ = LoadIconResource(IDI_QUILNET, GetSystemMetrics(SM_CXICON));
  smallIcon_ = LoadIconResource(IDI_QUILNET, GetSystemMetrics(SM_CXSMICON));
  if (!Register(kForm1Class)) return false;
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  if (!CreateTopLevel(kForm1Class, kForm1Caption, style, WS_EX_CONTROLPARENT)) return false;
  SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.get()));
  SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
  Load();
  // Centred on the work area, at the size the start-up sequence set.
  RECT work{}, outer{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  GetWindowRect(hwnd(), &outer);
  const int x = work.left + ((work.right - work.left) - (outer.right - outer.left)) / 2;
  const int y = work.top + ((work.bottom - work.top) - (outer.bottom - outer.top)) / 2;
  SetWindowPos(hwnd(), nullptr, std::max(x, 0), std::max(y, 0), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(hwnd(), showCommand);
  UpdateWindow(hwnd());
  StartBackgroundWork();
  return true;
}

// What the window does not wait for: it paints first, and then these run beside it. On a busy or single
// CPU, cmd and the processes it starts would otherwise compete with the window's own start-up.
void Form1::StartBackgroundWork() {
  const std::wstring script = FilePath(kScriptFile);
  // 4: the script, hidden, without waiting, in the program's own folder, in a job that ends with the
  // window; only a script that this run wrote. cmd expands %...% in its command line, so a path that holds
  // a '%' could name another file.
  Try(L"start HQ.bat", [&] {
    if (!scriptFile_ || script.find(L'%') != std::wstring::npos) return;
    script_ = starter_.StartScript(
        L"\"" + SystemProgramPath(L"cmd.exe") + L"\" /d /v:off /c \"\"" + script + L"\"\"", folder_);
  });
  if (!script_) scriptFile_.reset();
  // 5: the poll.
  Try(L"start tmrCheck", [&] { SetTimer(hwnd(), kTmrCheck, 1000, nullptr); });
  // The adapters, and from then on their changes. A first WMI connection can take seconds on Windows
  // (the service starting cold) and under Wine loads a dozen libraries.
  Try(L"watch adapters", [&] {
    if (adapterWatch) watch_.Start(hwnd(), *adapterWatch);
  });
}

HWND Form1::Control(std::wstring_view name) const {
  for (const Child& child : children_) {
    if (child.name == name) return child.hwnd;
  }
  return nullptr;
}

Form1::LabelPlace Form1::FindLabel(std::wstring_view name) const {
  const Label* label = labels_.Find(name);
  if (!label) return {};
  return {label, GetParent(label->hwnd)};
}

std::wstring Form1::Text(std::wstring_view name) const {
  const HWND control = Control(name);
  return control ? WindowText(control) : std::wstring();
}

void Form1::SetText(std::wstring_view name, const std::wstring& text) {
  if (const Label* label = labels_.Find(name)) {
    // The status line reports outcomes: each one is announced, also when it repeats the last.
    labels_.SetText(*label, text, name == L"Label1");
    return;
  }
  if (const HWND control = Control(name)) SetWindowTextW(control, text.c_str());
}

void Form1::CreateControls() {
  dpi_ = WindowDpi(hwnd());
  font_ = MakeFont(kFace, 9, dpi_, kGb2312Charset);
  statusFont_ = MakeFont(kFace, 15.75, dpi_, kGb2312Charset);
  banner_ = LoadBitmapResource(IDB_BANNER);
  int id = kFirstControlId;
  // The labels' captions are measured on one screen-compatible surface, not on a window DC each.
  const UniqueDc measure = MakeMemoryDc(nullptr);
  for (const LayoutRow& item : ControlLayout()) {
    const HWND container = item.container ? Control(item.container) : hwnd();
    if (!container) continue;
    switch (item.kind) {
      case ControlKind::Label:
      case ControlKind::Status:
        if (const HWND label = AddLabel(item, container, measure.get(), id++)) {
          children_.push_back({item.name, label});
        }
        break;
      case ControlKind::Picture: {
        const RECT bounds = TwipsToPixels(item.left, item.top, item.width, item.height, dpi_);
        bannerAt_ = {bounds.left, bounds.top};
        break;
      }
      case ControlKind::Frame: {
        auto frame = std::make_unique<Frame>();
        if (frame->Create(container, TwipsToPixels(item.left, item.top, item.width, item.height, dpi_), id++,
                          font_.get(), background_.get())) {
          children_.push_back({item.name, frame->hwnd()});
          frames_.push_back(std::move(frame));
        }
        break;
      }
      default:
        if (const HWND control = CreateOne(item, container, id++)) children_.push_back({item.name, control});
        break;
    }
  }
}

HWND Form1::AddLabel(const LayoutRow& item, HWND container, HDC measure, int id) {
  const bool status = item.kind == ControlKind::Status;
  const HFONT font = status ? statusFont_.get() : font_.get();
  const auto [bounds, textWidth] = LabelBounds(item, measure, font);
  const Label look{item.name, nullptr, font, status ? kStatusColour : CLR_INVALID,
                   static_cast<UINT>(status ? DT_CENTER : DT_LEFT), textWidth};
  return labels_.Add(look, container, bounds, item.caption, id);
}

// A label's window holds its whole caption: as wide as the caption where the layout leaves the width
// open, and at least one line of its font high. It stops where a control of its row begins, as the
// control covers that part in any case; its caption is still aligned in the full width.
std::pair<RECT, int> Form1::LabelBounds(const LayoutRow& item, HDC measure, HFONT font) const {
  RECT bounds = TwipsToPixels(item.left, item.top, item.width, item.height, dpi_);
  const SIZE caption = CaptionSize(measure, font, item.caption);
  if (item.width == 0) bounds.right = bounds.left + caption.cx;
  bounds.bottom = std::max<LONG>(bounds.bottom, bounds.top + caption.cy);
  const int textWidth = bounds.right - bounds.left;
  for (const LayoutRow& other : ControlLayout()) {
    if (!IsControlKind(other.kind) || !SameContainer(other.container, item.container)) continue;
    const RECT r = TwipsToPixels(other.left, other.top, other.width, other.height, dpi_);
    if (r.left > bounds.left && r.left < bounds.right && r.top < bounds.bottom && r.bottom > bounds.top) {
      bounds.right = r.left;
    }
  }
  return {bounds, textWidth};
}

void Form1::Paint(HDC dc) const { DrawBitmap(dc, banner_.get(), bannerAt_.x, bannerAt_.y); }

HWND Form1::CreateOne(const LayoutRow& item, HWND container, int id) {
  using K = ControlKind;
  const wchar_t* className = nullptr;
  DWORD style = WS_VISIBLE;
  DWORD exStyle = 0;
  switch (item.kind) {
    case K::Combo:
      className = L"ComboBox";
      style |= CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
      break;
    case K::Button:
      return CreateButton(item, container, id);
    case K::Text:
      className = L"Edit";
      style |= ES_AUTOHSCROLL | WS_TABSTOP;
      exStyle = WS_EX_CLIENTEDGE;
      break;
    case K::HiddenText:
      className = L"Edit";
      style = ES_AUTOHSCROLL;
      exStyle = WS_EX_CLIENTEDGE;
      break;
    case K::HiddenMultiText:
      className = L"Edit";
      style = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
      exStyle = WS_EX_CLIENTEDGE;
      break;
    default:
      return nullptr;  // labels, the banner and group boxes are not standard controls
  }
  RECT bounds = TwipsToPixels(item.left, item.top, item.width, item.height, dpi_);
  if (item.kind == K::Combo) bounds.bottom += MulDiv(kDroppedListHeight, static_cast<int>(dpi_), 96);
  const HWND control = CreateControl(container, className, item.caption, style, exStyle, bounds, id);
  if (!control) return nullptr;
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  if (item.kind == K::Combo) FitComboField(control, TwipsToPixels(item.height, dpi_));
  return control;
}

// Every command button is one of our multi-style buttons, stored with the window's look: style 4 on the
// window colour, the button font and its caption; everything else reads as its default.
HWND Form1::CreateButton(const LayoutRow& item, HWND container, int id) {
  using namespace button;
  PropertyBag bag;
  bag.Write(L"ButtonStyle", std::int32_t{RoundedBevel}, std::int32_t{-1});
  bag.Write(L"BackColor", ColourValue{kFormColour}, ColourValue{kButtonFace});
  bag.Write(L"Font", FontDesc{kFace, 9, kGb2312Charset, FW_NORMAL}, FontDesc{});
  bag.Write(L"Caption", std::wstring(item.caption), std::wstring(L"zivududi1"));
  Container host;
  host.ambient.displayName = item.name;
  host.ambient.backColor = kFormColour;
  auto control = Zivududi::CreateFromBag(container, TwipsToPixels(item.left, item.top, item.width, item.height, dpi_),
                                         id, bag, std::move(host));
  if (!control) return nullptr;
  const HWND hwnd = control->hWnd();
  buttons_.push_back(std::move(control));
  return hwnd;
}

// The start-up sequence. Each step that fails is abandoned and the next one runs.
void Form1::Load() {
  const std::wstring script = FilePath(kScriptFile);
  // 1 to 3: the script file, new, from the template the window carries, held so until it has run.
  Try(L"write HQ.bat", [&] { scriptFile_ = WriteHeldFile(script, ToCodePage(Text(L"Text26"), kGbk)); });
  // A list left by an earlier run is not this run's.
  Try(L"delete network.txt", [&] { RemoveFile(FilePath(kNamesFile)); });
  // 4 and 5, the script's start and its poll, and 6 and 8, the adapter list with the first adapter chosen
  // and its address and MAC in the boxes, come once the window has painted (StartBackgroundWork).
  // 7: the clock.
  Try(L"start Timer2", [&] { SetTimer(hwnd(), kTimer2, 1000, nullptr); });
  // 9: the compact size, height first.
  Try(L"compact size", [&] { SetOuterSizeTwips(kCompactWidth, kCompactHeight, SizeOrder::HeightFirst); });
  // 10: the skin, on the window and every control in it.
  Try(L"SkinForm", [&] { skin::SkinForm(hwnd()); });
  // 11
  Try(L"clear Label1", [&] { SetText(L"Label1", L""); });
  // 12: the profiles, then the captions that show their names.
  Try(L"load IP.ini", [&] { LoadProfileBoxes(); });
  Try(L"show profile names", [&] { ShowProfileNames(); });
}

void Form1::Unload() { DeleteGeneratedFiles(); }

void Form1::DeleteGeneratedFiles() {
  // A script that still runs ends first, so that nothing writes the list after it was deleted.
  script_.End();
  scriptFile_.reset();
  Try(L"delete HQ.bat", [&] { RemoveFile(FilePath(kScriptFile)); });
  Try(L"delete network.txt", [&] { RemoveFile(FilePath(kNamesFile)); });
}

void Form1::SetOuterSizeTwips(int width, int height, SizeOrder order) {
  RECT r{};
  GetWindowRect(hwnd(), &r);
  const int w = TwipsToPixels(width, dpi_);
  const int h = TwipsToPixels(height, dpi_);
  constexpr UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
  // The order shows only on screen: a window not shown yet (start-up) takes its size in one step.
  if (IsWindowVisible(hwnd())) {
    if (order == SizeOrder::HeightFirst) {
      SetWindowPos(hwnd(), nullptr, 0, 0, r.right - r.left, h, flags);
    } else {
      SetWindowPos(hwnd(), nullptr, 0, 0, w, r.bottom - r.top, flags);
    }
  }
  SetWindowPos(hwnd(), nullptr, 0, 0, w, h, flags);
}

void Form1::OnCombo1Click() {
  const std::wstring description = Text(L"Combo1");
  adapters_.Select(wmi_, description, *this);
}

// The adapters changed: the list follows them, the chosen adapter stays chosen (the first when it has
// gone), and the boxes show the chosen one. What has not changed is not touched, so nothing repaints.
void Form1::OnAdaptersChanged() {
  std::optional<AdapterSnapshot> snapshot = watch_.Take();
  const HWND combo = Control(L"Combo1");
  if (!snapshot || !combo) return;
  // A list that is open is under the user's hand: it changes once it has closed.
  if (SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0)) {
    watchHeld_ = true;
    return;
  }
  std::vector<std::wstring> descriptions;
  for (const AdapterState& adapter : *snapshot) descriptions.push_back(adapter.description);
  if (descriptions != ComboEntries(combo)) {
    const auto was = static_cast<size_t>(SendMessageW(combo, CB_GETCURSEL, 0, 0));  // CB_ERR: past the end
    const std::wstring chosen = Text(L"Combo1");
    size_t index = 0;
    if (was < descriptions.size() && descriptions[was] == chosen) {
      index = was;
    } else if (const auto found = std::find(descriptions.begin(), descriptions.end(), chosen);
               found != descriptions.end()) {
      index = static_cast<size_t>(found - descriptions.begin());
    }
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const std::wstring& description : descriptions) {
      SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(description.c_str()));
    }
    SendMessageW(combo, CB_SETCURSEL, index, 0);
  }
  const AdapterState shown = StateOf(*snapshot, Text(L"Combo1"));
  if (Text(L"Text27") != shown.address) ShowAddress(shown.address);
  if (Text(L"Text28") != shown.mac) ShowPhysicalAddress(shown.mac);
}

void Form1::OnCommand3Click() {
  DeleteGeneratedFiles();
  DestroyWindow(hwnd());
}

void Form1::LoadProfileBoxes() {
  const ProfileValues values = LoadProfiles(FilePath(kProfileFile));
  for (size_t p = 0; p < kProfileControls.size(); ++p) {
    for (size_t k = 0; k < kProfileKeys.size(); ++k) SetText(kProfileControls[p].boxes[k], values[p][k]);
  }
}

void Form1::ShowProfileNames() {
  for (const ProfileControls& profile : kProfileControls) SetText(profile.button, Text(profile.boxes[0]));
  // The group boxes in the order of their names: profile 4 sits in Frame1.
  for (size_t p : {3, 0, 1, 2}) SetText(kProfileControls[p].frame, Text(kProfileControls[p].boxes[0]));
}

AddressFields Form1::ProfileFields(size_t profile) const {
  const auto& boxes = kProfileControls[profile].boxes;
  return {Text(boxes[1]), Text(boxes[2]), Text(boxes[3]), Text(boxes[4]), Text(boxes[5])};
}

void Form1::OnCommand1Click() {
  bool valid = true;
  for (size_t p = 0; p < kProfileControls.size(); ++p) valid = AllValid(ProfileFields(p)) && valid;
  if (!valid) {
    Try(L"report invalid address", [&] { SetText(L"Label1", L"IP地址输入错误，保存失败！"); });
    Try(L"focus Text6", [&] { SetFocus(Control(L"Text6")); });
    return;
  }
  ProfileValues values;
  for (size_t p = 0; p < kProfileControls.size(); ++p) {
    for (size_t k = 0; k < kProfileKeys.size(); ++k) values[p][k] = Text(kProfileControls[p].boxes[k]);
  }
  // Captions follow the file: a save that did not reach it changes nothing on screen.
  bool saved = false;
  Try(L"save IP.ini", [&] { saved = SaveProfiles(FilePath(kProfileFile), values); });
  if (!saved) {
    Try(L"report save failed", [&] { SetText(L"Label1", L"提示：保存失败，无法写入IP.ini！"); });
    return;
  }
  Try(L"show profile names", [&] { ShowProfileNames(); });
  Try(L"report saved", [&] { SetText(L"Label1", L"提示：保存成功！"); });
}

void Form1::OnCommand2Click() {
  for (const ProfileControls& profile : kProfileControls) {
    for (size_t k = 1; k < profile.boxes.size(); ++k) SetText(profile.boxes[k], L"");
  }
  SetText(L"Label1", L"清除成功！");
  SetFocus(Control(L"Text6"));
}

bool Form1::ChangeIP(const AddressFields& fields, const std::wstring& caption) {
  return applies_.Start(hwnd(), caption, Text(L"Combo1"), fields);
}

void Form1::OnApplyClick(size_t profile) {
  Try(L"clear Label1", [&] { SetText(L"Label1", L""); });
  // The caption is the name as last loaded or saved, not what the name box holds now.
  std::wstring caption;
  Try(L"read the caption", [&] { caption = Text(kProfileControls[profile].button); });
  // Whatever keeps the switch from starting shows as its failure, never as nothing.
  HRESULT failure = E_UNEXPECTED;
  try {
    const AddressFields fields = ProfileFields(profile);
    if (!AllValid(fields)) {
      SetText(L"Label1", L"提示：IP地址格式错误！");
      return;
    }
    if (ChangeIP(fields, caption)) return;  // the outcome comes as kApplyEnded
  } catch (...) {
    failure = FailureCode(std::current_exception());
  }
  Try(L"report the failure", [&] { SetText(L"Label1", caption + SwitchFailure(failure)); });
}

// Only the program sizes the window, so it is compact exactly when it has the compact width. The width
// is compared in pixels at the window's resolution: at most resolutions 6195 twips are no whole number
// of pixels, and the width the window reports would not convert back to 6195.
void Form1::OnCommand4Click() {
  RECT r{};
  GetWindowRect(hwnd(), &r);
  if (r.right - r.left == TwipsToPixels(kCompactWidth, dpi_)) {
    SetOuterSizeTwips(kExpandedWidth, kExpandedHeight, SizeOrder::WidthFirst);
  } else {
    SetOuterSizeTwips(kCompactWidth, kCompactHeight, SizeOrder::WidthFirst);
  }
}

void Form1::OnTimer2() {
  const SYSTEMTIME now = clock_.Now();
  SetText(L"Label30", L"当前时间：" + ShortDateText(now) + L" " + LongTimeText(now));
}

// The connection names, read once the script has ended, so never from a half-written file: a tick
// that finds it running waits for the next, up to a bound. With no script to wait for, the first tick
// reads whatever is there. Once the poll is over, a script that still runs writes for nobody: it ends.
void Form1::OnTmrCheck() {
  if (script_ && !starter_.ExitCode(script_.process()) && ++pollTicks_ < kMaxPollTicks) return;
  KillTimer(hwnd(), kTmrCheck);
  namesRead_ = true;  // once a start: the list is never filled again
  script_.End();
  scriptFile_.reset();
  Try(L"fill Combo2", [&] {
    const HWND combo = Control(L"Combo2");
    for (const std::wstring& name : ReadConnectionNames(FilePath(kNamesFile))) {
      const std::wstring entry = ConnectionEntry(name);
      SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    }
    if (SendMessageW(combo, CB_SETCURSEL, 0, 0) != CB_ERR) OnCombo2Click();
  });
}

void Form1::OnCombo2Click() { SetText(L"Text25", NameOfEntry(Text(L"Combo2"))); }

void Form1::OnZivududi1Click() {
  Try(L"switch to DHCP", [&] { SetText(L"Label1", dhcpRuns_.Start(hwnd(), folder_, Text(L"Text25"))); });
}

void Form1::ShowAddress(const std::wstring& address) { SetText(L"Text27", address); }
void Form1::ShowPhysicalAddress(const std::wstring& mac) { SetText(L"Text28", mac); }

void Form1::OnCommand(HWND control, int code) {
  if (!control) return;
  if (control == Control(L"Combo1")) {
    if (code == CBN_SELCHANGE) OnCombo1Click();
    if (code == CBN_CLOSEUP && std::exchange(watchHeld_, false)) watch_.Refresh();
    return;
  }
  if (control == Control(L"Combo2")) {
    if (code == CBN_SELCHANGE) OnCombo2Click();
    return;
  }
  if (code != BN_CLICKED) return;
  if (control == Control(L"Command3")) {
    OnCommand3Click();
  } else if (control == Control(L"Command1")) {
    OnCommand1Click();
  } else if (control == Control(L"Command2")) {
    OnCommand2Click();
  } else if (control == Control(L"Command4")) {
    OnCommand4Click();
  } else if (control == Control(L"Command5")) {
    ShowAbout(hwnd());
  } else if (control == Control(L"zivududi1")) {
    OnZivududi1Click();
  } else {
    for (size_t p = 0; p < kProfileControls.size(); ++p) {
      if (control == Control(kProfileControls[p].button)) OnApplyClick(p);
    }
  }
}

void Form1::OnTimer(UINT_PTR id) {
  if (id == kTmrCheck && !namesRead_) {
    OnTmrCheck();
  } else if (id == kTimer2) {
    OnTimer2();
  }
}

LRESULT Form1::ColourControl(HDC dc) {
  // Under a high-contrast theme the boxes take its colours: its window text (white under the dark
  // themes) would not read on the light blue.
  HIGHCONTRASTW contrast{sizeof contrast};
  if (SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
      (contrast.dwFlags & HCF_HIGHCONTRASTON)) {
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
  }
  // Boxes and lists share the window's colour, and say their text colour too rather than inherit one.
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, kFormColour);
  return reinterpret_cast<LRESULT>(background_.get());
}

LRESULT Form1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      CreateControls();
      return 0;
    case WM_COMMAND:
      OnCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
      return 0;
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    // A switch has ended: the boxes show what it made of the adapter.
    case kDhcpCommandEnded:
      if (const auto text = dhcpRuns_.Ended(wParam)) {
        SetText(L"Label1", *text);
        watch_.Refresh();
      }
      return 0;
    case kApplyEnded:
      if (const auto text = applies_.Ended(wParam)) {
        SetText(L"Label1", *text);
        watch_.Refresh();
      }
      return 0;
    case kAdaptersChanged:
      Try(L"follow the adapters", [&] { OnAdaptersChanged(); });
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return ColourControl(reinterpret_cast<HDC>(wParam));
    case WM_DRAWITEM:
      if (labels_.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
      break;
    case WM_DESTROY:
      applies_.Stop();
      watch_.Stop();
      KillTimer(hwnd(), kTmrCheck);
      KillTimer(hwnd(), kTimer2);
      Unload();
      return 0;
    case WM_NCDESTROY:
      children_.clear();
      if (onClosed) onClosed();
      break;
  }
  return PaintedWindow::HandleMessage(message, wParam, lParam);
}

}  // namespace quilnet
