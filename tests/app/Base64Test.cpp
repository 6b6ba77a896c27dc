#include <gtest/gtest.h>

#include <string>

#include "app/Base64.h"

namespace quilnet {
namespace {

using namespace std::string_literals;

TEST(Base64Decode, StandardVectorsPaddedAndNot) {
  EXPECT_EQ(Base64Decode(L""), L"");
  EXPECT_EQ(Base64Decode(L"Zg=="), L"f");  // two padding positions: one byte
  EXPECT_EQ(Base64Decode(L"Zm8="), L"fo");  // one: two bytes
  EXPECT_EQ(Base64Decode(L"Zm9v"), L"foo");
  EXPECT_EQ(Base64Decode(L"Zm9vYg=="), L"foob");
  EXPECT_EQ(Base64Decode(L"Zm9vYmE="), L"fooba");
  EXPECT_EQ(Base64Decode(L"Zm9vYmFy"), L"foobar");
  EXPECT_EQ(Base64Decode(L"Pz4+Pz8/"), L"?>>???");  // the two last letters of the alphabet
}

TEST(Base64Decode, GbkBytesComeBackAsTheirCharacters) {
  EXPECT_EQ(Base64Decode(L"xOO6ww=="), L"你好");  // C4 E3 BA C3
  // Three times over: pairs that straddle two groups still make one character each.
  EXPECT_EQ(Base64Decode(L"xOO6w8TjusPE47rD"), L"你好你好你好");
}

TEST(Base64Decode, CharactersOutsideTheAlphabetCountAsPadding) {
  EXPECT_EQ(Base64Decode(L"Zm8*"), Base64Decode(L"Zm8="));
  EXPECT_EQ(Base64Decode(L"Zm8-"), L"fo");  // the URL alphabet's letters are not ours
  EXPECT_EQ(Base64Decode(L"Zm8好"), L"fo");  // a wide character becomes two bytes outside the alphabet
  EXPECT_EQ(Base64Decode(L"===="), L"");
}

TEST(Base64Decode, AnIncompleteLastGroupIsCompletedWithPadding) {
  EXPECT_EQ(Base64Decode(L"Zm9vY"), L"foo");  // a single leftover character yields nothing
  EXPECT_EQ(Base64Decode(L"Zm9vYg"), L"foob");
  EXPECT_EQ(Base64Decode(L"Zm9vYmE"), L"fooba");
  EXPECT_EQ(Base64Decode(L"xOO6ww"), L"你好");
}

TEST(Base64Decode, ResultHoldsExactlyTheDecodedCharacters) {
  EXPECT_EQ(Base64Decode(L"AAAA"), L"\0\0\0"s);  // zero bytes are characters too, and kept
  EXPECT_EQ(Base64Decode(L"Zg==").size(), 1u);
  EXPECT_EQ(Base64Decode(L"QQBC"), L"A\0B"s);
}

TEST(Base64Decode, BytesThatAreNoGbkCharacterBecomeOneReplacementEach) {
  EXPECT_EQ(Base64Decode(L"xA=="), L"\xFFFD");         // C4: a lead byte as the last byte
  EXPECT_EQ(Base64Decode(L"xOO6"), L"你\xFFFD");       // C4 E3 BA
  EXPECT_EQ(Base64Decode(L"gTA="), L"\xFFFD");         // 81 30: the trail is taken with its lead
  EXPECT_EQ(Base64Decode(L"Qf9B"), L"A\xFFFD");        // 41 FF 41
}

TEST(Base64Decode, InputsBeyondSixteenBitSizesDecodeLikeAnyOther) {
  std::wstring input, expected;
  for (int i = 0; i < 3000; ++i) {  // 48,000 characters in, 6,000 pairs out
    input += L"xOO6w8TjusPE47rD";
    expected += L"你好你好你好";
  }
  input += L"Zm9vYg==";
  expected += L"foob";
  EXPECT_EQ(Base64Decode(input), expected);
}

TEST(DecodeQuad, SplitsTheFourValuesIntoThreeBytes) {
  const DecodedQuad man = DecodeQuad({'T', 'W', 'F', 'u'});
  EXPECT_EQ(man.bytes[0], 'M');
  EXPECT_EQ(man.bytes[1], 'a');
  EXPECT_EQ(man.bytes[2], 'n');
  EXPECT_EQ(man.padding, 0);
  const DecodedQuad high = DecodeQuad({'/', '/', '/', '/'});
  EXPECT_EQ(high.bytes[0], 0xFF);
  EXPECT_EQ(high.bytes[1], 0xFF);
  EXPECT_EQ(high.bytes[2], 0xFF);
  EXPECT_EQ(DecodeQuad({'Z', '=', '*', '='}).padding, 3);
}

}  // namespace
}  // namespace quilnet
