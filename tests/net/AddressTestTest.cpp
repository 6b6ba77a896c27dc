#include <gtest/gtest.h>

#include "net/AddressTest.h"

namespace quilnet {
namespace {

TEST(IsValidIP, AcceptsWhatInetAddrParses) {
  for (const wchar_t* text : {L"192.168.1.2", L"255.255.255.0", L"8.8.8.8", L"0.0.0.0", L"255.0.255.0",
                              L"10.1",        // two parts: 10.0.0.1
                              L"010.0.0.1",   // octal first part
                              L"0x7f.1",      // hexadecimal
                              L"1.2.65535",   // three parts, the last fills 16 bits
                              L"4294967294",  // one part, the whole value
                              L"1.2.3.4 "}) {  // inet_addr stops at white space
    EXPECT_TRUE(IsValidIP(text)) << text;
  }
}

TEST(IsValidIP, RefusesEverythingElse) {
  for (const wchar_t* text : {L"", L"255.255.255.255", L"0xffffffff", L"4294967295",  // all-ones in any form
                              L"192.168.1.256", L"abc", L" 1.2.3.4", L"1.2.3.4x", L"08.1.1.1", L"1..2.3",
                              L"1.2.3.4.5",
                              L"１９２.１６８.１.１",  // full-width digits
                              L"192.168.1.1\u2028"}) {
    EXPECT_FALSE(IsValidIP(text)) << text;
  }
}

TEST(IsValidIP, CharactersOutsideGbkAreNotMappedToLookalikeDigits) {
  // U+2460 and mathematical digits have no ASCII form in GBK; no best-fit mapping may turn them into 1.
  EXPECT_FALSE(IsValidIP(L"\u2460.2.3.4"));
  EXPECT_FALSE(IsValidIP(L"1.2.3.\U0001D7CF"));
}

}  // namespace
}  // namespace quilnet
