#include "app/Layout.h"

#include <iterator>

#include "app/Script.h"

namespace quilnet {
namespace {

using K = ControlKind;

// The six rows of a profile group box: caption label, then its box.
#define PROFILE_ROWS(frame, nameLabelLeft, ipLabelHeight, nameL, nameT, ipL, ipT, maskL, maskT, gwL, gwT, dns1L, \
                     dns1T, dns2L, dns2T)                                                                          \
  {nameL, K::Label, frame, nameLabelLeft, 240, 0, 255, L"名称："},                                                 \
      {nameT, K::Text, frame, 960, 200, 1575, 270, L""},                                                           \
      {ipL, K::Label, frame, 120, 600, 0, ipLabelHeight, L"IP地址："},                                             \
      {ipT, K::Text, frame, 960, 600, 1575, 270, L""},                                                             \
      {maskL, K::Label, frame, 120, 960, 0, 255, L"子网掩码："},                                                   \
      {maskT, K::Text, frame, 960, 960, 1575, 270, L""},                                                           \
      {gwL, K::Label, frame, 120, 1320, 0, 255, L"默认网关："},                                                    \
      {gwT, K::Text, frame, 960, 1320, 1575, 270, L""},                                                            \
      {dns1L, K::Label, frame, 120, 1680, 0, 255, L"首选DNS："},                                                   \
      {dns1T, K::Text, frame, 960, 1680, 1575, 270, L""},                                                          \
      {dns2L, K::Label, frame, 120, 2040, 0, 255, L"备用DNS："},                                                   \
      {dns2T, K::Text, frame, 960, 2040, 1575, 270, L""}

constexpr LayoutRow kLayout[] = {
    {L"Image1", K::Picture, nullptr, 0, 0, 6105, 1170, L""},
    {L"Label27", K::Label, nullptr, 120, 1320, 975, 255, L"选择网卡："},
    {L"Combo1", K::Combo, nullptr, 960, 1250, 3975, 300, L""},
    {L"Command10", K::Button, nullptr, 360, 1800, 1395, 825, L""},
    {L"Command11", K::Button, nullptr, 1800, 1800, 1395, 825, L""},
    {L"Command12", K::Button, nullptr, 360, 2760, 1395, 825, L""},
    {L"Command13", K::Button, nullptr, 1800, 2760, 1395, 825, L""},
    {L"Combo2", K::Combo, nullptr, 3600, 1900, 1095, 300, L""},
    {L"zivududi1", K::Button, nullptr, 4800, 1800, 1035, 465, L"自动IP"},
    {L"Command5", K::Button, nullptr, 3600, 2400, 1035, 465, L"关于"},
    {L"Command3", K::Button, nullptr, 4800, 2400, 1035, 465, L"关闭"},
    {L"Command4", K::Button, nullptr, 3600, 3000, 2235, 555, L"设置===》"},
    {L"Label1", K::Status, nullptr, 0, 3720, 6255, 375, L""},
    {L"Label28", K::Label, nullptr, 120, 4440, 1095, 255, L"当前IP地址："},
    {L"Text27", K::Text, nullptr, 1200, 4440, 2175, 270, L""},
    {L"Label29", K::Label, nullptr, 300, 4800, 975, 255, L"物理地址："},
    {L"Text28", K::Text, nullptr, 1200, 4800, 2175, 270, L""},
    {L"Label30", K::Label, nullptr, 3480, 4680, 2775, 375, L""},
    {L"Frame2", K::Frame, nullptr, 6180, 0, 2655, 2415, L""},
    PROFILE_ROWS(L"Frame2", 120, 255, L"Label2", L"Text1", L"Label10", L"Text6", L"Label9", L"Text7", L"Label8",
                 L"Text8", L"Label7", L"Text9", L"Label6", L"Text10"),
    {L"Frame3", K::Frame, nullptr, 8760, 0, 2655, 2415, L""},
    PROFILE_ROWS(L"Frame3", 120, 375, L"Label3", L"Text2", L"Label15", L"Text11", L"Label14", L"Text12", L"Label13",
                 L"Text13", L"Label12", L"Text14", L"Label11", L"Text15"),
    {L"Frame4", K::Frame, nullptr, 6180, 2400, 2655, 2415, L""},
    PROFILE_ROWS(L"Frame4", 120, 255, L"Label4", L"Text3", L"Label16", L"Text16", L"Label17", L"Text17", L"Label18",
                 L"Text18", L"Label19", L"Text19", L"Label20", L"Text20"),
    {L"Frame1", K::Frame, nullptr, 8760, 2400, 2655, 2415, L""},
    PROFILE_ROWS(L"Frame1", 300, 255, L"Label21", L"Text4", L"Label26", L"Text24", L"Label25", L"Text23", L"Label24",
                 L"Text22", L"Label23", L"Text21", L"Label22", L"Text5"),
    {L"Command2", K::Button, nullptr, 7200, 4920, 1515, 435, L"清空"},
    {L"Command1", K::Button, nullptr, 8880, 4920, 1515, 435, L"保存"},
    {L"Text25", K::HiddenText, nullptr, 7440, 6000, 3015, 375, L"Text25"},
    {L"Text26", K::HiddenMultiText, nullptr, 12360, 3240, 10575, 2775, kScriptTemplate},
};

#undef PROFILE_ROWS

}  // namespace

std::span<const LayoutRow> ControlLayout() { return kLayout; }

}  // namespace quilnet
