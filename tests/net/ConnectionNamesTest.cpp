#include <gtest/gtest.h>

#include "net/ConnectionNames.h"
#include "net/Dhcp.h"
#include "platform/CodePage.h"

namespace quilnet {
namespace {

using Names = std::vector<std::wstring>;

std::string Gbk(const std::wstring& text) { return ToCodePage(text, kGbk); }

TEST(ParseConnectionNames, OneNameALineInFileOrderAndLinesThatNameNoConnectionLeftOut) {
  const std::wstring longest(kMaxConnectionName, L'网');
  const std::string file = Gbk(L"本地连接\r\n无线网络连接 2\r\n\r\n") + "\xFF\xFE garbage\r\n" +
                           "lead at end \x81\r\n" +                   // not code page 936
                           std::string("nul\0inside", 10) + "\r\n" +  // the list could not hold it
                           Gbk(longest) + "\r\n" + Gbk(longest + L"x") + "\n" +
                           "lf\nlone cr\rlast without end";  // every line end ends a name
  EXPECT_EQ(ParseConnectionNames(file, kGbk),
            (Names{L"本地连接", L"无线网络连接 2", L"", longest, L"lf", L"lone cr", L"last without end"}));
  EXPECT_EQ(ParseConnectionNames("", kGbk), Names{});
}

TEST(ParseConnectionNames, AHugeFileIsReadUpToTheCapAndTheLineItCutsIsDropped) {
  std::string full;
  while (full.size() < kMaxNamesFileBytes) full += "abc\n";
  EXPECT_EQ(ParseConnectionNames(full, kGbk).size(), kMaxNamesFileBytes / 4);
  EXPECT_EQ(ParseConnectionNames(full + "z\r\nmore\r\n" + std::string(1 << 20, 'x'), kGbk).size(),
            kMaxNamesFileBytes / 4);
}

TEST(DhcpCommandLines, ANameThatWouldEndTheQuotesIsRefused) {
  EXPECT_TRUE(DhcpCommandLines(L"netsh.exe", L"a & b | c > d ^ %PATH%").has_value());
  for (const std::wstring name : {L"x\" & echo pwned > canary.txt & \"", L"a\\", L"a\tb", L"a\r\nb"}) {
    EXPECT_FALSE(DhcpCommandLines(L"netsh.exe", name).has_value()) << ToCodePage(name, CP_UTF8);
  }
}

}  // namespace
}  // namespace quilnet
