// One skinned control of every family in each state, on a form-coloured window, for reading the control
// painters by eye. Controls whose classes come from other runtimes are standard ones registered again
// under those names.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "SkinPictures.h"
#include "platform/CodePage.h"
#include "platform/Handles.h"
#include "skin/ControlPainters.h"
#include "skin/SkinBitmaps.h"
#include "skin/ForeignControls.h"
#include "support/Capture.h"
#include "support/Pump.h"

namespace quilnet {
namespace {

using namespace skin;

constexpr const wchar_t* kGalleryClass = L"QuilnetSkinGallery";
constexpr int kLabelWidth = 100, kColumn = 132, kCellWidth = 120, kTop = 34, kRowGap = 8;

// What one row shows: a control per column, made by `make`, with the column's state given to it.
struct Row {
  const wchar_t* label;
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
  int height;
  const wchar_t* text;
  bool hasHotAndPressed;
  int check;  // BM_SETCHECK for check boxes and options
};

HWND MakeCell(HWND gallery, HFONT font, const Row& row, int column, int y) {
  const bool disabled = column == 3;
  const int x = kLabelWidth + column * kColumn;
  HWND control = CreateWindowExW(row.exStyle, row.className, row.text,
                                 WS_CHILD | WS_VISIBLE | row.style | (disabled ? WS_DISABLED : 0), x, y, kCellWidth,
                                 row.height, gallery, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!control) return nullptr;
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  const Family family = FamilyOf(control);
  if (family == Family::Combo || family == Family::DriveList) {
    SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.text));
    SendMessageW(control, CB_SETCURSEL, 0, 0);
  } else if (family == Family::CheckBox || family == Family::Option) {
    SendMessageW(control, BM_SETCHECK, row.check, 0);
  } else if (family == Family::Header) {
    const wchar_t* captions[] = {L"地址", L"掩码"};
    for (int i = 0; i < 2; ++i) {
      HDITEMW item{};
      item.mask = HDI_TEXT | HDI_WIDTH;
      item.pszText = const_cast<wchar_t*>(captions[i]);
      item.cxy = 60;
      SendMessageW(control, HDM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
  } else if (family == Family::Progress) {
    SendMessageW(control, PBM_SETRANGE32, 0, 30000);
    SendMessageW(control, PBM_SETPOS, 10000 + 5000 * column, 0);
  } else if (family == Family::DataList || family == Family::Grid || lstrcmpiW(row.className, L"ListBox") == 0) {
    for (const wchar_t* line : {L"办公室", L"实验室", L"家里"}) SendMessageW(control, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
  }
  skin::test::SkinControl(control);
  return control;
}

// Gives the control the look of the column's state, as the pointer would.
void ShowState(HWND control, int column) {
  if (column != kHot && column != kPressed) return;
  switch (FamilyOf(control)) {
    case Family::Combo:
    case Family::DriveList:
      PaintDropButton(control, nullptr, column, true);
      break;
    case Family::CheckBox:
      PaintCheckBox(control, column, true);
      break;
    case Family::Option:
      PaintOptionButton(control, column, true);
      break;
    case Family::Header:
      PaintHeaderItem(control, nullptr, 0, column);
      break;
    default:
      break;
  }
}

}  // namespace

bool ShootControlGallery(const std::wstring& folder) {
  skin::test::RegisterForeignClasses();
  WNDCLASSEXW wc{sizeof wc};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  wc.lpszClassName = kGalleryClass;
  RegisterClassExW(&wc);

  const Row rows[] = {
      {L"组合框", L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL, 0, 200, L"Intel(R) Ethernet", true, 0},
      {L"可编辑组合框", L"ComboBox", CBS_DROPDOWN | WS_VSCROLL, 0, 200, L"192.168.1.23", true, 0},
      {L"驱动器列表", L"ThunderRT6DriveListBox", CBS_DROPDOWNLIST | WS_VSCROLL, 0, 200, L"c: [系统]", true, 0},
      {L"复选框", L"ThunderRT6CheckBox", BS_AUTOCHECKBOX, 0, 22, L"未选中", true, BST_UNCHECKED},
      {L"复选框", L"ThunderRT6CheckBox", BS_AUTOCHECKBOX, 0, 22, L"已选中", true, BST_CHECKED},
      {L"复选框", L"ThunderRT6CheckBox", BS_AUTO3STATE, 0, 22, L"不确定", true, BST_INDETERMINATE},
      {L"单选按钮", L"ThunderRT6OptionButton", BS_AUTORADIOBUTTON | WS_GROUP, 0, 22, L"未选中", true, BST_UNCHECKED},
      {L"单选按钮", L"ThunderRT6OptionButton", BS_AUTORADIOBUTTON | WS_GROUP, 0, 22, L"已选中", true, BST_CHECKED},
      {L"表头", WC_HEADERW, HDS_BUTTONS | HDS_HORZ, 0, 22, L"", true, 0},
      {L"进度条", L"ProgressBar20WndClass", WS_BORDER, 0, 18, L"", false, 0},
      {L"进度条(平滑)", L"ProgressBar20WndClass", WS_BORDER | PBS_SMOOTH, 0, 18, L"", false, 0},
      {L"文本框", L"Edit", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 22, L"255.255.255.0", false, 0},
      {L"列表框", L"ListBox", WS_VSCROLL, WS_EX_CLIENTEDGE, 44, L"", false, 0},
      {L"数据列表", L"DataListWndClass", WS_BORDER, 0, 44, L"", false, 0},
      {L"网格", L"ApexGridOleDB32", WS_BORDER, 0, 44, L"", false, 0},
  };
  int height = kTop;
  for (const Row& row : rows) height += (row.height > 100 ? 22 : row.height) + kRowGap;

  UniqueWindow gallery(CreateWindowExW(0, kGalleryClass, L"皮肤控件", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 40, 40,
                                       kLabelWidth + 4 * kColumn, height + 6, nullptr, nullptr, GetModuleHandleW(nullptr),
                                       nullptr));
  if (!gallery) return false;
  NONCLIENTMETRICSW metrics{sizeof metrics};
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  const UniqueFont font(CreateFontIndirectW(&metrics.lfMessageFont));

  const auto label = [&](const wchar_t* text, int x, int y, int width, DWORD align) {
    HWND name = CreateWindowExW(0, L"Static", text, WS_CHILD | WS_VISIBLE | align | SS_CENTERIMAGE, x, y, width, 22,
                                gallery.get(), nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(name, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
  };
  const wchar_t* columns[] = {L"正常", L"热点", L"按下", L"禁用"};
  for (int c = 0; c < 4; ++c) label(columns[c], kLabelWidth + c * kColumn, 6, kCellWidth, SS_CENTER);

  struct Cell {
    HWND control;
    int column;
  };
  std::vector<Cell> cells;
  int y = kTop;
  for (const Row& row : rows) {
    const int shown = row.height > 100 ? 22 : row.height;
    label(row.label, 8, y + (shown - 22) / 2, kLabelWidth - 12, SS_LEFT);
    for (int c = 0; c < 4; ++c) {
      if (!row.hasHotAndPressed && (c == kHot || c == kPressed)) continue;
      if (HWND control = MakeCell(gallery.get(), font.get(), row, c, y)) cells.push_back({control, c});
    }
    y += shown + kRowGap;
  }

  SetCursorPos(0, 0);
  RedrawWindow(gallery.get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  quilnet::test::Pump(300);
  // The pointer's states last only until the next repaint, so they are given after everything settled.
  for (const Cell& cell : cells) ShowState(cell.control, cell.column);
  GdiFlush();
  const std::wstring path = folder + L"\\skin-gallery.png";
  const std::optional<quilnet::test::Pixels> pixels = quilnet::test::CaptureWindow(gallery.get());
  if (!pixels || !quilnet::test::SavePng(*pixels, path)) {
    std::fprintf(stderr, "cannot write %s\n", ToCodePage(path, CP_UTF8).c_str());
    return false;
  }
  std::printf("skin-gallery.png %dx%d\n", pixels->width, pixels->height);
  return true;
}

}  // namespace quilnet
