// Libraries from the system folder, and the error code of a late-bound call.
#include <gtest/gtest.h>

#include "platform/DispatchError.h"
#include "platform/SystemLibrary.h"

namespace quilnet {
namespace {

TEST(SystemFunction, ComesFromTheSystemFolderOrNotAtAll) {
  const auto blend = SystemFunction<decltype(&AlphaBlend)>(L"msimg32.dll", "AlphaBlend");
  ASSERT_NE(blend, nullptr);
  wchar_t path[MAX_PATH] = {}, system[MAX_PATH] = {};
  GetModuleFileNameW(SystemLibrary(L"msimg32.dll"), path, MAX_PATH);
  const UINT n = GetSystemDirectoryW(system, MAX_PATH);
  EXPECT_EQ(CompareStringOrdinal(path, static_cast<int>(n), system, static_cast<int>(n), TRUE), CSTR_EQUAL);
  EXPECT_EQ(SystemFunction<FARPROC>(L"msimg32.dll", "NoSuchFunction"), nullptr);
  EXPECT_EQ(SystemLibrary(L"no-such-library.dll"), nullptr);
}

HRESULT CALLBACK FillIn(EXCEPINFO* fault) {
  fault->scode = static_cast<SCODE>(0x80041008);
  fault->bstrDescription = SysAllocString(L"Invalid parameter");
  return S_OK;
}

TEST(TakeExceptionCode, IsTheObjectsOwnCodeOnceFilledIn) {
  const struct {
    SCODE scode;
    WORD wCode;
    HRESULT (CALLBACK* fillIn)(EXCEPINFO*);
    HRESULT expected;
  } cases[] = {
      {0, 0, FillIn, static_cast<HRESULT>(0x80041008)},  // left to the fill-in, as the WMI scripting objects do
      {static_cast<SCODE>(0x80041017), 0, nullptr, static_cast<HRESULT>(0x80041017)},
      {0, 0, nullptr, DISP_E_EXCEPTION},
  };
  for (const auto& c : cases) {
    EXCEPINFO fault{};
    fault.scode = c.scode;
    fault.wCode = c.wCode;
    fault.pfnDeferredFillIn = c.fillIn;
    EXPECT_EQ(TakeExceptionCode(fault, DISP_E_EXCEPTION), c.expected);
    EXPECT_EQ(fault.bstrDescription, nullptr);
  }
}

}  // namespace
}  // namespace quilnet
