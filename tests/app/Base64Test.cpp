#include <gtest/gtest.h>

#include <string>

#include "app/Base64.h"
#include "platform/CodePage.h"

namespace quilnet {
namespace {

using namespace std::string_literals;

TEST(Base64Decode, GroupsPaddingAndGbkPairs) {
  const struct {
    const wchar_t* in;
    std::wstring out;
  } cases[] = {
      {L"", L""}, {L"Zg==", L"f"}, {L"Zm8=", L"fo"}, {L"Zm9v", L"foo"}, {L"Zm9vYg==", L"foob"},
      {L"Zm9vYmE=", L"fooba"}, {L"Zm9vYmFy", L"foobar"}, {L"Pz4+Pz8/", L"?>>???"},
      {L"xOO6ww==", L"你好"},                               // C4 E3 BA C3
      {L"xOO6w8TjusPE47rD", L"你好你好你好"},               // pairs that straddle two groups
      {L"Zm8*", L"fo"}, {L"Zm8-", L"fo"}, {L"Zm8好", L"fo"},  // outside the alphabet: as "="
      {L"Zm9vY", L"foo"}, {L"Zm9vYg", L"foob"}, {L"Zm9vYmE", L"fooba"},  // an incomplete last group
      {L"QQBC", L"A\0B"s}, {L"AAAA", L"\0\0\0"s},          // zero bytes are characters; none is added
      {L"xA==", L"\xFFFD"}, {L"xOO6", L"你\xFFFD"},        // a lead byte as the last byte
      {L"gTA=", L"\xFFFD"}, {L"Qf9B", L"A\xFFFD"},         // 81 30, FF 41: no GBK pair, trail taken
  };
  for (const auto& c : cases) EXPECT_EQ(Base64Decode(c.in), c.out) << ToCodePage(c.in, CP_UTF8);
}

TEST(Base64Decode, InputsBeyondSixteenBitSizesDecodeLikeAnyOther) {
  std::wstring input, expected;
  for (int i = 0; i < 3000; ++i) {  // 48,000 characters
    input += L"xOO6w8TjusPE47rD";
    expected += L"你好你好你好";
  }
  EXPECT_EQ(Base64Decode(input + L"Zm9vYg=="), expected + L"foob");
}

}  // namespace
}  // namespace quilnet
