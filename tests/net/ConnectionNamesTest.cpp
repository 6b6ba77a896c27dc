#include <gtest/gtest.h>

#include "net/ConnectionNames.h"
#include "net/Dhcp.h"
#include "platform/CodePage.h"

namespace quilnet {
namespace {

using Names = std::vector<std::wstring>;

std::string Gbk(const std::wstring& text) { return ToCodePage(text, kGbk); }

TEST(ParseConnectionNames, OneNameALineInFileOrderWithWhatTheLineHolds) {
  const std::string file = Gbk(L"本地连接\r\n无线网络连接 2\r\n\r\n  VPN  \r\nvEthernet (Default Switch)\r\n");
  EXPECT_EQ(ParseConnectionNames(file, kGbk),
            (Names{L"本地连接", L"无线网络连接 2", L"", L"  VPN  ", L"vEthernet (Default Switch)"}));
  // LF alone and a lone CR end a line too, so no name ever holds either; a last line needs no end.
  EXPECT_EQ(ParseConnectionNames("a\nb\rc\r\r\nd", kGbk), (Names{L"a", L"b", L"c", L"", L"d"}));
  EXPECT_EQ(ParseConnectionNames("", kGbk), Names{});
  EXPECT_EQ(ParseConnectionNames("\r\n", kGbk), Names{L""});
}

TEST(ParseConnectionNames, LinesThatNameNoConnectionAreLeftOutAndTheirNeighboursKept) {
  const std::wstring longest(kMaxConnectionName, L'网');
  const std::string file = Gbk(L"以太网") + "\r\n" + "\xFF\xFE garbage\r\n" +  // bytes code page 936 does not use
                           "lead at end \x81\r\n" +                            // a lead byte without its trail byte
                           std::string("nul\0inside", 10) + "\r\n" +           // the list could not hold it whole
                           Gbk(longest) + "\r\n" + Gbk(longest + L"x") + "\r\n" + "Wi-Fi";
  EXPECT_EQ(ParseConnectionNames(file, kGbk), (Names{L"以太网", longest, L"Wi-Fi"}));
}

TEST(ParseConnectionNames, AHugeFileIsReadUpToTheCapAndTheLineItCutsIsDropped) {
  const std::string line = Gbk(L"本地连接") + "\r\n";  // 10 bytes
  std::string file;
  while (file.size() + line.size() <= kMaxNamesFileBytes) file += line;
  const size_t whole = file.size() / line.size();
  file += Gbk(L"被截断的名称") + "\r\n" + std::string(1 << 20, 'x') + "\r\nlast\r\n";
  const Names names = ParseConnectionNames(file, kGbk);
  ASSERT_EQ(names.size(), whole);
  EXPECT_EQ(names.back(), L"本地连接");
  // Exactly at the cap nothing is cut; one byte more is a line the cap cuts.
  std::string full;
  while (full.size() < kMaxNamesFileBytes) full += "abc\n";
  ASSERT_EQ(full.size(), kMaxNamesFileBytes);
  EXPECT_EQ(ParseConnectionNames(full, kGbk).size(), kMaxNamesFileBytes / 4);
  EXPECT_EQ(ParseConnectionNames(full + "z", kGbk).size(), kMaxNamesFileBytes / 4);
}

TEST(ConnectionEntry, TheListEntryGivesItsNameBackWithoutLineEnd) {
  for (const std::wstring name : {L"本地连接", L"无线网络连接 2", L""}) {
    const std::wstring entry = ConnectionEntry(name);
    EXPECT_EQ(entry, name + L"\r\n");
    EXPECT_EQ(NameOfEntry(entry), name);
  }
  EXPECT_EQ(NameOfEntry(L""), L"");  // no entry chosen
}

TEST(DhcpCommandLines, NetshItselfWithTheNameQuotedAddressThenDns) {
  const std::wstring netsh = L"C:\\windows\\system32\\netsh.exe";
  const auto lines = [&](std::wstring_view name) { return DhcpCommandLines(netsh, name); };
  using Lines = std::vector<std::wstring>;
  EXPECT_EQ(lines(L"本地连接"),
            (Lines{L"\"C:\\windows\\system32\\netsh.exe\" interface ip set address Name=\"本地连接\" Source=dhcp",
                   L"\"C:\\windows\\system32\\netsh.exe\" interface ip set dns Name=\"本地连接\" Source=dhcp"}));
  EXPECT_EQ(lines(L"无线网络连接 2")->at(1),
            L"\"C:\\windows\\system32\\netsh.exe\" interface ip set dns Name=\"无线网络连接 2\" Source=dhcp");
  EXPECT_EQ(lines(L"")->at(0), L"\"C:\\windows\\system32\\netsh.exe\" interface ip set address Name=\"\" Source=dhcp");
  // No command interpreter reads the line, so its characters pass as they are.
  EXPECT_EQ(lines(L"a & b | c > d ^ %PATH% \\x")->at(0),
            L"\"C:\\windows\\system32\\netsh.exe\" interface ip set address Name=\"a & b | c > d ^ %PATH% \\x\" "
            L"Source=dhcp");
}

TEST(DhcpCommandLines, ANameThatWouldEndTheQuotesIsRefused) {
  for (const std::wstring name : {L"x\" & echo pwned > canary.txt & \"", L"\"", L"a\\", L"a\tb", L"a\r\nb"}) {
    EXPECT_FALSE(DhcpCommandLines(L"netsh.exe", name).has_value()) << ToCodePage(name, CP_UTF8);
  }
}

}  // namespace
}  // namespace quilnet
