#include <gtest/gtest.h>

#include "net/Wql.h"

namespace quilnet {
namespace {

TEST(WqlStringLiteral, PlainTextGoesBetweenApostrophesUntouched) {
  EXPECT_EQ(WqlStringLiteral(L"Intel(R) Ethernet Connection I219-LM"), L"'Intel(R) Ethernet Connection I219-LM'");
  EXPECT_EQ(WqlStringLiteral(L""), L"''");
  EXPECT_EQ(WqlStringLiteral(L"say \"hi\""), L"'say \"hi\"'");
}

TEST(WqlStringLiteral, ApostropheSwitchesToDoubleQuotes) {
  EXPECT_EQ(WqlStringLiteral(L"Bob's NIC"), L"\"Bob's NIC\"");
  EXPECT_EQ(WqlStringLiteral(L"Bob's \"NIC\""), L"\"Bob's \\\"NIC\\\"\"");
}

TEST(WqlStringLiteral, BackslashIsEscaped) {
  EXPECT_EQ(WqlStringLiteral(L"a\\b"), L"'a\\\\b'");
  EXPECT_EQ(WqlStringLiteral(L"a\\'"), L"\"a\\\\'\"");
}

}  // namespace
}  // namespace quilnet
