#include <gtest/gtest.h>

#include "net/ConnectionNames.h"
#include "net/Dhcp.h"
#include "platform/CodePage.h"
#include "support/Listing.h"

namespace quilnet {
namespace {

using Names = std::vector<std::wstring>;

std::string Gbk(const std::wstring& text) { return ToCodePage(text, kGbk); }

TEST(ParseConnectionNames, TheNamesAreTheRowsUnderTheRuleFromTheirFourthFieldToTheirEnd) {
  const Names names = {L"以太网", L"Wi-Fi 2", L"a & b | c \" % ! ^ < >"};
  for (const test::Language language : {test::Language::English, test::Language::Chinese}) {
    EXPECT_EQ(ParseConnectionNames(test::InterfaceListing(names, language), kGbk), names);
  }
  const std::wstring longest(kMaxConnectionName, L'网');
  const std::string odd = std::string("Admin State State Type Interface Name\r\n----  \r\n\r\n") +
                          "Enabled Connected Dedicated\r\n" +                     // no name
                          "Enabled\tConnected\tDedicated\tTabbed  name\r\n" +
                          "  Enabled   Connected   Dedicated   lf\n" +
                          "a b c \xFF\xFE\r\n" + "a b c \x81\r\n" +                  // not code page 936
                          std::string("a b c nul\0inside", 17) + "\r\n" +       // the list could not hold it
                          "a b c " + Gbk(longest) + "\r\n" + "a b c " + Gbk(longest + L"x") + "\r\n" +
                          "a b c lone cr\r" + "----\r\n" + "a b c cut short";
  EXPECT_EQ(ParseConnectionNames(odd, kGbk), (Names{L"Tabbed  name", L"lf", longest, L"lone cr"}));
  // No rule, no names: netsh said something else.
  EXPECT_EQ(ParseConnectionNames("Enabled Connected Dedicated Ethernet\r\n", kGbk), Names{});
  EXPECT_EQ(ParseConnectionNames("", kGbk), Names{});
}

TEST(ParseConnectionNames, AHugeFileIsReadUpToTheCapAndTheRowItCutsIsDropped) {
  std::string full = "----\r\n";
  while (full.size() + 8 <= kMaxNamesFileBytes) full += "a b c d\n";
  const size_t rows = (full.size() - 6) / 8;
  EXPECT_EQ(ParseConnectionNames(full, kGbk).size(), rows);
  EXPECT_EQ(ParseConnectionNames(full + "a b c zzzzzzzz\r\nmore\r\n" + std::string(1 << 20, 'x'), kGbk).size(), rows);
}

TEST(DhcpCommandLines, ANameThatWouldEndTheQuotesIsRefused) {
  EXPECT_TRUE(DhcpCommandLines(L"netsh.exe", L"a & b | c > d ^ %PATH%").has_value());
  for (const std::wstring name : {L"x\" & echo pwned > canary.txt & \"", L"a\\", L"a\tb", L"a\r\nb"}) {
    EXPECT_FALSE(DhcpCommandLines(L"netsh.exe", name).has_value()) << ToCodePage(name, CP_UTF8);
  }
}

}  // namespace
}  // namespace quilnet
