#pragma once
// The program's one window: its controls, the start-up sequence, shutdown and the handlers it routes.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/AdapterWatch.h"
#include "app/ApplyRuns.h"
#include "app/DhcpRuns.h"
#include "app/Frame.h"
#include "app/Labels.h"
#include "controls/button/Zivududi.h"
#include "net/Adapters.h"
#include "net/StaticSwitch.h"
#include "platform/Clock.h"
#include "platform/Handles.h"
#include "platform/PrivateMessages.h"
#include "platform/Process.h"
#include "platform/Window.h"
#include "platform/Wmi.h"

namespace quilnet {

// Its class is of the form family, so that the skin attaches everything inside it.
inline constexpr wchar_t kForm1Class[] = L"ThunderRT6FormDC";
inline constexpr wchar_t kForm1Caption[] = L"Quilnet[网卡IP一键切换]";

class Form1 final : public PaintedWindow, private AddressView {
 public:
  // `folder` is where the program's files lie: HQ.bat, network.txt, IP.ini. `clock` drives the clock label.
  // `exitDeadline`: how long the window's end waits for a static switch in progress (see ApplyRuns).
  Form1(Wmi& wmi, ProcessStarter& starter, std::wstring folder, const Clock& clock = TheSystemClock(),
        ExitDeadline exitDeadline = {});
  ~Form1() override;

  // Creates the window, runs the start-up sequence, then shows it. False when no window could be made.
  bool Create(int showCommand);

  // The window of that name (Combo1, Text27, Frame2, Label1, ...), or nullptr.
  HWND Control(std::wstring_view name) const;
  // The label of that name and the window it lies in, or nothing.
  struct LabelPlace {
    const Label* label = nullptr;
    HWND container = nullptr;
  };
  LabelPlace FindLabel(std::wstring_view name) const;
  // The text of a control or the caption of a label.
  std::wstring Text(std::wstring_view name) const;
  void SetText(std::wstring_view name, const std::wstring& text);

  // Called once the window is gone (the program ends there).
  std::function<void()> onClosed;
  // How the adapters are watched while the window is open; its first look fills the list. Nothing: not at
  // all, and the list stays empty. Read by Create.
  std::optional<AdapterWatch::Timing> adapterWatch = AdapterWatch::Timing{};
  // The watch's first look is over, and what it found is on its way to the window.
  bool AdaptersLooked() noexcept { return watch_.Looked(); }

  static constexpr UINT_PTR kTmrCheck = 1;
  static constexpr UINT_PTR kTimer2 = 2;
  // The poll waits at most this many ticks for the script to end, then reads what there is.
  static constexpr unsigned kMaxPollTicks = 30;

 private:
  struct Child {
    std::wstring_view name;
    HWND hwnd;
  };

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void StartBackgroundWork();
  void CreateControls();
  HWND CreateOne(const struct LayoutRow& item, HWND container, int id);
  HWND CreateButton(const struct LayoutRow& item, HWND container, int id);
  HWND AddLabel(const struct LayoutRow& item, HWND container, HDC measure, int id);
  // The label's window, and the width its caption is aligned in.
  std::pair<RECT, int> LabelBounds(const struct LayoutRow& item, HDC measure, HFONT font) const;
  void Paint(HDC dc) const override;
  HBRUSH Background() const override { return background_.get(); }
  LRESULT ColourControl(HDC dc);

  void Load();
  void Unload();
  void OnCommand(HWND control, int code);
  void OnTimer(UINT_PTR id);
  void OnCombo1Click();
  void OnAdaptersChanged();
  void OnCombo2Click();
  void OnTmrCheck();
  void OnZivududi1Click();
  void OnCommand3Click();
  // The profiles: load at start-up, save (Command1), clear (Command2), apply (Command10 to Command13).
  void LoadProfileBoxes();
  void ShowProfileNames();
  void OnCommand1Click();
  void OnCommand2Click();
  void OnApplyClick(size_t profile);
  // Queues the switch for the selected adapter; false when it could not be queued.
  bool ChangeIP(const AddressFields& fields, const std::wstring& caption);
  AddressFields ProfileFields(size_t profile) const;
  void OnCommand4Click();
  void OnTimer2();
  void DeleteGeneratedFiles();
  enum class SizeOrder { HeightFirst, WidthFirst };
  void SetOuterSizeTwips(int width, int height, SizeOrder order);

  void ShowAddress(const std::wstring& address) override;
  void ShowPhysicalAddress(const std::wstring& mac) override;

  std::wstring FilePath(const wchar_t* name) const { return folder_ + L"\\" + name; }

  Wmi& wmi_;
  ProcessStarter& starter_;
  const Clock& clock_;
  std::wstring folder_;
  AdapterInventory adapters_;
  UniqueFile scriptFile_;  // HQ.bat, held unchangeable until its script has ended
  JobProcess script_;
  unsigned pollTicks_ = 0;
  bool namesRead_ = false;
  DhcpRuns dhcpRuns_;
  ApplyRuns applies_;
  AdapterWatch watch_;
  bool watchHeld_ = false;  // a snapshot came while Combo1 was open
  std::vector<Child> children_;
  Labels labels_;
  std::vector<std::unique_ptr<Frame>> frames_;
  std::vector<std::unique_ptr<button::Zivududi>> buttons_;
  POINT bannerAt_{};
  UniqueBrush background_;
  UniqueFont font_;
  UniqueFont statusFont_;
  UniqueBitmap banner_;
  UniqueIcon icon_;
  UniqueIcon smallIcon_;
  UINT dpi_ = 96;
};

}  // namespace quilnet
